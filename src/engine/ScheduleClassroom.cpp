#include "ScheduleClassroom.h"
#include "engine/Index.h"

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
    return mSpecialAttendenceDict.Entries()[ToIndex(index)].first;
}

QString ScheduleClassroom::GetSubject() const
{
    return Grade;
}

} // namespace belltide
