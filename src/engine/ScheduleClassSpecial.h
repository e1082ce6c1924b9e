#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace belltide {

class ScheduleClassroom;
class ScheduleSpecial;

// One class meeting one special at the same slot of the day on each day of a
// weekly pattern; the search places all of its meetings at once.
class ScheduleClassSpecial {
public:
    ScheduleClassSpecial() = default;
    ScheduleClassSpecial(std::shared_ptr<ScheduleClassroom> room, std::shared_ptr<ScheduleSpecial> special,
        std::vector<std::int32_t> minutes);

    // Keeps only the meetings outside from..to; a range with from > to keeps them all.
    ScheduleClassSpecial Clone(std::int32_t from, std::int32_t to) const;

    std::shared_ptr<ScheduleClassroom> Room;
    std::shared_ptr<ScheduleSpecial> Special;
    // Week slot at which each meeting starts.
    std::vector<std::int32_t> Minutes;
};

} // namespace belltide
