#pragma once

#include "ActionBase.h"

#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"

#include <QStringView>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace belltide {

enum class ListEdit { Append, Remove };

// Which of the school's lists an action edits, how, and how it names itself.
template <typename Item> struct ListRow {
    std::vector<std::shared_ptr<Item>> School::*List = nullptr;
    ListEdit Edit = ListEdit::Append;
    QStringView Description;
    belltide::Notification Notification = belltide::Notification::None;
};

// Adds a class or special to the end of its list, or removes it. Undoing a
// removal appends rather than reinserting: the pages sort their lists whenever
// they rebuild them, so the position carries no meaning. The object is found by
// identity, never by equal fields.
template <typename Derived, typename Item> class ListChangeAction : public ActionBase {
public:
    using Row = ListRow<Item>;

    ListChangeAction(std::shared_ptr<School> school, std::shared_ptr<Item> item,
        const MicrosecondClock& clock = MicrosecondClock::Steady())
        : ActionBase(clock)
        , mSchool(std::move(school))
        , mItem(std::move(item))
    {
    }

protected:
    void Execute() override { Apply(Derived::TableRow().Edit); }
    void Unexecute() override
    {
        Apply(Derived::TableRow().Edit == ListEdit::Append ? ListEdit::Remove : ListEdit::Append);
    }

    QString GetDescription() const override { return Derived::TableRow().Description.toString(); }
    belltide::Notification GetNotificationName() const override { return Derived::TableRow().Notification; }
    ActionTag GetNotificationTag() const override { return ActionTag(mItem); }

private:
    void Apply(ListEdit edit)
    {
        auto& list = (*mSchool).*Derived::TableRow().List;
        if (edit == ListEdit::Append) {
            list.push_back(mItem);
        } else if (auto it = std::find(list.begin(), list.end(), mItem); it != list.end()) {
            list.erase(it);
        }
    }

    std::shared_ptr<School> mSchool;
    std::shared_ptr<Item> mItem;
};

class AddClassChange final : public ListChangeAction<AddClassChange, Classroom> {
public:
    using ListChangeAction::ListChangeAction;
    static constexpr Row TableRow()
    {
        return { &School::Classes, ListEdit::Append, u"Add Class", Notification::ClassListChange };
    }
};

class RemoveClassChange final : public ListChangeAction<RemoveClassChange, Classroom> {
public:
    using ListChangeAction::ListChangeAction;
    static constexpr Row TableRow()
    {
        return { &School::Classes, ListEdit::Remove, u"Remove Class", Notification::ClassListChange };
    }
};

class AddSpecialChange final : public ListChangeAction<AddSpecialChange, SpecialClass> {
public:
    using ListChangeAction::ListChangeAction;
    static constexpr Row TableRow()
    {
        return { &School::Specials, ListEdit::Append, u"Add Special Class", Notification::SpecialListChange };
    }
};

class RemoveSpecialChange final : public ListChangeAction<RemoveSpecialChange, SpecialClass> {
public:
    using ListChangeAction::ListChangeAction;
    static constexpr Row TableRow()
    {
        return { &School::Specials, ListEdit::Remove, u"Remove Special Class", Notification::SpecialListChange };
    }
};

} // namespace belltide
