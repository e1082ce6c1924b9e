#include "ScheduleChange.h"

#include "model/School.h"
#include "model/Timetable.h"

namespace belltide {

ScheduleChange::ScheduleChange(
    std::shared_ptr<School> school, std::shared_ptr<const Timetable> schedule, QString description)
    : mSchool(std::move(school))
    , mNew(std::move(schedule))
    , mDescription(std::move(description))
{
}

void ScheduleChange::Execute()
{
    mOld = mSchool->Timetable;
    mSchool->Timetable = mNew;
}

void ScheduleChange::Unexecute()
{
    mSchool->Timetable = mOld;
}

ActionTag ScheduleChange::GetNotificationTag() const
{
    return ActionTag(mSchool);
}

} // namespace belltide
