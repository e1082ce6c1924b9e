#include "ImportChange.h"

#include "ListChanges.h"

#include "model/RosterPreview.h"

#include <algorithm>

namespace belltide {

namespace {

// By identity, so that an equal class the user added by hand stays.
template <typename Item>
void RemoveAll(std::vector<std::shared_ptr<Item>>& list, const std::vector<std::shared_ptr<Item>>& items)
{
    std::erase_if(list,
        [&](const std::shared_ptr<Item>& item) { return std::find(items.begin(), items.end(), item) != items.end(); });
}

} // namespace

ImportChange::ImportChange(std::shared_ptr<School> school, std::vector<std::shared_ptr<Classroom>> classes,
    std::vector<std::shared_ptr<SpecialClass>> specials)
    : mSchool(std::move(school))
    , mClasses(std::move(classes))
    , mSpecials(std::move(specials))
{
}

ImportChange::ImportChange(std::shared_ptr<School> school, const RosterPreview& preview)
    : ImportChange(std::move(school), preview.NewClasses(), preview.NewSpecials())
{
}

void ImportChange::Execute()
{
    mSchool->Classes.insert(mSchool->Classes.end(), mClasses.begin(), mClasses.end());
    mSchool->Specials.insert(mSchool->Specials.end(), mSpecials.begin(), mSpecials.end());
}

void ImportChange::Unexecute()
{
    RemoveAll(mSchool->Classes, mClasses);
    RemoveAll(mSchool->Specials, mSpecials);
}

Notification ImportChange::GetNotificationName() const
{
    if (mClasses.empty() && !mSpecials.empty())
        return AddSpecialChange::TableRow().Notification;
    return AddClassChange::TableRow().Notification;
}

ActionTag ImportChange::GetNotificationTag() const
{
    if (!mClasses.empty())
        return ActionTag(mClasses.front());
    if (!mSpecials.empty())
        return ActionTag(mSpecials.front());
    return ActionTag(mSchool);
}

} // namespace belltide
