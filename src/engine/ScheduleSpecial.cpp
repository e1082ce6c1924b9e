#include "ScheduleSpecial.h"

#include <algorithm>

namespace belltide {

bool ScheduleSpecial::IsAvailable(std::int32_t minute) const
{
    return minute >= 0 && minute < AvailabilitySize() && mIsAvailable[static_cast<std::size_t>(minute)];
}

void ScheduleSpecial::IsAvailable(std::int32_t minute, bool available)
{
    if (minute >= 0 && minute < AvailabilitySize())
        mIsAvailable[static_cast<std::size_t>(minute)] = available;
}

QString ScheduleSpecial::GetSubject() const
{
    return Subject;
}

void ScheduleSpecial::SizeAvailability(std::int32_t size)
{
    mIsAvailable.assign(static_cast<std::size_t>(std::max(size, 0)), false);
}

} // namespace belltide
