#include "ScheduleChecker.h"
#include "TestSchools.h"

#include "engine/RandomIdealScheduler.h"
#include "engine/Schedule.h"
#include "engine/ScheduleClassroom.h"
#include "engine/ScheduleGenerator.h"
#include "engine/ScheduleSpecial.h"
#include "engine/ThoroughScheduler.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace belltide::test {
namespace {

GenerationInputs Inputs(School& school)
{
    auto inputs = ScheduleGenerator::BuildInputs(school);
    EXPECT_TRUE(inputs.IsOk()) << inputs.Error().toStdString();
    return inputs.IsOk() ? inputs.Value() : GenerationInputs {};
}

std::int32_t SpecialIndex(const GenerationInputs& inputs, const ScheduleObject* item)
{
    for (std::size_t i = 0; i < inputs.Specials.size(); ++i) {
        if (inputs.Specials[i].get() == item)
            return static_cast<std::int32_t>(i);
    }
    return -1;
}

// Every meeting of a finished schedule, as fixed meetings.
std::vector<FixedMeeting> MeetingsOf(const GenerationInputs& inputs, const Schedule& schedule)
{
    std::vector<FixedMeeting> meetings;
    for (std::size_t c = 0; c < inputs.Classrooms.size(); ++c) {
        for (std::int32_t minute = 0, length = 0; minute < schedule.MinuteCount(); minute += std::max(length, 1)) {
            const auto item = schedule.ScheduledItem(*inputs.Classrooms[c], minute, length);
            const std::int32_t special = item ? SpecialIndex(inputs, item.get()) : -1;
            if (special < 0)
                continue;
            const std::int32_t duration = inputs.Specials[static_cast<std::size_t>(special)]->Duration;
            for (std::int32_t start = minute; start < minute + length; start += duration)
                meetings.push_back({ static_cast<std::int32_t>(c), special, start, false });
        }
    }
    return meetings;
}

std::vector<KeptMeeting> Kept(const GenerationInputs& inputs, const std::vector<FixedMeeting>& fixed,
    const std::vector<std::int32_t>& released = {})
{
    std::vector<KeptMeeting> kept;
    for (std::size_t i = 0; i < fixed.size(); ++i) {
        if (std::find(released.begin(), released.end(), static_cast<std::int32_t>(i)) != released.end())
            continue;
        const FixedMeeting& meeting = fixed[i];
        kept.push_back({ meeting.Classroom, inputs.Specials[static_cast<std::size_t>(meeting.Special)]->Subject,
            meeting.Start / inputs.SlotsPerDay, meeting.Start % inputs.SlotsPerDay });
    }
    return kept;
}

// The checker's findings on one line each, so that a failure reads.
std::string Problems(const School& school, const Schedule& schedule, const std::vector<KeptMeeting>& kept)
{
    return CheckSchedule(school, schedule, kept).join(u'\n').toStdString();
}

std::int32_t Slot(const School& school, std::int32_t time)
{
    return (time - school.DayStartAt) / 5;
}

std::int32_t WeekSlot(const GenerationInputs& inputs, const School& school, std::int32_t day, std::int32_t time)
{
    return day * inputs.SlotsPerDay + Slot(school, time);
}

std::int32_t SeatIndex(const GenerationInputs& inputs, std::int32_t seat)
{
    std::int32_t seen = 0;
    for (std::size_t i = 0; i < inputs.Specials.size(); ++i) {
        if (inputs.Specials[i]->Subject == QStringLiteral("Lunch") && seen++ == seat)
            return static_cast<std::int32_t>(i);
    }
    return -1;
}

// The quick search over a few seeds, then the thorough search: each schedule
// made must hold every fixed meeting and keep every rule.
void ExpectBothSearchesKeep(School& school, const GenerationInputs& inputs, const char* name, bool quickSucceeds)
{
    std::shared_ptr<Schedule> quick;
    for (std::uint64_t seed = 1; seed <= 10 && !quick; ++seed) {
        RandomIdealScheduler scheduler(seed);
        quick = scheduler.Schedule(inputs.Classrooms, inputs.Specials, inputs.SlotsPerDay, inputs.Fixed);
    }
    if (quickSucceeds) {
        EXPECT_TRUE(quick) << name;
    }
    if (quick) {
        EXPECT_EQ(Problems(school, *quick, Kept(inputs, inputs.Fixed)), "") << name << " (quick)";
    }
    ThoroughScheduler thorough;
    const ThoroughResult result = thorough.Schedule(inputs);
    ASSERT_TRUE(result.Schedule) << name << ": " << result.Reasons.join(u'\n').toStdString();
    EXPECT_TRUE(result.Released.empty()) << name;
    EXPECT_EQ(Problems(school, *result.Schedule, Kept(inputs, inputs.Fixed)), "") << name << " (thorough)";
}

TEST(FixedMeetingsTest, WithoutFixedMeetingsTheQuickSearchIsUnchanged)
{
    auto school = ElementarySchool(3);
    const GenerationInputs inputs = Inputs(*school);
    for (std::uint64_t seed : { 1u, 7u, 42u }) {
        RandomIdealScheduler plain(seed);
        RandomIdealScheduler empty(seed);
        const auto a = plain.Schedule(inputs.Classrooms, inputs.Specials, inputs.SlotsPerDay);
        const auto b = empty.Schedule(inputs.Classrooms, inputs.Specials, inputs.SlotsPerDay, {});
        ASSERT_EQ(bool(a), bool(b));
        if (a) {
            for (std::size_t c = 0; c < inputs.Classrooms.size(); ++c) {
                for (std::int32_t m = 0; m < a->MinuteCount(); ++m)
                    ASSERT_EQ(a->Cell(static_cast<std::int32_t>(c), m), b->Cell(static_cast<std::int32_t>(c), m));
            }
        }
    }
}

TEST(FixedMeetingsTest, AScheduleWithGapsIsCompletedAroundWhatItHolds)
{
    // Four meetings in five kept: the quick search fills the gaps. With every
    // second one kept its greedy order leaves the gaps too fragmented, which
    // only the thorough search gets around.
    auto school = ElementarySchool(3);
    GenerationInputs inputs = Inputs(*school);
    ThoroughScheduler first;
    const auto schedule = first.Schedule(inputs).Schedule;
    ASSERT_TRUE(schedule);
    const std::vector<FixedMeeting> all = MeetingsOf(inputs, *schedule);
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (i % 5 != 0)
            inputs.Fixed.push_back(all[i]);
    }
    inputs.Fixed.front().Pinned = true;
    ExpectBothSearchesKeep(*school, inputs, "four in five", true);

