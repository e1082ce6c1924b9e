#pragma once

#include <QStringList>

namespace belltide {
class School;
class Schedule;
} // namespace belltide

namespace belltide::testing {

// Checks a finished class schedule against the school it was made for, from the
// school model alone: it shares no code with the search. Returns one line per
// broken rule; empty when the schedule keeps them all.
QStringList CheckSchedule(const School& school, const Schedule& schedule);

} // namespace belltide::testing
