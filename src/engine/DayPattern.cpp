#include "DayPattern.h"
#include "engine/Index.h"

#include <bit>
#include <vector>

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
    const std::size_t first = kFirstWithMeetings[ToIndex(meetings)];
    const std::size_t last = kFirstWithMeetings[ToIndex(meetings) + 1];
    return { kPatterns.data() + first, last - first };
}

std::span<const DayPattern> RemainingPatterns(std::int32_t meetings, std::uint32_t heldDays)
{
    heldDays &= 0x1fu;
    if (heldDays == 0 || meetings < 1 || meetings > 5)
        return PatternsWithMeetings(meetings);
    // [meetings][held days], built once: 5 × 32 short lists.
    static const std::vector<std::vector<DayPattern>> table = [] {
        std::vector<std::vector<DayPattern>> lists(std::size_t(6) * 32);
        for (std::int32_t count = 1; count <= 5; ++count) {
            for (std::uint32_t held = 1; held < 32; ++held) {
                auto& list = lists[ToIndex(count) * 32 + held];
                for (const DayPattern& pattern : PatternsWithMeetings(count)) {
                    std::uint32_t days = 0;
                    for (std::int32_t day : pattern.MeetingDays())
                        days |= 1u << day;
                    if ((days & held) == 0)
                        list.push_back(pattern);
                }
                if (!list.empty())
                    continue;
                for (std::uint32_t days = 1; days < 32; ++days) {
                    if ((days & held) != 0 || std::popcount(days) != count)
                        continue;
                    DayPattern pattern { 100 + static_cast<std::int32_t>(days), count, {} };
                    for (std::int32_t day = 0, k = 0; day < 5; ++day) {
                        if (days & (1u << day))
                            pattern.Days[ToIndex(k++)] = day;
                    }
                    list.push_back(pattern);
                }
            }
        }
        return lists;
    }();
    const auto& list = table[ToIndex(meetings) * 32 + heldDays];
    return { list.data(), list.size() };
}

} // namespace belltide
