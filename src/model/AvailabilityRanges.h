#pragma once

#include <cstdint>
#include <vector>

namespace belltide {

class SpecialClass;

// A stretch of one day during which a special is marked unavailable, in minutes
// of the day. Marks outside Monday-Friday keep their day number as stored.
struct UnavailableRange {
    std::int32_t Day = 0;
    std::int32_t FromMinute = 0;
    std::int32_t ToMinute = 0;

    friend bool operator==(const UnavailableRange&, const UnavailableRange&) = default;
};

// Adjacent unavailable slots merged into ranges, ordered by day and time, for
// summaries a person reads.
std::vector<UnavailableRange> UnavailableRanges(const SpecialClass& special, std::int32_t dayStartAt);

} // namespace belltide
