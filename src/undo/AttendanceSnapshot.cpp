#include "AttendanceSnapshot.h"

#include "model/Classroom.h"
#include "model/School.h"
#include "model/UntaughtAttendance.h"

namespace belltide {

AttendanceSnapshot::AttendanceSnapshot(const School& school)
{
    mCounts.reserve(school.Classes.size());
    for (const auto& classroom : school.Classes)
        mCounts.emplace_back(classroom, classroom->SpecialAttendance());
}

void AttendanceSnapshot::Restore() const
{
    for (const auto& [classroom, counts] : mCounts)
        classroom->RestoreAttendance(counts);
}

void MoveAttendance(const School& school, const QString& from, const QString& to)
{
    if (from.compare(to, Qt::CaseInsensitive) == 0 || IsTaughtTitle(school, from))
        return;
    for (const auto& classroom : school.Classes) {
        if (!classroom->SpecialAttendance().Contains(from) || classroom->AttendCount(to) != 0)
            continue;
        classroom->AttendCount(to, classroom->AttendCount(from));
        classroom->ForgetAttendance(from);
    }
}

} // namespace belltide