    inputs.Fixed.clear();
    for (std::size_t i = 0; i < all.size(); i += 2)
        inputs.Fixed.push_back(all[i]);
    ExpectBothSearchesKeep(*school, inputs, "every second", false);

    ScheduleGenerator generator;
    GenerationOptions options { 10, 3 };
    options.Engine = SearchEngine::QuickThenThorough;
    const GenerationResult result = generator.Run(inputs, options);
    ASSERT_TRUE(result.Schedule);
    EXPECT_TRUE(result.Released.empty());
    EXPECT_EQ(Problems(*school, *result.Schedule, Kept(inputs, inputs.Fixed)), "");
}

TEST(FixedMeetingsTest, PartlyFixedAndHandMovedMeetingsAreCompleted)
{
    struct Case {
        const char* name;
        std::vector<std::tuple<QString, std::int32_t, std::int32_t>> fixed; // subject, day, time
    };
    const Case cases[] = {
        { "one of three Art meetings, on Wednesday", { { QStringLiteral("Art"), 2, 540 } } },
        { "Art on Tuesday and Thursday, off its pattern",
            { { QStringLiteral("Art"), 1, 540 }, { QStringLiteral("Art"), 3, 600 } } },
        { "Music on neighbouring days at two times",
            { { QStringLiteral("Music"), 0, 540 }, { QStringLiteral("Music"), 1, 780 } } },
        { "lunch on Monday and Tuesday only",
            { { QStringLiteral("Lunch"), 0, 660 }, { QStringLiteral("Lunch"), 1, 690 } } },
        { "lunch on Wednesday, Music on Friday",
            { { QStringLiteral("Lunch"), 2, 720 }, { QStringLiteral("Music"), 4, 840 } } },
    };
    for (const Case& c : cases) {
        auto school = EmptySchool();
        AddSpecial(*school, QStringLiteral("Art"), 45, 5);
        AddSpecial(*school, QStringLiteral("Music"), 30, 5);
        for (int i = 0; i < 4; ++i)
            AddClass(*school, QStringLiteral("2nd"), { { QStringLiteral("Art"), 3 }, { QStringLiteral("Music"), 2 } });
        GenerationInputs inputs = Inputs(*school);
        for (const auto& [subject, day, time] : c.fixed) {
            std::int32_t special = subject == QStringLiteral("Lunch") ? SeatIndex(inputs, 1) : -1;
            for (std::size_t s = 0; s < inputs.Specials.size() && special < 0; ++s) {
                if (inputs.Specials[s]->Subject == subject)
                    special = static_cast<std::int32_t>(s);
            }
            inputs.Fixed.push_back({ 1, special, WeekSlot(inputs, *school, day, time), false });
        }
        ExpectBothSearchesKeep(*school, inputs, c.name, true);
    }
}

