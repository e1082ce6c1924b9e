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
    const Notification name = action.NotificationName();
    // A new or changed schedule stands as it was made.
    if (name == Notification::ScheduleChange) {
        Refresh();
        return;
    }
    // An edit of words alone cannot move a meeting.
    if (!ChangesScheduling(name))
        return;
    mSchool->Timetable = SchoolTimetable::Fit(*mSchool, before).Timetable;
    Refresh();
}

void SchoolScheduleKeeper::RestoreSchedule(const std::shared_ptr<const Timetable>& schedule)
{
    mSchool->Timetable = schedule;
    Refresh();
}

void SchoolScheduleKeeper::Opened()
{
    mSchool->Timetable = SchoolTimetable::Fit(*mSchool, mSchool->Timetable).Timetable;
    Refresh();
}

void SchoolScheduleKeeper::Refresh()
{
    SchoolTimetable::RefreshGrid(*mSchool);
}

} // namespace belltide
