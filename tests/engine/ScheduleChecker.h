#pragma once

#include <QStringList>

namespace belltide {
class School;
class Schedule;
} // namespace belltide

namespace belltide::testing {

// Where a class may have blocks: from the school's first slot for as long as
// its own day lasts (the quick search's rule), or inside its own day.
enum class ClassDay { FromSchoolStart, Own };

// Checks a finished class schedule against the school it was made for, from the
// school model alone: it shares no code with the search. Returns one line per
// broken rule; empty when the schedule keeps them all.
QStringList CheckSchedule(
    const School& school, const Schedule& schedule, ClassDay classDay = ClassDay::FromSchoolStart);

} // namespace belltide::testing
