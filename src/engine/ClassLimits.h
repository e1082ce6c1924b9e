#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace belltide {

class ScheduleClassroom;
class ScheduleSpecial;

// Two limits of a class that every search and the rules keep: a special takes
// no class larger than its most students, and every day the class keeps one
// stretch of its own day free of specials (passing time included), lunch and
// recess. Lengths and times here are slots of the school day.
namespace ClassLimits {

// Whether the special may meet the class; a count of 0 on either side sets no limit.
bool Takes(const ScheduleSpecial& special, const ScheduleClassroom& classroom);

// "4th: Mr. O'Brien has 27 students, but Computer Lab takes at most 24. Raise the
// maximum or set 4th: Mr. O'Brien's Computer Lab to 0 times a week."
QString TooManyStudents(const QString& className, std::int32_t students, const QString& subject, std::int32_t most);

// Slots that hold the given uninterrupted minutes: part of a slot counts as a
// whole one, since no meeting starts off the 5-minute grid. 0 for none.
std::int32_t FreeSlots(std::int32_t minutes);

struct Stretch {
    std::int32_t From;
    std::int32_t To;
};

// The longest run of first..end-1 that no stretch covers (stretches in any order).
std::int32_t LongestFree(std::int32_t first, std::int32_t end, std::span<const Stretch> busy);

// One way to hold a block: its start and the slots it keeps.
struct Way {
    std::int32_t Start;
    std::int32_t Length;
};

// The longest free run that blocks held once each, by one of their ways and
// none overlapping, can leave in first..end-1; -1 when they cannot all be held
// there. Past a dozen blocks it answers end - first, proving nothing.
std::int32_t LongestPossible(std::int32_t first, std::int32_t end, const std::vector<std::vector<Way>>& blocks);

// "2nd: Ms. Hughes cannot keep 45 uninterrupted minutes on Monday with P.E.,
// Music and lunch in a 6-hour day; 30 minutes would fit."
QString CannotKeepFreeTime(const QString& className, std::int32_t minutes, const QString& day, const QStringList& held,
    std::int32_t dayMinutes, std::int32_t longestMinutes);

// Reasons, found without a search, why no schedule keeps these limits: a class
// larger than every special of a subject it attends, or a day whose lunch and
// the specials the class has on every such day leave no stretch long enough.
// Fixed meetings may stand on other days than the usual ones: with any, only
// the first kind is looked for.
QStringList Reasons(const std::vector<std::shared_ptr<ScheduleClassroom>>& classrooms,
    const std::vector<std::shared_ptr<ScheduleSpecial>>& specials, std::int32_t slotsPerDay, bool anyFixed);

// "2nd: Ms. Hughes", as every reason names a class.
QString ClassName(const ScheduleClassroom& classroom, std::size_t index);

QString DayName(std::int32_t day);

} // namespace ClassLimits
} // namespace belltide
