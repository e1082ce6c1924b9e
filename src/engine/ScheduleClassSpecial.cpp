#include "ScheduleClassSpecial.h"

#include "ScheduleClassroom.h"
#include "ScheduleSpecial.h"

#include <utility>

namespace belltide {

ScheduleClassSpecial::ScheduleClassSpecial(std::shared_ptr<ScheduleClassroom> room,
    std::shared_ptr<ScheduleSpecial> special, std::vector<std::int32_t> minutes)
    : Room(std::move(room))
    , Special(std::move(special))
    , Minutes(std::move(minutes))
{
}

ScheduleClassSpecial ScheduleClassSpecial::Clone(std::int32_t from, std::int32_t to) const
{
    std::vector<std::int32_t> kept;
    for (std::int32_t minute : Minutes) {
        if (minute < from || minute > to)
            kept.push_back(minute);
    }
    return ScheduleClassSpecial(Room, Special, std::move(kept));
}

} // namespace belltide
