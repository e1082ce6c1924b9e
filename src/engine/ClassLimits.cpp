#include "ClassLimits.h"

#include "DayPattern.h"
#include "ScheduleClassroom.h"
#include "ScheduleSpecial.h"
#include "Subjects.h"
#include "engine/Index.h"

#include <algorithm>
#include <limits>

namespace belltide::ClassLimits {

namespace {

constexpr std::int32_t kNever = std::numeric_limits<std::int32_t>::max() / 2;
constexpr std::size_t kMostBlocks = 12;

QString DayLength(std::int32_t minutes)
{
    if (minutes < 60)
        return QStringLiteral("%1-minute").arg(minutes);
    if (minutes % 60 == 0)
        return QStringLiteral("%1-hour").arg(minutes / 60);
    return QStringLiteral("%1-hour %2-minute").arg(minutes / 60).arg(minutes % 60);
}

QString JoinWords(const QStringList& words)
{
    if (words.size() <= 1)
        return words.value(0);
    return words.mid(0, words.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + words.last();
}

// Per week slot, for the quick search's rows: whether a meeting may start
// there as far as the row goes, and what it keeps of the class's day.
struct RowStarts {
    QString Subject;
    bool Lunch = false;
    std::int32_t ClassLength = 0;
    std::vector<std::uint8_t> CanStart;
};

RowStarts StartsOf(const ScheduleSpecial& special, std::int32_t slotsPerDay)
{
    RowStarts row { special.Subject, IsLunchSubject(special.Subject),
        special.Duration + std::max(special.ReserveExtra, 0), {} };
    const std::int32_t rowLength = row.Lunch ? special.Duration : row.ClassLength;
    row.CanStart.assign(ToIndex(5 * slotsPerDay), 0);
    if (special.Duration < 1)
        return row;
    for (std::int32_t day = 0; day < 5; ++day) {
        std::int32_t free = 0;
        for (std::int32_t slot = slotsPerDay - 1; slot >= 0; --slot) {
            free = special.IsAvailable(day * slotsPerDay + slot) ? free + 1 : 0;
            // Like every block, it ends before the school day's last slot.
            row.CanStart[ToIndex(day * slotsPerDay + slot)]
                = free >= rowLength && slot + row.ClassLength <= slotsPerDay - 1 ? 1 : 0;
        }
    }
    return row;
}

std::uint32_t ForcedDays(std::int32_t meetings)
{
    const auto patterns = PatternsWithMeetings(meetings);
    std::uint32_t forced = patterns.empty() ? 0 : 0x1f;
    for (const DayPattern& pattern : patterns) {
        std::uint32_t days = 0;
        for (std::int32_t day : pattern.MeetingDays())
            days |= 1u << day;
        forced &= days;
    }
    return forced;
}

QString TooSmall(const ScheduleClassroom& room, std::size_t index, const QString& subject,
    const std::vector<std::shared_ptr<ScheduleSpecial>>& specials)
{
    std::int32_t most = 0;
    QString title;
    for (const auto& special : specials) {
        if (special->Subject.compare(subject, Qt::CaseInsensitive) != 0)
            continue;
        if (Takes(*special, room))
            return {};
        most = std::max(most, special->MaxNumberOfStudents);
        title = special->Subject;
    }
    return title.isEmpty() ? QString() : TooManyStudents(ClassName(room, index), room.NumberOfStudents, title, most);
}

// The first day on which the class's lunch and the specials it has that day
// whatever its pattern leave no stretch as long as it keeps free.
QString FreeTimeReason(const ScheduleClassroom& room, std::size_t index, const std::vector<RowStarts>& rows,
    const std::vector<std::shared_ptr<ScheduleSpecial>>& specials, std::int32_t slotsPerDay)
{
    const std::int32_t needed = FreeSlots(room.InterruptFreeTime);
    if (needed == 0)
        return {};
    // Slots the class is at school from each week slot on.
    std::vector<std::int32_t> atSchool(ToIndex(5 * slotsPerDay) + 1, 0);
    for (std::int32_t w = 5 * slotsPerDay - 1; w >= 0; --w)
        atSchool[ToIndex(w)] = room.IsAvailable(w) ? atSchool[ToIndex(w) + 1] + 1 : 0;
    for (std::int32_t day = 0; day < 5; ++day) {
        std::vector<std::vector<Way>> blocks;
        QStringList held;
        for (std::int32_t i = 0; i < room.SubjectCount(); ++i) {
            const QString subject = room.Subject(i);
            if (!(ForcedDays(room.SpecialAttendance(subject)) & (1u << day)))
                continue;
            std::vector<Way>& ways = blocks.emplace_back();
            for (std::size_t s = 0; s < rows.size(); ++s) {
                const RowStarts& row = rows[s];
                if (row.Subject.compare(subject, Qt::CaseInsensitive) != 0 || !Takes(*specials[s], room))
                    continue;
                for (std::int32_t slot = 0; slot < slotsPerDay; ++slot) {
                    const auto w = ToIndex(day * slotsPerDay + slot);
                    if (row.CanStart[w] && atSchool[w] >= row.ClassLength)
                        ways.push_back({ slot, row.ClassLength });
                }
            }
            held << (IsLunchSubject(subject) ? QStringLiteral("lunch") : subject);
        }
        // Lunch last, as a class's day reads.
        const qsizetype lunch = held.indexOf(QStringLiteral("lunch"));
        if (lunch >= 0)
            held.move(lunch, held.size() - 1);
        const std::int32_t longest = LongestPossible(room.OwnDayFirst, room.OwnDayEnd, blocks);
        if (longest >= 0 && longest < needed)
            return CannotKeepFreeTime(ClassName(room, index), room.InterruptFreeTime, DayName(day), held,
                5 * (room.OwnDayEnd - room.OwnDayFirst), 5 * longest);
    }
    return {};
}

} // namespace

bool Takes(const ScheduleSpecial& special, const ScheduleClassroom& classroom)
{
    return special.MaxNumberOfStudents <= 0 || classroom.NumberOfStudents <= special.MaxNumberOfStudents;
}

QString TooManyStudents(const QString& className, std::int32_t students, const QString& subject, std::int32_t most)
{
    return QStringLiteral("%1 has %2 students, but %3 takes at most %4. Raise the maximum or set %1's %3 to 0 times a "
                          "week.")
        .arg(className)
        .arg(students)
        .arg(subject)
        .arg(most);
}

std::int32_t FreeSlots(std::int32_t minutes)
{
    return minutes > 0 ? (minutes + 4) / 5 : 0;
}

std::int32_t LongestFree(std::int32_t first, std::int32_t end, std::span<const Stretch> busy)
{
    std::vector<Stretch> sorted(busy.begin(), busy.end());
    std::sort(sorted.begin(), sorted.end(), [](const Stretch& a, const Stretch& b) { return a.From < b.From; });
    std::int32_t longest = 0;
    std::int32_t from = first;
    for (const Stretch& stretch : sorted) {
        longest = std::max(longest, std::min(stretch.From, end) - from);
        from = std::max(from, stretch.To);
    }
    return std::max(longest, end - from);
}

// Packed from the left, the blocks of a set end at the earliest when the last
// of them is the one that ends earliest after the rest; the same from the
// right. The free run between a set packed left and the others packed right
// is the longest the split allows.
std::int32_t LongestPossible(std::int32_t first, std::int32_t end, const std::vector<std::vector<Way>>& blocks)
{
    const std::size_t count = blocks.size();
    if (end <= first)
        return blocks.empty() ? 0 : -1;
    if (count > kMostBlocks)
        return end - first;
    const auto width = ToIndex(end - first + 1);
    // [block][t - first]: earliest end of a way starting at t or later; latest
    // start of a way ending by t.
    std::vector<std::vector<std::int32_t>> earliestEnd(count, std::vector<std::int32_t>(width, kNever));
    std::vector<std::vector<std::int32_t>> latestStart(count, std::vector<std::int32_t>(width, -kNever));
    for (std::size_t b = 0; b < count; ++b) {
        for (const Way& way : blocks[b]) {
            const std::int32_t wayEnd = way.Start + way.Length;
            if (way.Start < first || wayEnd > end)
                continue;
            auto& soonest = earliestEnd[b][ToIndex(way.Start - first)];
            soonest = std::min(soonest, wayEnd);
            auto& latest = latestStart[b][ToIndex(wayEnd - first)];
            latest = std::max(latest, way.Start);
        }
        for (std::size_t t = width - 1; t-- > 0;)
            earliestEnd[b][t] = std::min(earliestEnd[b][t], earliestEnd[b][t + 1]);
        for (std::size_t t = 1; t < width; ++t)
            latestStart[b][t] = std::max(latestStart[b][t], latestStart[b][t - 1]);
    }
    const std::size_t sets = std::size_t { 1 } << count;
    std::vector<std::int32_t> left(sets, kNever);
    std::vector<std::int32_t> right(sets, -kNever);
    left[0] = first;
    right[0] = end;
    for (std::size_t set = 1; set < sets; ++set) {
        for (std::size_t b = 0; b < count; ++b) {
            if (!(set & (std::size_t { 1 } << b)))
                continue;
            const std::int32_t before = left[set ^ (std::size_t { 1 } << b)];
            if (before <= end)
                left[set] = std::min(left[set], earliestEnd[b][ToIndex(before - first)]);
            const std::int32_t after = right[set ^ (std::size_t { 1 } << b)];
            if (after >= first)
                right[set] = std::max(right[set], latestStart[b][ToIndex(after - first)]);
        }
    }
    std::int32_t longest = -1;
    for (std::size_t set = 0; set < sets; ++set) {
        const std::int32_t from = left[set];
        const std::int32_t to = right[(sets - 1) ^ set];
        if (from <= end && to >= first && to >= from)
            longest = std::max(longest, to - from);
    }
    return longest;
}

QString CannotKeepFreeTime(const QString& className, std::int32_t minutes, const QString& day, const QStringList& held,
    std::int32_t dayMinutes, std::int32_t longestMinutes)
{
    const QString with = held.isEmpty() ? QString() : QStringLiteral(" with ") + JoinWords(held);
    const QString fits = longestMinutes > 0 ? QStringLiteral("%1 minutes would fit").arg(longestMinutes)
                                            : QStringLiteral("no time would be left uninterrupted");
    return QStringLiteral("%1 cannot keep %2 uninterrupted minutes on %3%4 in a %5 day; %6.")
        .arg(className)
        .arg(minutes)
        .arg(day, with, DayLength(dayMinutes), fits);
}

QString ClassName(const ScheduleClassroom& classroom, std::size_t index)
{
    if (classroom.Teacher.isEmpty() && classroom.Grade.isEmpty())
        return QStringLiteral("class %1").arg(index + 1);
    if (classroom.Teacher.isEmpty())
        return QStringLiteral("%1 class %2").arg(classroom.Grade).arg(index + 1);
    if (classroom.Grade.isEmpty())
        return classroom.Teacher;
    return classroom.Grade + QStringLiteral(": ") + classroom.Teacher;
}

QString DayName(std::int32_t day)
{
    static const char* const names[] = { "Monday", "Tuesday", "Wednesday", "Thursday", "Friday" };
    return day >= 0 && day < 5 ? QString::fromLatin1(names[day]) : QStringLiteral("day %1").arg(day + 1);
}

} // namespace belltide::ClassLimits

namespace belltide::ClassLimits {

QStringList Reasons(const std::vector<std::shared_ptr<ScheduleClassroom>>& classrooms,
    const std::vector<std::shared_ptr<ScheduleSpecial>>& specials, std::int32_t slotsPerDay, bool anyFixed)
{
    QStringList reasons;
    std::vector<std::uint8_t> explained(classrooms.size(), 0);
    for (std::size_t c = 0; c < classrooms.size(); ++c) {
        const ScheduleClassroom& room = *classrooms[c];
        for (std::int32_t i = 0; i < room.SubjectCount(); ++i) {
            const QString subject = room.Subject(i);
            if (room.SpecialAttendance(subject) < 1 || IsLunchSubject(subject))
                continue;
            const QString reason = TooSmall(room, c, subject, specials);
            if (!reason.isEmpty()) {
                reasons << reason;
                explained[c] = 1;
            }
        }
    }
    if (anyFixed || slotsPerDay <= 0)
        return reasons;
    std::vector<RowStarts> rows;
    rows.reserve(specials.size());
    for (const auto& special : specials)
        rows.push_back(StartsOf(*special, slotsPerDay));
    for (std::size_t c = 0; c < classrooms.size(); ++c) {
        if (explained[c])
            continue;
        const QString reason = FreeTimeReason(*classrooms[c], c, rows, specials, slotsPerDay);
        if (!reason.isEmpty())
            reasons << reason;
    }
    return reasons;
}

} // namespace belltide::ClassLimits
