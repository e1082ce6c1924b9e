#pragma once

#include "model/OrderedDict.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace belltide {

class Classroom;
class School;

// Every class's weekly counts as they were, for actions whose effect on them
// depends on the whole school and is easier to put back than to reverse.
class AttendanceSnapshot {
public:
    explicit AttendanceSnapshot(const School& school);

    void Restore() const;

private:
    std::vector<std::pair<std::shared_ptr<Classroom>, OrderedDict<std::int32_t>>> mCounts;
};

// Moves the counts of `from` to `to` in every class, unless a special still
// teaches `from`. A class that already attends `to` keeps both entries: the
// old one then shows up as untaught instead of being overwritten.
void MoveAttendance(const School& school, const QString& from, const QString& to);

} // namespace belltide