// Art can meet only on Monday at 9:00 and on Thursday at 13:00; the first
// class's day ends at 13:00, so Monday is its only time. A fixed Art meeting
// of the second class on Monday stands in its way.
struct ArtOnMonday {
    std::shared_ptr<School> school = EmptySchool();
    GenerationInputs inputs;
    std::int32_t inTheWay = 0;

    explicit ArtOnMonday(bool pinned)
    {
        auto art = AddSpecial(*school, QStringLiteral("Art"), 45, 0);
        for (std::int32_t day = 0; day < 5; ++day) {
            const bool monday = day == 0;
            const bool thursday = day == 3;
            for (std::int32_t time = school->DayStartAt; time < school->DayEndAt; time += 5) {
                const bool open = (monday && time >= 540 && time < 585) || (thursday && time >= 780 && time < 825);
                art->IsAvailable(day, Slot(*school, time), open);
            }
        }
        AddSpecial(*school, QStringLiteral("Music"), 30, 5);
        AddClass(*school, QStringLiteral("1st"), { { QStringLiteral("Art"), 1 }, { QStringLiteral("Music"), 2 } });
        AddClass(*school, QStringLiteral("1st"), { { QStringLiteral("Art"), 1 }, { QStringLiteral("Music"), 2 } });
        school->Classes[0]->DayEnd = 780;
        inputs = Inputs(*school);
        const std::int32_t artIndex = inputs.Specials[0]->Subject == QStringLiteral("Art") ? 0 : 1;
        const std::int32_t musicIndex = 1 - artIndex;
        const std::int32_t seat = SeatIndex(inputs, 0);
        inputs.Fixed = {
            { 1, musicIndex, WeekSlot(inputs, *school, 1, 600), false },
            { 0, seat, WeekSlot(inputs, *school, 0, 660), true },
            { 1, seat, WeekSlot(inputs, *school, 0, 720), false },
            { 1, artIndex, WeekSlot(inputs, *school, 0, 540), pinned },
            { 1, seat, WeekSlot(inputs, *school, 2, 720), false },
        };
        inTheWay = 3;
    }
};

TEST(FixedMeetingsTest, OnlyTheMeetingInTheWayIsGivenBack)
{
    ArtOnMonday art(false);
    for (const SearchEngine engine : { SearchEngine::Thorough, SearchEngine::QuickThenThorough }) {
        ScheduleGenerator generator;
        GenerationOptions options { 5, 1 };
        options.Engine = engine;
        const GenerationResult result = generator.Run(art.inputs, options);
        ASSERT_TRUE(result.Schedule) << result.FailureMessage().toStdString();
        EXPECT_TRUE(result.Thorough);
        EXPECT_EQ(result.Released, std::vector<std::int32_t> { art.inTheWay });
        EXPECT_EQ(Problems(*art.school, *result.Schedule, Kept(art.inputs, art.inputs.Fixed, result.Released)), "");
    }
}

