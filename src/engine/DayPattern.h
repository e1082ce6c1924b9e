#pragma once

#include "engine/Index.h"

#include <array>
#include <cstdint>
#include <span>

namespace belltide {

// The weekdays on which a class meets a special, fixed by how many times a week
// it meets it. Two meetings never fall on neighbouring days.
struct DayPattern {
    std::int32_t Code;
    std::int32_t DayCount;
    std::array<std::int32_t, 5> Days;

    std::span<const std::int32_t> MeetingDays() const { return { Days.data(), ToIndex(DayCount) }; }
};

// Patterns with the given number of meetings, in their fixed order; none for a
// count outside 1..5.
std::span<const DayPattern> PatternsWithMeetings(std::int32_t meetings);

// Days for the meetings still missing when a class already holds the subject on
// `heldDays` (bit d for day d): the usual patterns that keep off those days,
// or, when none does, every choice of free days (codes 100 + day bits). The
// usual patterns alone when nothing is held.
std::span<const DayPattern> RemainingPatterns(std::int32_t meetings, std::uint32_t heldDays);

} // namespace belltide
