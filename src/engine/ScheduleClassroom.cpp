#include "ScheduleClassroom.h"

#include <algorithm>

namespace belltide {

std::int32_t ScheduleClassroom::SpecialAttendance(const QString& subject) const
{
    const std::int32_t* count = mSpecialAttendenceDict.Find(subject);
    return count ? *count : 0;
}

void ScheduleClassroom::SpecialAttendance(const QString& subject, std::int32_t count)
{
    mSpecialAttendenceDict.Set(subject, count);
}

std::int32_t ScheduleClassroom::SubjectCount() const
{
    return static_cast<std::int32_t>(mSpecialAttendenceDict.Count());
}

QString ScheduleClassroom::Subject(std::int32_t index) const
{
    if (index < 0 || index >= SubjectCount())
        return {};
    return mSpecialAttendenceDict.Entries()[static_cast<std::size_t>(index)].first;
}

bool ScheduleClassroom::IsAvailable(std::int32_t minute) const
{
    return minute >= 0 && minute < AvailabilitySize() && mIsAvailable[static_cast<std::size_t>(minute)];
}

void ScheduleClassroom::IsAvailable(std::int32_t minute, bool available)
{
    if (minute >= 0 && minute < AvailabilitySize())
        mIsAvailable[static_cast<std::size_t>(minute)] = available;
}

QString ScheduleClassroom::GetSubject() const
{
    return Grade;
}

void ScheduleClassroom::SizeAvailability(std::int32_t size)
{
    mIsAvailable.assign(static_cast<std::size_t>(std::max(size, 0)), false);
}

} // namespace belltide
