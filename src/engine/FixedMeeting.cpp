#include "FixedMeeting.h"

#include "ClassLimits.h"
#include "ScheduleClassroom.h"
#include "ScheduleSpecial.h"
#include "engine/Index.h"

namespace belltide {

bool IsUsable(const FixedMeeting& meeting, const std::vector<std::shared_ptr<ScheduleClassroom>>& classrooms,
    const std::vector<std::shared_ptr<ScheduleSpecial>>& specials, std::int32_t slotsPerDay)
{
    if (meeting.Classroom < 0 || ToIndex(meeting.Classroom) >= classrooms.size() || meeting.Special < 0
        || ToIndex(meeting.Special) >= specials.size() || slotsPerDay <= 0)
        return false;
    const ScheduleSpecial& special = *specials[ToIndex(meeting.Special)];
    const ScheduleClassroom& classroom = *classrooms[ToIndex(meeting.Classroom)];
    const std::int32_t slot = meeting.Start % slotsPerDay;
    return meeting.Start >= 0 && meeting.Start < 5 * slotsPerDay && special.Duration > 0
        && slot + special.Duration <= slotsPerDay && classroom.SpecialAttendance(special.Subject) > 0
        && ClassLimits::Takes(special, classroom);
}

} // namespace belltide
