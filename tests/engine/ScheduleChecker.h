#pragma once

#include <QStringList>

#include <cstdint>
#include <vector>

namespace belltide {
class School;
class Schedule;
} // namespace belltide

namespace belltide::test {

// A meeting the schedule must hold where it was: the class's position in the
// school, the subject, the day and the slot of the day it starts at.
struct KeptMeeting {
    std::int32_t Class = 0;
    QString Subject;
    std::int32_t Day = 0;
    std::int32_t Slot = 0;
};

// Checks a finished class schedule against the school it was made for, from the
// school model alone: it shares no code with the search. Returns one line per
// broken rule; empty when the schedule keeps them all. A class may eat at
// other times on other days, but never twice a day, nor meet a subject twice
// a day; it never meets a special that takes fewer students than it has, and
// keeps the school's interrupt-free time every day.
QStringList CheckSchedule(const School& school, const Schedule& schedule, const std::vector<KeptMeeting>& kept = {});

} // namespace belltide::test