TEST(FixedMeetingsTest, APinInTheWayLeavesNoScheduleAndIsNamed)
{
    ArtOnMonday art(true);
    ThoroughScheduler scheduler;
    const ThoroughResult result = scheduler.Schedule(art.inputs);
    EXPECT_FALSE(result.Schedule);
    EXPECT_TRUE(result.Released.empty());
    ASSERT_EQ(result.Reasons.size(), 1);
    EXPECT_EQ(result.Reasons[0].toStdString(),
        "No schedule keeps the pinned meeting Art for 1st: Teacher 2 on Monday at 9:00 AM: with it, Art for 1st: "
        "Teacher 1 cannot all be placed. Unpinning it would make room.");
}

TEST(FixedMeetingsTest, MeetingsNoSearchCanHoldAreGivenBack)
{
    auto school = EmptySchool();
    AddSpecial(*school, QStringLiteral("Art"), 45, 5);
    AddSpecial(*school, QStringLiteral("Music"), 30, 5);
    AddClass(*school, QStringLiteral("K"), { { QStringLiteral("Art"), 1 } });
    GenerationInputs inputs = Inputs(*school);
    const std::int32_t music = inputs.Specials[0]->Subject == QStringLiteral("Music") ? 0 : 1;
    const std::int32_t art = 1 - music;
    inputs.Fixed = {
        { 0, art, WeekSlot(inputs, *school, 0, 540), false },
        // Not attended, no such class, past the week's end, and a second Art
        // beyond the one a week the class attends.
        { 0, music, WeekSlot(inputs, *school, 1, 540), true },
        { 5, art, 0, false },
        { 0, art, 5 * inputs.SlotsPerDay, false },
        { 0, art, WeekSlot(inputs, *school, 2, 540), false },
    };
    for (const SearchEngine engine : { SearchEngine::Quick, SearchEngine::Thorough }) {
        ScheduleGenerator generator;
        GenerationOptions options { 5, 1 };
        options.Engine = engine;
        const GenerationResult result = generator.Run(inputs, options);
        if (engine == SearchEngine::Quick) {
            // Two Art meetings for a class that attends once: the quick search cannot drop one.
            EXPECT_FALSE(result.Schedule);
            continue;
        }
        ASSERT_TRUE(result.Schedule) << result.FailureMessage().toStdString();
        EXPECT_EQ(result.Released, (std::vector<std::int32_t> { 0, 1, 2, 3, 4 }));
        EXPECT_EQ(Problems(*school, *result.Schedule, {}), "");
    }
}

} // namespace
} // namespace belltide::test

namespace belltide::test {
namespace {

// With fixed meetings the counts are not asked first, so the solver itself
// must see that a class left without room for lunch has no schedule.
TEST(FixedMeetingsTest, AClassWithNoRoomLeftIsProvedImpossibleAroundFixedMeetings)
{
    auto school = ElementarySchool(2);
    GenerationInputs inputs = Inputs(*school);
    ThoroughScheduler first;
    const auto schedule = first.Schedule(inputs).Schedule;
    ASSERT_TRUE(schedule);
    const std::vector<FixedMeeting> all = MeetingsOf(inputs, *schedule);
    // The first class now goes home at 11:30, before any lunch with its recess can end.
    school->Classes[0]->DayEnd = 11 * 60 + 30;
    GenerationInputs shorter = Inputs(*school);
    for (const FixedMeeting& meeting : all) {
        if (meeting.Classroom != 0)
            shorter.Fixed.push_back(meeting);
    }
    ThoroughScheduler second;
    const ThoroughResult result = second.Schedule(shorter);
    EXPECT_FALSE(result.Schedule);
    ASSERT_FALSE(result.Reasons.isEmpty());
    EXPECT_TRUE(result.Reasons.join(u' ').contains(QStringLiteral("lunch")))
        << result.Reasons.join(u'\n').toStdString();
}

} // namespace
} // namespace belltide::test
