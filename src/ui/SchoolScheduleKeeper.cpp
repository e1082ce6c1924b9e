#include "SchoolScheduleKeeper.h"

#include "engine/SchoolTimetable.h"
#include "model/School.h"
#include "undo/ActionBase.h"
#include "undo/Notification.h"

namespace belltide {

SchoolScheduleKeeper::SchoolScheduleKeeper(std::shared_ptr<School> school)
    : mSchool(std::move(school))
{
}

std::shared_ptr<const Timetable> SchoolScheduleKeeper::CurrentSchedule() const
{
    return mSchool->Timetable;
}

void SchoolScheduleKeeper::ScheduleAfterEdit(const ActionBase& action, const std::shared_ptr<const Timetable>& before)
{
    mLastDropped.clear();
    const Notification name = action.NotificationName();
    // A new or changed schedule stands as it was made.
    if (name == Notification::ScheduleChange) {
        Refresh();
        return;
    }
    // An edit of words alone cannot move a meeting.
    if (!ChangesScheduling(name))
        return;
    SchoolTimetable::Fitted fitted = SchoolTimetable::Fit(*mSchool, before);
    mSchool->Timetable = std::move(fitted.Timetable);
    mLastDropped = std::move(fitted.Why);
    Refresh();
}

void SchoolScheduleKeeper::RestoreSchedule(const std::shared_ptr<const Timetable>& schedule)
{
    mLastDropped.clear();
    mSchool->Timetable = schedule;
    Refresh();
}

void SchoolScheduleKeeper::Opened()
{
    SchoolTimetable::Fitted fitted = SchoolTimetable::Fit(*mSchool, mSchool->Timetable);
    mSchool->Timetable = std::move(fitted.Timetable);
    mLastDropped = std::move(fitted.Why);
    Refresh();
}

void SchoolScheduleKeeper::Refresh()
{
    SchoolTimetable::RefreshGrid(*mSchool);
}

} // namespace belltide
