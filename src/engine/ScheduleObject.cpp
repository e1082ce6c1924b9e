#include "ScheduleObject.h"

#include "engine/Index.h"

#include <algorithm>

namespace belltide {

bool ScheduleObject::IsAvailable(std::int32_t minute) const
{
    return minute >= 0 && minute < AvailabilitySize() && mIsAvailable[ToIndex(minute)];
}

void ScheduleObject::IsAvailable(std::int32_t minute, bool available)
{
    if (minute >= 0 && minute < AvailabilitySize())
        mIsAvailable[ToIndex(minute)] = available;
}

void ScheduleObject::SizeAvailability(std::int32_t size)
{
    mIsAvailable.assign(ToIndex(std::max(size, 0)), false);
}

} // namespace belltide
