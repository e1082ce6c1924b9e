#include "SchoolTimetable.h"

#include "Schedule.h"
#include "ScheduleClassroom.h"
#include "ScheduleGenerator.h"
#include "ScheduleRules.h"
#include "ScheduleSpecial.h"
#include "Subjects.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "model/TimeText.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <unordered_map>

namespace belltide::SchoolTimetable {

namespace {

const char* const kDayNames[] = { "Monday", "Tuesday", "Wednesday", "Thursday", "Friday" };

// Where the inputs keep each class, special and lunch seat.
struct Index {
    explicit Index(const GenerationInputs& inputs)
    {
        for (std::size_t i = 0; i < inputs.Classrooms.size(); ++i)
            Classes[inputs.Classrooms[i]->Tag.get()] = std::int32_t(i);
        for (std::size_t i = 0; i < inputs.Specials.size(); ++i) {
            const ScheduleSpecial& special = *inputs.Specials[i];
            if (special.Tag)
                Specials[special.Tag.get()] = std::int32_t(i);
            else if (IsLunchSubject(special.Subject))
                Seats.push_back(std::int32_t(i));
            Rows[&special] = std::int32_t(i);
        }
    }
    std::unordered_map<const Classroom*, std::int32_t> Classes;
    std::unordered_map<const SpecialClass*, std::int32_t> Specials;
    std::unordered_map<const ScheduleSpecial*, std::int32_t> Rows;
    std::vector<std::int32_t> Seats;
};

QString When(const Meeting& meeting)
{
    const QString day = meeting.Day >= 0 && meeting.Day < 5 ? QString::fromLatin1(kDayNames[meeting.Day])
                                                            : QStringLiteral("day %1").arg(meeting.Day + 1);
    return QStringLiteral("%1 at %2").arg(day, FormatTimeOfDay(meeting.Start));
}

QString WhatFor(const Meeting& meeting)
{
    const QString what = meeting.Special ? meeting.Special->Title : LunchSubject();
    return QStringLiteral("%1 for %2: %3").arg(what, meeting.Class->Grade, meeting.Class->Teacher);
}

QString MeetingWords(const Meeting& meeting)
{
    return WhatFor(meeting) + QStringLiteral(" on ") + When(meeting);
}

using PlaceKey = std::tuple<const Classroom*, const SpecialClass*, std::int32_t, std::int32_t>;

PlaceKey KeyOf(const Meeting& meeting)
{
    return { meeting.Class.get(), meeting.Special.get(), meeting.Day, meeting.Start };
}

} // namespace

Mapped ToPlacements(const Timetable& timetable, const GenerationInputs& inputs)
{
    const Index index(inputs);
    const std::int32_t perDay = inputs.SlotsPerDay;
    Mapped mapped;
    for (std::size_t m = 0; m < timetable.Meetings.size(); ++m) {
        const Meeting& meeting = timetable.Meetings[m];
        const auto room = index.Classes.find(meeting.Class.get());
        if (room == index.Classes.end()) {
            mapped.Unmapped.emplace_back(m, QStringLiteral("the class is no longer in the school"));
            continue;
        }
        std::int32_t special = -1;
        if (meeting.Special) {
            const auto found = index.Specials.find(meeting.Special.get());
            if (found == index.Specials.end()) {
                mapped.Unmapped.emplace_back(m, QStringLiteral("the special class is no longer in the school"));
                continue;
            }
            special = found->second;
        } else if (!index.Seats.empty()) {
            special = index.Seats[std::size_t(
                std::clamp<std::int32_t>(meeting.Seat, 0, std::int32_t(index.Seats.size()) - 1))];
        } else {
            mapped.Unmapped.emplace_back(m, QStringLiteral("no class may eat lunch any more"));
            continue;
        }
        const std::int32_t offset = meeting.Start - inputs.DayStartAt;
        if (offset < 0 || offset % 5 != 0 || offset / 5 >= perDay || meeting.Day < 0 || meeting.Day > 4) {
            mapped.Unmapped.emplace_back(m, QStringLiteral("it is no longer inside the school day"));
            continue;
        }
        mapped.Placements.push_back({ room->second, special, meeting.Day * perDay + offset / 5, meeting.Pinned });
        mapped.Meetings.push_back(m);
    }
    return mapped;
}

Timetable FromPlacements(const std::vector<Placement>& placements, const GenerationInputs& inputs,
    const Timetable* earlier, MadeBy by, const QDateTime& at)
{
    const Index index(inputs);
    std::map<PlaceKey, const Meeting*> before;
    if (earlier) {
        for (const Meeting& meeting : earlier->Meetings)
            before[KeyOf(meeting)] = &meeting;
    }
    const std::int32_t perDay = std::max(inputs.SlotsPerDay, 1);
    Timetable timetable;
    timetable.Meetings.reserve(placements.size());
    for (const Placement& placement : placements) {
        const ScheduleSpecial& special = *inputs.Specials[std::size_t(placement.Special)];
        Meeting meeting;
        meeting.Class = inputs.Classrooms[std::size_t(placement.Classroom)]->Tag;
        meeting.Special = special.Tag;
        if (!special.Tag) {
            const auto seat = std::find(index.Seats.begin(), index.Seats.end(), placement.Special);
            meeting.Seat = std::int32_t(seat - index.Seats.begin());
        }
        meeting.Day = placement.Start / perDay;
        meeting.Start = inputs.DayStartAt + 5 * (placement.Start % perDay);
        meeting.Pinned = placement.Pinned;
        meeting.By = by;
        meeting.At = at;
        if (const auto found = before.find(KeyOf(meeting)); found != before.end()) {
            meeting.By = found->second->By;
            meeting.At = found->second->At;
            meeting.Pinned = meeting.Pinned || found->second->Pinned;
        }
        timetable.Meetings.push_back(std::move(meeting));
    }
    return timetable;
}

std::vector<Placement> FromGrid(const Schedule& classGrid, const GenerationInputs& inputs)
{
    const Index index(inputs);
    std::vector<Placement> placements;
    for (std::size_t c = 0; c < inputs.Classrooms.size(); ++c) {
        const ScheduleClassroom& room = *inputs.Classrooms[c];
        for (std::int32_t minute = 0, length = 0; minute < classGrid.MinuteCount(); minute += std::max(length, 1)) {
            const auto item = std::dynamic_pointer_cast<ScheduleSpecial>(classGrid.ScheduledItem(room, minute, length));
            const auto row = item ? index.Rows.find(item.get()) : index.Rows.end();
            if (row == index.Rows.end())
                continue; // free, or recess
            // Meetings of one special that touch share a run of cells.
            const std::int32_t duration = std::max(item->Duration, 1);
            for (std::int32_t start = minute; start + duration <= minute + length; start += duration)
                placements.push_back({ std::int32_t(c), row->second, start, false });
        }
    }
    return placements;
}

std::shared_ptr<Schedule> ToGrid(const std::vector<Placement>& placements, const GenerationInputs& inputs)
{
    const std::int32_t weekSlots = 5 * inputs.SlotsPerDay;
    std::vector<std::shared_ptr<ScheduleObject>> rows(inputs.Classrooms.begin(), inputs.Classrooms.end());
    auto grid = std::make_shared<Schedule>(std::move(rows), weekSlots);
    auto recess = std::make_shared<ScheduleSpecial>();
    recess->Subject = RecessSubject();
    for (const Placement& placement : placements) {
        const auto& special = inputs.Specials[std::size_t(placement.Special)];
        const std::int32_t row = placement.Classroom;
        if (placement.Start < 0 || placement.Start + special->Duration > weekSlots)
            continue;
        grid->ScheduleItem(row, placement.Start, special->Duration, special);
        const std::int32_t recessStart = placement.Start + special->Duration;
        if (!special->Tag && special->ReserveExtra > 0 && recessStart + special->ReserveExtra <= weekSlots)
            grid->ScheduleItem(row, recessStart, special->ReserveExtra, recess);
    }
    return grid;
}

void SeatLunches(std::vector<Placement>& placements, const GenerationInputs& inputs)
{
    const Index index(inputs);
    if (index.Seats.empty())
        return;
    std::vector<std::size_t> lunches;
    for (std::size_t i = 0; i < placements.size(); ++i) {
        if (std::find(index.Seats.begin(), index.Seats.end(), placements[i].Special) != index.Seats.end())
            lunches.push_back(i);
    }
    std::stable_sort(lunches.begin(), lunches.end(),
        [&](std::size_t a, std::size_t b) { return placements[a].Start < placements[b].Start; });
    // Each seat is free again from the slot after its last lunch.
    std::vector<std::int32_t> freeFrom(index.Seats.size(), -1);
    for (std::size_t i : lunches) {
        Placement& lunch = placements[i];
        const std::int32_t duration = inputs.Specials[std::size_t(lunch.Special)]->Duration;
        // A lunch keeps its seat while that seat is free, so a valid seating
        // comes out as it went in.
        const auto current = std::find(index.Seats.begin(), index.Seats.end(), lunch.Special);
        std::size_t seat = std::size_t(current - index.Seats.begin());
        if (seat >= freeFrom.size() || freeFrom[seat] > lunch.Start) {
            seat = 0;
            while (seat < freeFrom.size() && freeFrom[seat] > lunch.Start)
                ++seat;
            if (seat == freeFrom.size())
                seat = 0;
        }
        lunch.Special = index.Seats[seat];
        freeFrom[seat] = lunch.Start + duration;
    }
}

Fitted Fit(const School& school, const std::shared_ptr<const Timetable>& timetable)
{
    Fitted fitted { timetable, {} };
    if (!timetable)
        return fitted;
    // A school the engine cannot hold (a day that ends before it starts, while
    // being typed) says nothing about where meetings belong: keep them.
    const auto inputs = ScheduleGenerator::BuildInputs(school);
    if (!inputs)
        return fitted;
    const Mapped mapped = ToPlacements(*timetable, inputs.Value());
    const ScheduleRules rules(inputs.Value());
    const ScheduleRules::Kept kept = rules.Keep(mapped.Placements);
    std::vector<Placement> placements;
    for (std::int32_t k : kept.Kept)
        placements.push_back(mapped.Placements[std::size_t(k)]);
    std::vector<Placement> seated = placements;
    SeatLunches(seated, inputs.Value());
    if (mapped.Unmapped.empty() && kept.Dropped.empty() && seated == mapped.Placements)
        return fitted;

    auto result = std::make_shared<Timetable>(
        FromPlacements(seated, inputs.Value(), timetable.get(), MadeBy::Quick, QDateTime::currentDateTimeUtc()));
    result->Dropped = timetable->Dropped;
    const auto dropped = [&](std::size_t meeting, const QString& why) {
        const Meeting& gone = timetable->Meetings[meeting];
        fitted.Why << MeetingWords(gone) + QStringLiteral(": ") + why;
        // A class that left the school takes its meetings with it.
        if (std::find(school.Classes.begin(), school.Classes.end(), gone.Class) != school.Classes.end())
            result->Dropped.push_back(gone);
    };
    for (const auto& [meeting, why] : mapped.Unmapped)
        dropped(meeting, why);
    for (const auto& [placement, broken] : kept.Dropped)
        dropped(mapped.Meetings[std::size_t(placement)], broken.Words);
    fitted.Timetable = std::move(result);
    return fitted;
}

std::optional<GenerationInputs> RefreshGrid(School& school)
{
    school.Schedule.reset();
    if (!school.Timetable)
        return std::nullopt;
    auto inputs = ScheduleGenerator::BuildInputs(school);
    if (!inputs)
        return std::nullopt;
    school.Schedule = ToGrid(ToPlacements(*school.Timetable, inputs.Value()).Placements, inputs.Value());
    return inputs.TakeValue();
}

Shortfall Missing(const School& school, const Timetable& timetable)
{
    Shortfall shortfall;
    const auto inputs = ScheduleGenerator::BuildInputs(school);
    if (!inputs)
        return shortfall;
    const ScheduleRules rules(inputs.Value());
    const Mapped mapped = ToPlacements(timetable, inputs.Value());
    std::vector<bool> used(timetable.Dropped.size(), false);
    for (const MissingMeetings& missing : rules.Missing(mapped.Placements)) {
        shortfall.Missing += missing.Count;
        const auto& classroom = inputs.Value().Classrooms[std::size_t(missing.Classroom)]->Tag;
        for (std::int32_t n = 0; n < missing.Count; ++n) {
            QString words = QStringLiteral("%1 for %2")
                                .arg(IsLunchSubject(missing.Subject) ? LunchSubject() : missing.Subject,
                                    rules.ClassName(missing.Classroom));
            for (std::size_t d = 0; d < timetable.Dropped.size(); ++d) {
                const Meeting& gone = timetable.Dropped[d];
                const QString title = gone.Special ? gone.Special->Title : LunchSubject();
                if (used[d] || gone.Class != classroom || title.compare(missing.Subject, Qt::CaseInsensitive) != 0)
                    continue;
                used[d] = true;
                words = WhatFor(gone) + QStringLiteral(" (was on ") + When(gone) + u')';
                break;
            }
            shortfall.Meetings << words;
        }
    }
    return shortfall;
}

Result<GenerationInputs> SearchInputs(const School& school, const Timetable* timetable, Starting from)
{
    auto inputs = ScheduleGenerator::BuildInputs(school);
    if (!inputs || !timetable)
        return inputs;
    GenerationInputs& built = inputs.Value();
    std::vector<Placement> placements = ToPlacements(*timetable, built).Placements;
    if (from == Starting::FromPinned)
        std::erase_if(placements, [](const Placement& p) { return !p.Pinned; });
    const ScheduleRules rules(built);
    for (std::int32_t kept : rules.Keep(placements).Kept)
        built.Fixed.push_back(placements[std::size_t(kept)]);
    SeatLunches(built.Fixed, built);
    return inputs;
}

std::shared_ptr<const Timetable> AfterSearch(
    const GenerationInputs& inputs, const GenerationResult& result, const Timetable* earlier)
{
    if (!result.Schedule)
        return nullptr;
    std::vector<Placement> placements = FromGrid(*result.Schedule, inputs);
    // The grid does not know pins: take them from the fixed meetings it kept.
    for (Placement& placement : placements) {
        for (const FixedMeeting& fixed : inputs.Fixed) {
            if (fixed.Pinned && fixed.Classroom == placement.Classroom && fixed.Start == placement.Start)
                placement.Pinned = true;
        }
    }
    return std::make_shared<const Timetable>(FromPlacements(placements, inputs, earlier,
        result.Thorough ? MadeBy::Thorough : MadeBy::Quick, QDateTime::currentDateTimeUtc()));
}

QStringList Released(const GenerationInputs& inputs, const GenerationResult& result)
{
    QStringList words;
    const ScheduleRules rules(inputs);
    for (std::int32_t index : result.Released) {
        if (index >= 0 && std::size_t(index) < inputs.Fixed.size())
            words << rules.Describe(inputs.Fixed[std::size_t(index)]);
    }
    return words;
}

} // namespace belltide::SchoolTimetable
