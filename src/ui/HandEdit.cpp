#include "HandEdit.h"

#include "engine/ScheduleSpecial.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "model/Timetable.h"

#include <algorithm>

namespace belltide {

std::unique_ptr<HandEdit> HandEdit::For(const School& school)
{
    if (!school.Timetable)
        return nullptr;
    auto inputs = ScheduleGenerator::BuildInputs(school);
    if (!inputs || inputs.Value().SlotsPerDay <= 0)
        return nullptr;
    return std::unique_ptr<HandEdit>(new HandEdit(school, inputs.TakeValue()));
}

HandEdit::HandEdit(const School& school, GenerationInputs inputs)
    : mSchool(school)
    , mInputs(std::move(inputs))
    , mRules(std::make_unique<ScheduleRules>(mInputs))
    , mMapped(SchoolTimetable::ToPlacements(*school.Timetable, mInputs))
    , mWeek(std::make_unique<WeekOccupancy>(*mRules, mMapped.Placements))
{
    mWeek->AddAll();
}

std::int32_t HandEdit::PlacementOf(std::int32_t meeting) const
{
    const auto found = std::find(mMapped.Meetings.begin(), mMapped.Meetings.end(), std::size_t(meeting));
    return found == mMapped.Meetings.end() ? -1 : std::int32_t(found - mMapped.Meetings.begin());
}

QString HandEdit::Subject(std::int32_t meeting) const
{
    const Meeting& m = mSchool.Timetable->Meetings[std::size_t(meeting)];
    return m.Special ? m.Special->Title : QStringLiteral("Lunch");
}

std::int32_t HandEdit::Duration(std::int32_t meeting) const
{
    const std::int32_t p = PlacementOf(meeting);
    return p < 0 ? 1 : mRules->Duration(mMapped.Placements[std::size_t(p)].Special);
}

QString HandEdit::TeacherOf(std::int32_t special) const
{
    const auto& tag = mInputs.Specials[std::size_t(special)]->Tag;
    return tag ? tag->Teacher : QString();
}

std::optional<BrokenRule> HandEdit::WhyNot(
    std::int32_t meeting, std::int32_t day, std::int32_t slot, std::int32_t special) const
{
    const std::int32_t p = PlacementOf(meeting);
    if (p < 0)
        return BrokenRule { Rule::NoLength, QStringLiteral("This meeting no longer belongs to the school's week."),
            -1 };
    Placement candidate = mMapped.Placements[std::size_t(p)];
    if (special >= 0)
        candidate.Special = special;
    candidate.Start = day * SlotsPerDay() + slot;
    if (day < 0 || day > 4 || slot < 0 || slot >= SlotsPerDay())
        return BrokenRule { Rule::ClassDay, QStringLiteral("That is outside the school week."), -1 };
    if (candidate == mMapped.Placements[std::size_t(p)])
        return std::nullopt;
    if (auto alone = mRules->CheckAlone(candidate))
        return alone;
    return mWeek->WhyNot(candidate, p);
}

std::vector<std::pair<std::int32_t, bool>> HandEdit::OtherTeachers(std::int32_t meeting) const
{
    std::vector<std::pair<std::int32_t, bool>> others;
    const std::int32_t p = PlacementOf(meeting);
    if (p < 0)
        return others;
    const Placement& placement = mMapped.Placements[std::size_t(p)];
    if (mRules->IsLunch(placement.Special))
        return others;
    const std::int32_t day = placement.Start / SlotsPerDay();
    const std::int32_t slot = placement.Start % SlotsPerDay();
    for (std::int32_t s = 0; s < std::int32_t(mInputs.Specials.size()); ++s) {
        if (s == placement.Special || mRules->IsLunch(s)
            || mRules->SubjectOf(s) != mRules->SubjectOf(placement.Special))
            continue;
        others.emplace_back(s, !WhyNot(meeting, day, slot, s));
    }
    return others;
}

std::shared_ptr<const Timetable> HandEdit::Moved(
    std::int32_t meeting, std::int32_t day, std::int32_t slot, std::int32_t special, const QDateTime& at) const
{
    auto next = std::make_shared<Timetable>(*mSchool.Timetable);
    Meeting& moved = next->Meetings[std::size_t(meeting)];
    moved.Day = day;
    moved.Start = mInputs.DayStartAt + 5 * slot;
    if (special >= 0)
        moved.Special = mInputs.Specials[std::size_t(special)]->Tag;
    moved.Pinned = true;
    moved.By = MadeBy::Hand;
    moved.At = at;
    const std::int32_t p = PlacementOf(meeting);
    if (p >= 0 && mRules->IsLunch(mMapped.Placements[std::size_t(p)].Special)) {
        // Seats are alike, but no seat holds two lunches at once.
        std::vector<Placement> placements = mMapped.Placements;
        placements[std::size_t(p)].Start = day * SlotsPerDay() + slot;
        SchoolTimetable::SeatLunches(placements, mInputs);
        const Timetable seated = SchoolTimetable::FromPlacements(placements, mInputs, nullptr, MadeBy::Hand, at);
        for (std::size_t i = 0; i < placements.size(); ++i) {
            if (mRules->IsLunch(placements[i].Special))
                next->Meetings[mMapped.Meetings[i]].Seat = seated.Meetings[i].Seat;
        }
    }
    return next;
}

std::shared_ptr<const Timetable> HandEdit::WithPin(std::int32_t meeting, bool pinned) const
{
    auto next = std::make_shared<Timetable>(*mSchool.Timetable);
    next->Meetings[std::size_t(meeting)].Pinned = pinned;
    return next;
}

QStringList HandEdit::LostPins() const
{
    QStringList words;
    // Keep puts pinned placements first: the ones it drops among them no
    // search may hold.
    std::vector<Placement> pinned;
    for (const Placement& placement : mMapped.Placements) {
        if (placement.Pinned)
            pinned.push_back(placement);
    }
    for (const auto& [index, why] : mRules->Keep(pinned).Dropped)
        words << mRules->Describe(pinned[std::size_t(index)]) + QStringLiteral(": ") + why.Words;
    // The ones an edit has already taken out: asked again why, against the
    // school as it is now.
    for (const Meeting& gone : mSchool.Timetable->Dropped) {
        if (!gone.Pinned)
            continue;
        Timetable alone;
        alone.Meetings.push_back(gone);
        const SchoolTimetable::Mapped mapped = SchoolTimetable::ToPlacements(alone, mInputs);
        if (mapped.Placements.empty()) {
            const QString what = gone.Special ? gone.Special->Title : QStringLiteral("Lunch");
            const QString why = mapped.Unmapped.empty() ? QString() : mapped.Unmapped.front().second;
            words << QStringLiteral("%1 for %2: %3: %4").arg(what, gone.Class->Grade, gone.Class->Teacher, why);
            continue;
        }
        const Placement& placement = mapped.Placements.front();
        auto why = mRules->CheckAlone(placement);
        if (!why)
            why = mWeek->WhyNot(placement);
        words << mRules->Describe(placement) + (why ? QStringLiteral(": ") + why->Words : QString());
    }
    return words;
}

} // namespace belltide
