#include "DayPattern.h"

namespace belltide {

namespace {

// Ordered by number of meetings; within a count, in the order pairs are generated.
constexpr std::array<DayPattern, 14> kPatterns = { {
    { 10, 1, { 0 } },
    { 11, 1, { 1 } },
    { 12, 1, { 2 } },
    { 13, 1, { 3 } },
    { 14, 1, { 4 } },
    { 1, 2, { 0, 2 } },
    { 2, 2, { 1, 3 } },
    { 3, 2, { 2, 4 } },
    { 4, 2, { 0, 3 } },
    { 5, 2, { 1, 4 } },
    { 6, 3, { 0, 2, 4 } },
    { 7, 4, { 0, 1, 2, 3 } },
    { 8, 4, { 1, 2, 3, 4 } },
    { 9, 5, { 0, 1, 2, 3, 4 } },
} };

constexpr std::array<std::size_t, 7> kFirstWithMeetings = { 0, 0, 5, 10, 11, 13, 14 };

} // namespace

std::span<const DayPattern> PatternsWithMeetings(std::int32_t meetings)
{
    if (meetings < 1 || meetings > 5)
        return {};
    const std::size_t first = kFirstWithMeetings[static_cast<std::size_t>(meetings)];
    const std::size_t last = kFirstWithMeetings[static_cast<std::size_t>(meetings) + 1];
    return { kPatterns.data() + first, last - first };
}

} // namespace belltide
