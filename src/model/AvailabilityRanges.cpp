#include "AvailabilityRanges.h"

#include "NumberText.h"
#include "SpecialClass.h"

#include <algorithm>
#include <utility>

namespace belltide {

std::vector<UnavailableRange> UnavailableRanges(const SpecialClass& special, std::int32_t dayStartAt)
{
    std::vector<std::pair<std::int64_t, std::int64_t>> marks;
    for (const auto& [key, available] : special.Availability().Entries()) {
        if (available)
            continue;
        const qsizetype dollar = key.indexOf(u'$');
        marks.emplace_back(ReadNumber(QStringView(key).left(dollar)), ReadNumber(QStringView(key).mid(dollar + 1)));
    }
    std::sort(marks.begin(), marks.end());

    // 64-bit arithmetic: absurd slot numbers from a file must not overflow.
    auto minuteOf = [dayStartAt](std::int64_t slot) { return TruncateToInt(double(dayStartAt) + 5.0 * double(slot)); };
    std::vector<UnavailableRange> ranges;
    for (std::size_t i = 0; i < marks.size();) {
        std::size_t j = i;
        while (
            j + 1 < marks.size() && marks[j + 1].first == marks[i].first && marks[j + 1].second == marks[j].second + 1)
            ++j;
        ranges.push_back({ std::int32_t(marks[i].first), minuteOf(marks[i].second), minuteOf(marks[j].second + 1) });
        i = j + 1;
    }
    return ranges;
}

} // namespace belltide
