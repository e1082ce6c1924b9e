#include "ScheduleChecker.h"

#include "engine/Schedule.h"
#include "engine/ScheduleClassroom.h"
#include "engine/ScheduleSpecial.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"

#include <QHash>

#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

namespace belltide::test {

namespace {

// A block of one object in a class's row, in week slots.
struct Block {
    const ScheduleSpecial* Item;
    std::int32_t Start;
    std::int32_t Length;
};

// A stretch a class or special is held, passing time included, by day slot.
struct Held {
    std::int32_t Class;
    std::int32_t Day;
    std::int32_t From;
    std::int32_t To;
};

class Checker {
public:
    Checker(const School& school, const Schedule& schedule, const std::vector<KeptMeeting>& kept)
        : mSchool(school)
        , mSchedule(schedule)
        , mDay((school.DayEndAt - school.DayStartAt) / 5)
        , mKept(kept)
    {
    }

    QStringList Run()
    {
        for (std::size_t i = 0; i < mSchool.Classes.size(); ++i)
            CheckClass(static_cast<std::int32_t>(i));
        for (auto& entry : mRows)
            CheckNoOverlap(entry.second);
        for (const auto& [place, eating] : mEating) {
            if (eating > mSchool.LunchMaxClasses)
                mProblems
                    << QStringLiteral("%1 classes eat on day %2 at %3").arg(eating).arg(place.first).arg(place.second);
        }
        return mProblems;
    }

private:
    std::int32_t Slot(std::int32_t time) const { return (time - mSchool.DayStartAt) / 5; }

    void Problem(std::int32_t index, const QString& text)
    {
        mProblems << QStringLiteral("class %1 %2").arg(index).arg(text);
    }

    std::vector<Block> Blocks(const ScheduleObject& row) const
    {
        std::vector<Block> blocks;
        for (std::int32_t minute = 0, length = 0; minute < 5 * mDay; minute += std::max(length, 1)) {
            const auto item = std::dynamic_pointer_cast<ScheduleSpecial>(mSchedule.ScheduledItem(row, minute, length));
            if (item)
                blocks.push_back({ item.get(), minute, length });
        }
        return blocks;
    }

    void CheckClass(std::int32_t index)
    {
        const auto& classroom = mSchool.Classes[static_cast<std::size_t>(index)];
        const auto input = mSchool.ScheduleClassMap.find(classroom);
        if (input == mSchool.ScheduleClassMap.end())
            return Problem(index, QStringLiteral("has no row"));
        // Every block and its passing time ends before the class's day and the
        // school day do, and starts no earlier than the class's day.
        const std::int32_t dayEnd = std::min(Slot(classroom->DayEnd), mDay - 1);
        const std::int32_t dayStart = (classroom->DayStart - mSchool.DayStartAt + 4) / 5;
        QHash<QString, std::int32_t> attended;
        // Subject and week slot of every meeting's start.
        std::vector<std::pair<QString, std::int32_t>> starts;
        std::vector<Held> own;
        const std::vector<Block> blocks = Blocks(*input->second);
        for (std::size_t b = 0; b < blocks.size(); ++b) {
            const Block& block = blocks[b];
            const std::int32_t day = block.Start / mDay;
            const std::int32_t slot = block.Start % mDay;
            const QString& subject = block.Item->Subject;
            if (slot < dayStart)
                Problem(index, QStringLiteral("has %1 before its day starts on day %2").arg(subject).arg(day));
            if (const SpecialClass* special = block.Item->Tag.get()) {
                const std::int32_t duration = special->Duration / 5;
                const std::int32_t passing = special->OverlapTime / 5;
                if (duration <= 0 || block.Length % duration != 0)
                    Problem(index, QStringLiteral("has part of a %1 meeting").arg(special->Title));
                for (std::int32_t start = slot; duration > 0 && start < slot + block.Length; start += duration) {
                    if (special->MaxStudents > 0 && classroom->NumberOfStudents > special->MaxStudents)
                        Problem(index,
                            QStringLiteral("of %1 students meets %2, which takes %3")
                                .arg(classroom->NumberOfStudents)
                                .arg(special->Title)
                                .arg(special->MaxStudents));
                    attended[special->Title.toCaseFolded()] += 1;
                    starts.emplace_back(special->Title.toCaseFolded(), day * mDay + start);
                    bool available = start + duration + passing <= dayEnd && start >= Slot(mSchool.SpecialStartAt);
                    for (std::int32_t s = start; s < start + duration + passing; ++s)
                        available = available && special->IsAvailable(day, s);
                    if (!available)
                        Problem(index,
                            QStringLiteral("meets %1 outside its time on day %2 at %3")
                                .arg(subject)
                                .arg(day)
                                .arg(start));
                    mRows[special].push_back({ index, day, start, start + duration + passing });
                    own.push_back({ index, day, start + duration, start + duration + passing });
                }
            } else if (subject == QStringLiteral("Lunch")) {
                const std::int32_t recess = mSchool.LunchRecessTime / 5;
                const bool followed = recess == 0
                    || (b + 1 < blocks.size() && blocks[b + 1].Item->Subject == QStringLiteral("Recess")
                        && blocks[b + 1].Start == block.Start + block.Length && blocks[b + 1].Length == recess);
                if (block.Length != mSchool.LunchTime / 5 || !followed || slot < Slot(mSchool.LunchStartAt)
                    || slot + block.Length - 1 > Slot(mSchool.LunchEndAt) || slot + block.Length + recess > dayEnd)
                    Problem(index, QStringLiteral("has a misplaced lunch on day %1").arg(day));
                attended[QStringLiteral("lunch")] += 1;
                starts.emplace_back(QStringLiteral("lunch"), block.Start);
                mRows[block.Item].push_back({ index, day, slot, slot + block.Length });
                for (std::int32_t s = slot; s < slot + block.Length; ++s)
                    ++mEating[{ day, s }];
            } else if (subject != QStringLiteral("Recess") || b == 0
                || blocks[b - 1].Item->Subject != QStringLiteral("Lunch")) {
                Problem(index, QStringLiteral("has %1 out of place").arg(subject));
            }
        }
        CheckFreeTime(index, *classroom, blocks);
        for (const Held& passing : own) {
            for (const Block& block : blocks) {
                if (block.Start > passing.Day * mDay + passing.From - 1
                    && block.Start < passing.Day * mDay + passing.To)
                    Problem(index, QStringLiteral("is busy in its passing time on day %1").arg(passing.Day));
            }
        }
        CheckCounts(index, *classroom, attended);
        // A class meets a subject at most once a day, and eats once a day.
        std::map<std::pair<QString, std::int32_t>, std::int32_t> perDay;
        for (const auto& [subject, start] : starts) {
            if (++perDay[{ subject, start / mDay }] == 2)
                Problem(index, QStringLiteral("has %1 twice on day %2").arg(subject).arg(start / mDay));
        }
        for (const KeptMeeting& meeting : mKept) {
            if (meeting.Class != index)
                continue;
            const std::pair<QString, std::int32_t> start { meeting.Subject.toCaseFolded(),
                meeting.Day * mDay + meeting.Slot };
            if (std::find(starts.begin(), starts.end(), start) == starts.end())
                Problem(index,
                    QStringLiteral("lost its %1 on day %2 at %3")
                        .arg(meeting.Subject)
                        .arg(meeting.Day)
                        .arg(meeting.Slot));
        }
    }

