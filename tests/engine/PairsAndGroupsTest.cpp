#include "engine/RandomIdealScheduler.h"
#include "engine/Schedule.h"
#include "engine/ScheduleClassroom.h"
#include "engine/ScheduleSpecial.h"

#include <gtest/gtest.h>

namespace belltide {
namespace {

constexpr std::int32_t kDay = 20;

std::shared_ptr<ScheduleClassroom> Room(
    std::int32_t attendance = 0, const char* subject = "Art", const char* grade = "1st")
{
    auto room = std::make_shared<ScheduleClassroom>();
    room->Grade = QString::fromLatin1(grade);
    room->SizeAvailability(5 * kDay + 1);
    for (std::int32_t m = 0; m < 5 * kDay; ++m)
        room->IsAvailable(m, true);
    room->SpecialAttendance(QString::fromLatin1(subject), attendance);
    return room;
}

std::shared_ptr<ScheduleSpecial> Special(std::int32_t duration, std::int32_t reserve = 0, const char* subject = "Art")
{
    auto special = std::make_shared<ScheduleSpecial>();
    special->Subject = QString::fromLatin1(subject);
    special->Duration = duration;
    special->ReserveExtra = reserve;
    special->SizeAvailability(5 * kDay + 1);
    for (std::int32_t m = 0; m < 5 * kDay; ++m)
        special->IsAvailable(m, true);
    return special;
}

std::vector<std::vector<std::int32_t>> Pairs(const std::shared_ptr<ScheduleClassroom>& room,
    const std::shared_ptr<ScheduleSpecial>& special, std::int32_t minute)
{
    RandomIdealScheduler scheduler(1);
    scheduler.CreateGrids({ room }, { special }, kDay);
    std::vector<std::vector<std::int32_t>> minutes;
    for (const auto& pair : scheduler.PairsForClassSpecialCombination(room, special, minute))
        minutes.push_back(pair.Minutes);
    return minutes;
}

TEST(PairsTest, PatternsFollowWeeklyAttendance)
{
    using Minutes = std::vector<std::vector<std::int32_t>>;
    const Minutes expected[] = {
        {},
        { { 3 }, { 23 }, { 43 }, { 63 }, { 83 } },
        { { 3, 43 }, { 23, 63 }, { 43, 83 }, { 3, 63 }, { 23, 83 } },
        { { 3, 43, 83 } },
        { { 3, 23, 43, 63 }, { 23, 43, 63, 83 } },
        { { 3, 23, 43, 63, 83 } },
        {},
    };
    for (std::int32_t attendance = 0; attendance <= 6; ++attendance)
        EXPECT_EQ(Pairs(Room(attendance), Special(4), 3), expected[attendance]) << attendance;

    auto busyWednesday = Special(4);
    busyWednesday->IsAvailable(2 * kDay + 6, false);
    EXPECT_EQ(Pairs(Room(3), busyWednesday, 3), Minutes {});
    EXPECT_EQ(Pairs(Room(3), busyWednesday, 7), (Minutes { { 7, 47, 87 } }));
}

TEST(PairsTest, BlocksStayInsideTheDay)
{
    struct Case {
        const char* name;
        std::int32_t duration;
        std::int32_t reserve;
        std::int32_t minute;
        bool fits;
    };
    const Case cases[] = {
        { "longer than the day", kDay + 1, 0, 0, false },
        { "ends exactly at the end of the day", 4, 1, kDay - 5, false },
        { "ends one slot earlier", 4, 1, kDay - 6, true },
        { "passing time would cross the day end", 4, 3, kDay - 6, false },
    };
    for (const Case& c : cases)
        EXPECT_EQ(Pairs(Room(1), Special(c.duration, c.reserve), c.minute).size(), c.fits ? 5u : 0u) << c.name;
}

TEST(PairsTest, LunchSeatHoldsOnlyTheLunch)
{
    auto first = Room(5, "Lunch");
    auto second = Room(5, "Lunch");
    auto seat = Special(4, 4, "Lunch");
    auto art = Special(4, 4);
    RandomIdealScheduler scheduler(1);
    scheduler.CreateGrids({ first, second }, { seat, art }, kDay);
    const auto pairs = scheduler.PairsForClassSpecialCombination(first, seat, 6);
    ASSERT_EQ(pairs.size(), 1u);
    EXPECT_TRUE(scheduler.PairHasMinuteOnDay(pairs[0], 4));
    scheduler.SchedulePair(pairs[0]);

    std::int32_t length = 0;
    EXPECT_EQ(scheduler.ClassSchedule->ScheduledItem(*first, 6, length), seat);
    EXPECT_EQ(scheduler.ClassSchedule->ScheduledItem(*first, 10, length)->GetSubject(), QStringLiteral("Recess"));
    EXPECT_EQ(length, 4);
    EXPECT_TRUE(scheduler.IsAvailable(*second, *seat, 10)) << "the seat is free again during the recess";
    EXPECT_FALSE(scheduler.IsAvailable(*second, *seat, 9));
    EXPECT_FALSE(scheduler.IsAvailable(*first, *art, 10)) << "the recess keeps the class";

    scheduler.SchedulePair(ScheduleClassSpecial(second, art, { 14 }));
    EXPECT_TRUE(scheduler.SpecialSchedule->IsAvailable(*art, 18, 1)) << "passing time is not written";
}

TEST(ClassroomGroupsTest, GradesSplitIntoGroupsOfTwoOrThree)
{
    const std::vector<std::size_t> expected[]
        = { {}, {}, { 2 }, { 3 }, { 2, 2 }, { 2, 3 }, { 3, 3 }, { 2, 3, 2 }, { 2, 3, 3 } };
    for (std::size_t classes = 1; classes <= 8; ++classes) {
        std::vector<std::shared_ptr<ScheduleClassroom>> rooms;
        for (std::size_t i = 0; i < classes; ++i)
            rooms.push_back(Room());
        RandomIdealScheduler scheduler(1);
        scheduler.CreateGrids(rooms, {}, kDay);
        std::vector<std::size_t> sizes;
        for (const ClassGroup& group : scheduler.ClassroomGroups())
            sizes.push_back(group.Classes.size());
        EXPECT_EQ(sizes, expected[classes]) << classes << " classes";
    }
}

TEST(ClassroomGroupsTest, SplitsAreTakenFromTheEndAndAppended)
{
    const char* grades[] = { "1st", "K", "1st", "K", "2nd", "1st", "1st", "1st", "k", "K" };
    std::vector<std::shared_ptr<ScheduleClassroom>> rooms;
    for (const char* grade : grades)
        rooms.push_back(Room(0, "Art", grade));
    RandomIdealScheduler scheduler(1);
    scheduler.CreateGrids(rooms, {}, kDay);
    std::vector<std::vector<std::size_t>> positions;
    for (const ClassGroup& group : scheduler.ClassroomGroups()) {
        positions.emplace_back();
        for (const auto& room : group.Classes)
            positions.back().push_back(std::find(rooms.begin(), rooms.end(), room) - rooms.begin());
    }
    EXPECT_EQ(positions, (std::vector<std::vector<std::size_t>> { { 0, 2 }, { 1, 3 }, { 9, 8 }, { 7, 6, 5 } }));
}

TEST(GatherMatchedPairsTest, OnePairPerRoomWithDistinctSpecials)
{
    const std::shared_ptr<ScheduleClassroom> rooms[] = { Room(), Room(), Room() };
    const std::shared_ptr<ScheduleSpecial> specials[] = { Special(4), Special(4), Special(4) };
    using Choice = std::vector<std::pair<int, int>>;
    struct Case {
        const char* name;
        Choice matched;
        Choice chosen;
    };
    const Case cases[] = {
        { "both want the same special only", { { 0, 0 }, { 1, 0 } }, {} },
        { "two rooms, two specials each", { { 0, 0 }, { 0, 1 }, { 1, 0 }, { 1, 1 } }, { { 0, 0 }, { 1, 1 } } },
        { "a special only one room wants goes to it first", { { 0, 0 }, { 0, 1 }, { 1, 0 } }, { { 0, 1 }, { 1, 0 } } },
        // Room 1 slides into the place of served room 0 and is skipped, then
        // takes its first special and leaves room 2 nothing.
        { "the room sliding into a visited place waits", { { 0, 0 }, { 1, 1 }, { 1, 2 }, { 2, 1 } }, {} },
        { "and takes its first special later", { { 0, 0 }, { 1, 2 }, { 1, 1 }, { 2, 1 } },
            { { 0, 0 }, { 1, 2 }, { 2, 1 } } },
        { "nothing matched", {}, {} },
    };
    RandomIdealScheduler scheduler(1);
    for (const Case& c : cases) {
        std::vector<ScheduleClassSpecial> matched;
        for (const auto& [room, special] : c.matched)
            matched.emplace_back(rooms[room], specials[special], std::vector<std::int32_t> { 5 });
        Choice chosen;
        for (const auto& pair : scheduler.GatherMatchedPairs(matched)) {
            chosen.emplace_back(std::find(std::begin(rooms), std::end(rooms), pair.Room) - std::begin(rooms),
                std::find(std::begin(specials), std::end(specials), pair.Special) - std::begin(specials));
        }
        EXPECT_EQ(chosen, c.chosen) << c.name;
    }
}

} // namespace
} // namespace belltide
