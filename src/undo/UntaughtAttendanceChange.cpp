#include "UntaughtAttendanceChange.h"

#include "AttendanceSnapshot.h"

#include "model/Classroom.h"
#include "model/School.h"

#include <algorithm>
#include <utility>

namespace belltide {

UntaughtAttendanceChange::UntaughtAttendanceChange(std::shared_ptr<School> school, QString title, QString toTitle)
    : mSchool(std::move(school))
    , mTitle(std::move(title))
    , mToTitle(std::move(toTitle))
{
}

void UntaughtAttendanceChange::Execute()
{
    mBefore = std::make_shared<AttendanceSnapshot>(*mSchool);
    for (const auto& classroom : mSchool->Classes) {
        if (!classroom->SpecialAttendance().Contains(mTitle))
            continue;
        if (!mToTitle.isEmpty())
            classroom->AttendCount(
                mToTitle, std::max(classroom->AttendCount(mToTitle), classroom->AttendCount(mTitle)));
        classroom->ForgetAttendance(mTitle);
    }
}

void UntaughtAttendanceChange::Unexecute()
{
    if (mBefore)
        mBefore->Restore();
}

QString UntaughtAttendanceChange::GetDescription() const
{
    return mToTitle.isEmpty() ? QStringLiteral("Remove Attendance") : QStringLiteral("Reassign Attendance");
}

Notification UntaughtAttendanceChange::GetNotificationName() const
{
    return Notification::SpecialAttendenceChange;
}

} // namespace belltide