    // Every day the class has a stretch of the interrupt-free time (rounded up
    // to whole slots) inside its own day that no special, passing time, lunch
    // or recess touches.
    void CheckFreeTime(std::int32_t index, const Classroom& classroom, const std::vector<Block>& blocks)
    {
        const std::int32_t needed = (mSchool.InterruptFreeTime + 4) / 5;
        if (needed <= 0)
            return;
        const std::int32_t first = std::clamp((classroom.DayStart - mSchool.DayStartAt + 4) / 5, 0, mDay);
        const std::int32_t end = std::clamp(Slot(classroom.DayEnd), first, mDay);
        for (std::int32_t day = 0; day < 5; ++day) {
            std::vector<bool> taken(static_cast<std::size_t>(mDay), false);
            for (const Block& block : blocks) {
                if (block.Start / mDay != day)
                    continue;
                const SpecialClass* special = block.Item->Tag.get();
                const std::int32_t after = special ? special->OverlapTime / 5 : 0;
                for (std::int32_t s = block.Start % mDay; s < block.Start % mDay + block.Length + after && s < mDay;
                     ++s)
                    taken[static_cast<std::size_t>(s)] = true;
            }
            std::int32_t longest = 0;
            for (std::int32_t s = first, run = 0; s < end; ++s) {
                run = taken[static_cast<std::size_t>(s)] ? 0 : run + 1;
                longest = std::max(longest, run);
            }
            if (longest < needed)
                Problem(
                    index, QStringLiteral("has at most %1 minutes uninterrupted on day %2").arg(5 * longest).arg(day));
        }
    }

    void CheckCounts(std::int32_t index, const Classroom& classroom, const QHash<QString, std::int32_t>& attended)
    {
        QHash<QString, std::int32_t> required { { QStringLiteral("lunch"), 5 } };
        for (const auto& special : mSchool.Specials) {
            if (classroom.AttendCount(special->Title) > 0)
                required[special->Title.toCaseFolded()] = classroom.AttendCount(special->Title);
        }
        if (attended != required)
            Problem(index, QStringLiteral("attends %1 instead of %2").arg(Describe(attended), Describe(required)));
    }

    static QString Describe(const QHash<QString, std::int32_t>& counts)
    {
        QStringList parts;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            parts << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
        parts.sort();
        return parts.join(QStringLiteral(", "));
    }

    // Two stretches of one special or seat never meet, passing time included.
    void CheckNoOverlap(std::vector<Held>& held)
    {
        std::sort(held.begin(), held.end(),
            [](const Held& a, const Held& b) { return std::tie(a.Day, a.From) < std::tie(b.Day, b.From); });
        for (std::size_t i = 1; i < held.size(); ++i) {
            if (held[i].Day == held[i - 1].Day && held[i].From < held[i - 1].To)
                mProblems << QStringLiteral("classes %1 and %2 share a special or seat on day %3 at %4")
                                 .arg(held[i - 1].Class)
                                 .arg(held[i].Class)
                                 .arg(held[i].Day)
                                 .arg(held[i].From);
        }
    }

    const School& mSchool;
    const Schedule& mSchedule;
    const std::int32_t mDay;
    const std::vector<KeptMeeting>& mKept;
    QStringList mProblems;
    std::map<const void*, std::vector<Held>> mRows;
    std::map<std::pair<std::int32_t, std::int32_t>, std::int32_t> mEating;
};

} // namespace

QStringList CheckSchedule(const School& school, const Schedule& schedule, const std::vector<KeptMeeting>& kept)
{
    return Checker(school, schedule, kept).Run();
}

} // namespace belltide::test
