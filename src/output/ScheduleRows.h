#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace belltide {

class Classroom;
class School;
class SpecialClass;

enum class RowKind { Special, Lunch, Recess };

// One block of the school's week as exports list it: a special, a lunch, or
// the recess after it, with its end worked out.
struct ScheduleRow {
    std::int32_t Day = 0;
    std::int32_t Start = 0;
    std::int32_t End = 0;
    std::shared_ptr<belltide::Classroom> Class;
    // None for lunch and recess.
    std::shared_ptr<SpecialClass> Special;
    RowKind Kind = RowKind::Special;

    // The special's title, "Lunch" or "Recess".
    QString Subject() const;
};

// The school's saved schedule, flattened for the exports.
namespace ScheduleRows {

// Every meeting and recess, by day, start, then class in grade order; empty
// without a schedule.
std::vector<ScheduleRow> Of(const School& school);

// The classes as a school lists them: kindergarten first, then grades by
// number (2nd before 10th), then by teacher.
std::vector<std::shared_ptr<belltide::Classroom>> ClassesInGradeOrder(const School& school);
std::vector<std::shared_ptr<SpecialClass>> SpecialsInOrder(const School& school);

// "K: Mrs. Adams", "Music: Mr. Chen": as the schedule popup and --only name them.
QString Label(const belltide::Classroom& classroom);
QString Label(const SpecialClass& special);
// "special", "lunch", "recess".
QString KindName(RowKind kind);
// "Monday" ... "Friday".
QString DayName(std::int32_t day);

} // namespace ScheduleRows
} // namespace belltide
