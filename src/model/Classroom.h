#pragma once

#include "OrderedDict.h"

#include <QString>

#include <cstdint>
#include <utility>

namespace pugi {
class xml_node;
}

namespace belltide {

// A homeroom class: who teaches it, its grade, its own day, and how many times
// a week it attends each special (keyed by the special's title).
class Classroom {
public:
    Classroom() = default;
    explicit Classroom(const pugi::xml_node& element);

    QString Teacher;
    QString Grade;
    std::int32_t DayStart = 0;
    std::int32_t DayEnd = 0;
    std::int32_t NumberOfStudents = 0;

    // A title with no entry counts 0; setting 0 keeps an entry of 0.
    std::int32_t AttendCount(const QString& title) const;
    void AttendCount(const QString& title, std::int32_t count);

    // Drops the entry, so that the title is no longer mentioned at all.
    void ForgetAttendance(const QString& title) { mSpecialAttendenceDict.Remove(title); }

    const OrderedDict<std::int32_t>& SpecialAttendance() const { return mSpecialAttendenceDict; }
    // For undo: puts back what SpecialAttendance() returned earlier.
    void RestoreAttendance(OrderedDict<std::int32_t> attendance) { mSpecialAttendenceDict = std::move(attendance); }

    pugi::xml_node ToXML(pugi::xml_node& parent) const;

private:
    OrderedDict<std::int32_t> mSpecialAttendenceDict;
};

} // namespace belltide
