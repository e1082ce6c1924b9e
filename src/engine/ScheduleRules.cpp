#include "ScheduleRules.h"

#include "ClassLimits.h"
#include "ScheduleClassroom.h"
#include "ScheduleGenerator.h"
#include "ScheduleSpecial.h"
#include "Subjects.h"
#include "model/NumberText.h"
#include "model/TimeText.h"

#include <algorithm>
#include <numeric>

namespace belltide {

namespace {

const char* const kDayNames[] = { "Monday", "Tuesday", "Wednesday", "Thursday", "Friday" };

QString DayName(std::int32_t day)
{
    return day >= 0 && day < 5 ? QString::fromLatin1(kDayNames[day]) : QStringLiteral("day %1").arg(day + 1);
}

QString Times(std::int32_t count)
{
    if (count == 1)
        return QStringLiteral("once");
    if (count == 2)
        return QStringLiteral("twice");
    return QStringLiteral("%1 times").arg(count);
}

QString OrdinalWord(std::int32_t n)
{
    static const char* const words[]
        = { "first", "second", "third", "fourth", "fifth", "sixth", "seventh", "eighth", "ninth", "tenth" };
    return n >= 1 && n <= 10 ? QString::fromLatin1(words[n - 1]) : OrdinalNumber(n);
}

BrokenRule Broken(Rule rule, QString words, std::int32_t other = -1)
{
    return { rule, std::move(words), other };
}

} // namespace

ScheduleRules::ScheduleRules(const GenerationInputs& inputs)
    : mInputs(inputs)
{
    for (const auto& special : inputs.Specials) {
        const QString folded = special->Subject.toCaseFolded();
        auto found = std::find(mSubjects.begin(), mSubjects.end(), folded);
        if (found == mSubjects.end())
            found = mSubjects.insert(mSubjects.end(), folded);
        mSubjectOfSpecial.push_back(std::int32_t(found - mSubjects.begin()));
        mLunchSeats += IsLunchSubject(special->Subject) ? 1 : 0;
    }
}

std::int32_t ScheduleRules::SlotsPerDay() const
{
    return mInputs.SlotsPerDay;
}

bool ScheduleRules::IsLunch(std::int32_t special) const
{
    return IsLunchSubject(mInputs.Specials[std::size_t(special)]->Subject);
}

std::int32_t ScheduleRules::Duration(std::int32_t special) const
{
    return mInputs.Specials[std::size_t(special)]->Duration;
}

std::int32_t ScheduleRules::SpecialLength(std::int32_t special) const
{
    const ScheduleSpecial& row = *mInputs.Specials[std::size_t(special)];
    return IsLunch(special) ? row.Duration : row.Duration + std::max(row.ReserveExtra, 0);
}

std::int32_t ScheduleRules::ClassLength(std::int32_t special) const
{
    const ScheduleSpecial& row = *mInputs.Specials[std::size_t(special)];
    return row.Duration + std::max(row.ReserveExtra, 0);
}

std::int32_t ScheduleRules::Attendance(std::int32_t classroom, std::int32_t subject) const
{
    const ScheduleClassroom& room = *mInputs.Classrooms[std::size_t(classroom)];
    for (std::int32_t s = 0; s < room.SubjectCount(); ++s) {
        const QString title = room.Subject(s);
        if (title.toCaseFolded() == mSubjects[std::size_t(subject)])
            return room.SpecialAttendance(title);
    }
    return 0;
}

QString ScheduleRules::ClassName(std::int32_t classroom) const
{
    const ScheduleClassroom& room = *mInputs.Classrooms[std::size_t(classroom)];
    if (room.Teacher.isEmpty() && room.Grade.isEmpty())
        return QStringLiteral("class %1").arg(classroom + 1);
    if (room.Teacher.isEmpty())
        return QStringLiteral("%1 class %2").arg(room.Grade).arg(classroom + 1);
    if (room.Grade.isEmpty())
        return room.Teacher;
    return room.Grade + QStringLiteral(": ") + room.Teacher;
}

QString ScheduleRules::SpecialName(std::int32_t special) const
{
    const ScheduleSpecial& row = *mInputs.Specials[std::size_t(special)];
    if (IsLunch(special))
        return LunchSubject();
    return row.Teacher.isEmpty() ? row.Subject : row.Subject + QStringLiteral(" (") + row.Teacher + u')';
}

QString ScheduleRules::SlotTime(std::int32_t slot) const
{
    return FormatTimeOfDay(mInputs.DayStartAt + 5 * slot);
}

QString ScheduleRules::Describe(const Placement& placement) const
{
    const std::int32_t perDay = std::max(SlotsPerDay(), 1);
    const QString what
        = IsLunch(placement.Special) ? LunchSubject() : mInputs.Specials[std::size_t(placement.Special)]->Subject;
    return QStringLiteral("%1 for %2 on %3 at %4")
        .arg(what, ClassName(placement.Classroom), DayName(placement.Start / perDay),
            SlotTime(placement.Start % perDay));
}

std::optional<BrokenRule> ScheduleRules::CheckAlone(const Placement& p) const
{
    const std::int32_t perDay = SlotsPerDay();
    const ScheduleSpecial& special = *mInputs.Specials[std::size_t(p.Special)];
    const ScheduleClassroom& room = *mInputs.Classrooms[std::size_t(p.Classroom)];
    const bool lunch = IsLunch(p.Special);
    const QString what = lunch ? LunchSubject() : special.Subject;
    if (special.Duration < 1)
        return Broken(Rule::NoLength, QStringLiteral("%1 lasts less than 5 minutes.").arg(SpecialName(p.Special)));
    if (!lunch && room.SpecialAttendance(special.Subject) < 1)
        return Broken(Rule::NotAttended, QStringLiteral("%1 does not attend %2.").arg(ClassName(p.Classroom), what));
    if (!ClassLimits::Takes(special, room))
        return Broken(Rule::TooManyStudents,
            QStringLiteral("%1 takes at most %2 students; %3 has %4.")
                .arg(SpecialName(p.Special))
                .arg(special.MaxNumberOfStudents)
                .arg(ClassName(p.Classroom))
                .arg(room.NumberOfStudents));
    const std::int32_t day = perDay > 0 ? p.Start / perDay : 0;
    const std::int32_t slot = perDay > 0 ? p.Start % perDay : 0;
    const std::int32_t classLength = ClassLength(p.Special);
    const std::int32_t specialLength = SpecialLength(p.Special);
    // Blocks end before the last slot of the school day, as both searches keep them.
    bool inClassDay = p.Start >= 0 && day < 5 && slot + classLength <= perDay - 1;
    for (std::int32_t s = p.Start; inClassDay && s < p.Start + classLength; ++s)
        inClassDay = room.IsAvailable(s);
    if (!inClassDay) {
        const QString extra = lunch ? QStringLiteral(" and recess") : QString();
        return Broken(Rule::ClassDay,
            QStringLiteral("%1%2 at %3 would not fit in the day of %4 (%5-%6).")
                .arg(what, extra, SlotTime(slot), ClassName(p.Classroom), FormatTimeOfDay(room.DayStart),
                    FormatTimeOfDay(room.DayEnd)));
    }
    for (std::int32_t s = p.Start; s < p.Start + specialLength; ++s) {
        if (special.IsAvailable(s))
            continue;
        if (lunch)
            return Broken(Rule::LunchPeriod,
                QStringLiteral("Lunch at %1 would be outside the lunch period.").arg(SlotTime(slot)));
        return Broken(Rule::SpecialTime,
            QStringLiteral("%1 is not available on %2 at %3.")
                .arg(SpecialName(p.Special), DayName(day), SlotTime(s % perDay)));
    }
    return std::nullopt;
}

ScheduleRules::Kept ScheduleRules::Keep(const std::vector<Placement>& placements) const
{
    std::vector<std::int32_t> order(placements.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_partition(
        order.begin(), order.end(), [&](std::int32_t i) { return placements[std::size_t(i)].Pinned; });
    Kept result;
    WeekOccupancy week(*this, placements);
    for (std::int32_t index : order) {
        const Placement& placement = placements[std::size_t(index)];
        std::optional<BrokenRule> broken = CheckAlone(placement);
        if (!broken)
            broken = week.WhyNot(placement);
        if (broken) {
            result.Dropped.emplace_back(index, std::move(*broken));
            continue;
        }
        week.Add(index);
        result.Kept.push_back(index);
    }
    std::sort(result.Kept.begin(), result.Kept.end());
    std::sort(
        result.Dropped.begin(), result.Dropped.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return result;
}

std::vector<std::pair<std::int32_t, BrokenRule>> ScheduleRules::Check(const std::vector<Placement>& placements) const
{
    std::vector<std::pair<std::int32_t, BrokenRule>> broken;
    WeekOccupancy week(*this, placements);
    for (std::size_t i = 0; i < placements.size(); ++i) {
        if (auto alone = CheckAlone(placements[i])) {
            broken.emplace_back(std::int32_t(i), std::move(*alone));
            continue;
        }
        for (BrokenRule& problem : week.AllProblems(placements[i]))
            broken.emplace_back(std::int32_t(i), std::move(problem));
        week.Add(std::int32_t(i));
    }
    return broken;
}

std::vector<MissingMeetings> ScheduleRules::Missing(const std::vector<Placement>& placements) const
{
    const std::size_t subjects = mSubjects.size();
    std::vector<std::int32_t> held(mInputs.Classrooms.size() * subjects, 0);
    for (const Placement& p : placements)
        ++held[std::size_t(p.Classroom) * subjects + std::size_t(SubjectOf(p.Special))];
    std::vector<MissingMeetings> missing;
    for (std::size_t c = 0; c < mInputs.Classrooms.size(); ++c) {
        const ScheduleClassroom& room = *mInputs.Classrooms[c];
        for (std::int32_t s = 0; s < room.SubjectCount(); ++s) {
            const QString title = room.Subject(s);
            const auto subject = std::find(mSubjects.begin(), mSubjects.end(), title.toCaseFolded());
            const std::int32_t have
                = subject == mSubjects.end() ? 0 : held[c * subjects + std::size_t(subject - mSubjects.begin())];
            const std::int32_t need = room.SpecialAttendance(title);
            if (need > have)
                missing.push_back({ std::int32_t(c), title, need - have });
        }
    }
    return missing;
}

WeekOccupancy::WeekOccupancy(const ScheduleRules& rules, const std::vector<Placement>& placements)
    : mRules(rules)
    , mPlacements(placements)
    , mSlotsPerDay(std::max(rules.SlotsPerDay(), 1))
    , mClassDays(rules.Inputs().Classrooms.size() * 5)
    , mSpecialDays(rules.Inputs().Specials.size() * 5)
    , mEating(std::size_t(5 * mSlotsPerDay), 0)
    , mHeld(rules.Inputs().Classrooms.size() * rules.mSubjects.size(), 0)
{
}

std::vector<WeekOccupancy::Block>& WeekOccupancy::ClassDay(std::int32_t classroom, std::int32_t day)
{
    return mClassDays[std::size_t(classroom) * 5 + std::size_t(day)];
}

const std::vector<WeekOccupancy::Block>& WeekOccupancy::ClassDay(std::int32_t classroom, std::int32_t day) const
{
    return mClassDays[std::size_t(classroom) * 5 + std::size_t(day)];
}

std::vector<WeekOccupancy::Block>& WeekOccupancy::SpecialDay(std::int32_t special, std::int32_t day)
{
    return mSpecialDays[std::size_t(special) * 5 + std::size_t(day)];
}

const std::vector<WeekOccupancy::Block>& WeekOccupancy::SpecialDay(std::int32_t special, std::int32_t day) const
{
    return mSpecialDays[std::size_t(special) * 5 + std::size_t(day)];
}

void WeekOccupancy::Add(std::int32_t index)
{
    const Placement& p = mPlacements[std::size_t(index)];
    const std::int32_t day = p.Start / mSlotsPerDay;
    const std::int32_t slot = p.Start % mSlotsPerDay;
    if (day < 0 || day >= 5)
        return;
    ClassDay(p.Classroom, day).push_back({ slot, slot + mRules.ClassLength(p.Special), index });
    if (mRules.IsLunch(p.Special)) {
        for (std::int32_t s = p.Start; s < p.Start + mRules.Duration(p.Special) && s < std::int32_t(mEating.size());
             ++s)
            ++mEating[std::size_t(s)];
    } else {
        SpecialDay(p.Special, day).push_back({ slot, slot + mRules.SpecialLength(p.Special), index });
    }
    ++mHeld[std::size_t(p.Classroom) * mRules.mSubjects.size() + std::size_t(mRules.SubjectOf(p.Special))];
}

void WeekOccupancy::AddAll()
{
    for (std::size_t i = 0; i < mPlacements.size(); ++i)
        Add(std::int32_t(i));
}

void WeekOccupancy::Remove(std::int32_t index)
{
    const Placement& p = mPlacements[std::size_t(index)];
    const std::int32_t day = p.Start / mSlotsPerDay;
    if (day < 0 || day >= 5)
        return;
    const auto drop = [index](std::vector<Block>& blocks) {
        std::erase_if(blocks, [index](const Block& block) { return block.Index == index; });
    };
    drop(ClassDay(p.Classroom, day));
    if (mRules.IsLunch(p.Special)) {
        for (std::int32_t s = p.Start; s < p.Start + mRules.Duration(p.Special) && s < std::int32_t(mEating.size());
             ++s)
            --mEating[std::size_t(s)];
    } else {
        drop(SpecialDay(p.Special, day));
    }
    --mHeld[std::size_t(p.Classroom) * mRules.mSubjects.size() + std::size_t(mRules.SubjectOf(p.Special))];
}

// The class's other blocks that day and the candidate must leave one stretch
// of its own day as long as the interrupt-free time.
std::optional<BrokenRule> WeekOccupancy::FreeTimeKept(const Placement& p, std::int32_t ignoring) const
{
    const ScheduleClassroom& room = *mRules.Inputs().Classrooms[std::size_t(p.Classroom)];
    const std::int32_t needed = ClassLimits::FreeSlots(room.InterruptFreeTime);
    if (needed == 0)
        return std::nullopt;
    const std::int32_t day = p.Start / mSlotsPerDay;
    const std::int32_t slot = p.Start % mSlotsPerDay;
    std::vector<ClassLimits::Stretch>& busy = mScratch;
    busy.clear();
    busy.push_back({ slot, slot + mRules.ClassLength(p.Special) });
    for (const Block& block : ClassDay(p.Classroom, day)) {
        if (block.Index != ignoring)
            busy.push_back({ block.From, block.To });
    }
    const std::int32_t longest = ClassLimits::LongestFree(room.OwnDayFirst, room.OwnDayEnd, busy);
    if (longest >= needed)
        return std::nullopt;
    const QString what
        = mRules.IsLunch(p.Special) ? LunchSubject() : mRules.Inputs().Specials[std::size_t(p.Special)]->Subject;
    const QString left = longest > 0 ? QStringLiteral("the longest would be %1 minutes.").arg(5 * longest)
                                     : QStringLiteral("no time would be left uninterrupted.");
    return Broken(Rule::NoFreeTime,
        QStringLiteral("%1 at %2 would leave %3 no %4 uninterrupted minutes on %5; %6")
            .arg(what, mRules.SlotTime(slot), mRules.ClassName(p.Classroom))
            .arg(room.InterruptFreeTime)
            .arg(DayName(day), left));
}

std::optional<BrokenRule> WeekOccupancy::WhyNot(const Placement& candidate, std::int32_t ignoring) const
{
    std::vector<BrokenRule> found;
    Problems(candidate, ignoring, true, found);
    if (found.empty())
        return std::nullopt;
    return std::move(found.front());
}

std::vector<BrokenRule> WeekOccupancy::AllProblems(const Placement& candidate, std::int32_t ignoring) const
{
    std::vector<BrokenRule> found;
    Problems(candidate, ignoring, false, found);
    return found;
}

void WeekOccupancy::Problems(const Placement& p, std::int32_t ignoring, bool first, std::vector<BrokenRule>& out) const
{
    const std::int32_t day = p.Start / mSlotsPerDay;
    const std::int32_t slot = p.Start % mSlotsPerDay;
    if (day < 0 || day >= 5)
        return;
    const bool lunch = mRules.IsLunch(p.Special);
    const std::int32_t subject = mRules.SubjectOf(p.Special);
    const QString what = lunch ? LunchSubject() : mRules.Inputs().Specials[std::size_t(p.Special)]->Subject;
    const QString className = mRules.ClassName(p.Classroom);
    const auto span = [&](const Block& block) {
        const Placement& other = mPlacements[std::size_t(block.Index)];
        const std::int32_t end = block.From + mRules.Duration(other.Special);
        return mRules.SlotTime(block.From) + u'-' + mRules.SlotTime(end);
    };

    const std::int32_t held = mHeld[std::size_t(p.Classroom) * mRules.mSubjects.size() + std::size_t(subject)]
        - (ignoring >= 0 && mPlacements[std::size_t(ignoring)].Classroom == p.Classroom
                    && mRules.SubjectOf(mPlacements[std::size_t(ignoring)].Special) == subject
                ? 1
                : 0);
    const std::int32_t attends = lunch ? 5 : mRules.Attendance(p.Classroom, subject);
    if (held >= attends) {
        out.push_back(Broken(Rule::TooMany,
            QStringLiteral("%1 already has %2 %3 a week.").arg(className, what, Times(std::max(attends, held)))));
        if (first)
            return;
    }

    const std::int32_t classEnd = slot + mRules.ClassLength(p.Special);
    for (const Block& block : ClassDay(p.Classroom, day)) {
        if (block.Index == ignoring)
            continue;
        const Placement& other = mPlacements[std::size_t(block.Index)];
        if (mRules.SubjectOf(other.Special) == subject) {
            out.push_back(Broken(Rule::TwiceADay,
                QStringLiteral("%1 would be on %2 twice for %3.").arg(what, DayName(day), className), block.Index));
        } else if (block.From < classEnd && slot < block.To) {
            const QString has = mRules.IsLunch(other.Special) ? QStringLiteral("lunch and recess")
                                                              : mRules.SpecialName(other.Special);
            out.push_back(Broken(
                Rule::ClassBusy, QStringLiteral("%1 has %2 then, %3.").arg(className, has, span(block)), block.Index));
        } else {
            continue;
        }
        if (first)
            return;
    }
    if (auto kept = FreeTimeKept(p, ignoring)) {
        out.push_back(std::move(*kept));
        if (first)
            return;
    }

    if (lunch) {
        const std::int32_t seats = mRules.LunchSeats();
        const Placement* moved = ignoring >= 0 ? &mPlacements[std::size_t(ignoring)] : nullptr;
        const bool movedIsLunch = moved && mRules.IsLunch(moved->Special);
        for (std::int32_t s = p.Start; s < p.Start + mRules.Duration(p.Special) && s < std::int32_t(mEating.size());
             ++s) {
            std::int32_t eating = mEating[std::size_t(s)];
            if (movedIsLunch && s >= moved->Start && s < moved->Start + mRules.Duration(moved->Special))
                --eating;
            if (eating + 1 > seats) {
                out.push_back(Broken(Rule::LunchroomFull,
                    QStringLiteral("Lunch at %1 would be the %2 class eating; the lunchroom takes %3.")
                        .arg(mRules.SlotTime(slot), OrdinalWord(eating + 1))
                        .arg(seats)));
                return;
            }
        }
        return;
    }

    const std::int32_t specialEnd = slot + mRules.SpecialLength(p.Special);
    for (const Block& block : SpecialDay(p.Special, day)) {
        if (block.Index == ignoring || block.To <= slot || specialEnd <= block.From)
            continue;
        const Placement& other = mPlacements[std::size_t(block.Index)];
        out.push_back(Broken(Rule::SpecialBusy,
            QStringLiteral("%1 meets %2 then, %3.")
                .arg(mRules.SpecialName(p.Special), mRules.ClassName(other.Classroom), span(block)),
            block.Index));
        if (first)
            return;
    }
}

} // namespace belltide
