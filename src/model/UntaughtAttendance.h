#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace belltide {

class Classroom;
class School;

// Weekly counts kept for a subject that no special teaches (after a special is
// removed, or in an older file): the schedule ignores them, so the school must
// hear about them.
struct UntaughtSubject {
    QString Title;
    std::vector<std::pair<std::shared_ptr<Classroom>, std::int32_t>> Counts;
};

// Counts of 0 are left out: they ask for nothing. In the order the classes
// first mention each title.
std::vector<UntaughtSubject> FindUntaughtAttendance(const School& school);

// "Band: 3 classes attend it 5 times a week in all, but no special teaches it."
QString DescribeUntaught(const UntaughtSubject& subject);

bool IsTaughtTitle(const School& school, const QString& title);

} // namespace belltide
