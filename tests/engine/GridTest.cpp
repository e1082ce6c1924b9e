#include "engine/Schedule.h"
#include "engine/ScheduleClassroom.h"
#include "engine/ScheduleSpecial.h"

#include <gtest/gtest.h>

#include <random>

namespace belltide {
namespace {

constexpr std::int32_t kColumns = 20;

std::shared_ptr<ScheduleClassroom> Room(std::int32_t unavailableAt = -1)
{
    auto room = std::make_shared<ScheduleClassroom>();
    room->SizeAvailability(kColumns + 1);
    for (std::int32_t m = 0; m < kColumns; ++m)
        room->IsAvailable(m, m != unavailableAt);
    return room;
}

std::shared_ptr<ScheduleSpecial> Special(const char* subject)
{
    auto special = std::make_shared<ScheduleSpecial>();
    special->Subject = QString::fromLatin1(subject);
    return special;
}

class GridTest : public ::testing::Test {
protected:
    std::shared_ptr<ScheduleClassroom> room = Room(5);
    std::shared_ptr<ScheduleClassroom> other = Room();
    std::shared_ptr<ScheduleClassroom> stranger = Room();
    std::shared_ptr<ScheduleSpecial> art = Special("Art");
    std::shared_ptr<ScheduleSpecial> music = Special("Music");
    Schedule grid { { room, other }, kColumns };
};

TEST_F(GridTest, RunsStopAtObstaclesAndTellWhereToGoOn)
{
    EXPECT_EQ(grid.Cell(0, 5), -1);
    std::int32_t nextStart = 0;
    EXPECT_FALSE(grid.IsAvailable(*room, 3, 3, nextStart));
    EXPECT_EQ(nextStart, 6);
    struct Case {
        const char* name;
        const ScheduleObject* object;
        std::int32_t start;
        std::int32_t length;
        bool available;
    };
    const Case cases[] = {
        { "empty run at the end", room.get(), kColumns, 0, true },
        { "empty run on an unavailable cell", room.get(), 5, 0, true },
        { "run up to the end", other.get(), kColumns - 3, 3, true },
        { "run past the end", other.get(), kColumns - 2, 3, false },
        { "object without a row", stranger.get(), 0, 1, false },
    };
    for (const Case& c : cases) {
        nextStart = 99;
        EXPECT_EQ(grid.IsAvailable(*c.object, c.start, c.length, nextStart), c.available) << c.name;
        EXPECT_EQ(nextStart, 99) << c.name;
    }
}

TEST_F(GridTest, ItemsKeepOneNumberAndReadBackAsBlocks)
{
    grid.ScheduleItem(*room, 0, 3, art);
    grid.ScheduleItem(*other, 8, 4, music);
    grid.ScheduleItem(*other, 12, 2, art);
    grid.ScheduleItem(*other, 18, 2, Special("ART"));
    EXPECT_EQ(grid.Cell(1, 12), 1) << "the same special in another row keeps its number";
    EXPECT_EQ(grid.SubjectItems(QStringLiteral("art"))->arr, (std::vector<std::int32_t> { 1, 3 }));

    std::int32_t length = 0;
    EXPECT_EQ(grid.ScheduledItem(*other, 9, length), music);
    EXPECT_EQ(length, 3);
    EXPECT_EQ(grid.ScheduledItem(*other, 12, length), art);
    EXPECT_EQ(length, 2);
    EXPECT_EQ(grid.ScheduledItem(*other, 18, length)->GetSubject(), QStringLiteral("ART"));
    EXPECT_EQ(length, 2) << "a block at the end of the week";
    EXPECT_EQ(grid.ScheduledItem(*room, 5, length), nullptr);
    EXPECT_EQ(length, -1);
    length = 7;
    EXPECT_EQ(grid.ScheduledItem(*stranger, 0, length), nullptr);
    EXPECT_EQ(length, 7);

    grid.ScheduleItem(*room, 2, 6, nullptr);
    EXPECT_TRUE(grid.IsAvailable(*room, 2, 6)) << "clearing frees even an unavailable cell";
    EXPECT_EQ(grid.Cell(0, 5), 0);
}

TEST_F(GridTest, ScheduledCountCountsSeparateMeetingsInRange)
{
    grid.ScheduleItem(*other, 0, 2, art);
    grid.ScheduleItem(*other, 4, 2, art);
    grid.ScheduleItem(*other, 6, 2, art);
    grid.ScheduleItem(*other, 10, 3, art);
    grid.ScheduleItem(*other, 15, 2, music);
    struct Case {
        const char* name;
        const char* subject;
        std::int32_t start;
        std::int32_t end;
        std::int32_t count;
    };
    const Case cases[] = {
        { "whole week, touching meetings count once", "Art", 0, -1, 3 },
        { "subject compares without case", "aRT", 0, -1, 3 },
        { "meeting running past the end counts once", "Art", 0, 10, 3 },
        { "meeting begun before the start counts", "Art", 11, -1, 1 },
        { "range between meetings", "Art", 8, 9, 0 },
        { "subject never placed", "P.E.", 0, -1, 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(grid.ScheduledCount(*other, QString::fromLatin1(c.subject), c.start, c.end), c.count) << c.name;
    EXPECT_EQ(grid.ScheduledCount(*stranger, QStringLiteral("Art"), 0, -1), 0);
}

// The week counts and free runs are kept up to date by every write; they must
// always agree with the cells read back one by one.
TEST_F(GridTest, KeptCountsAgreeWithTheCellsAfterAnyWrites)
{
    const std::shared_ptr<ScheduleSpecial> items[] = { art, music, Special("art"), nullptr };
    std::mt19937 random(7);
    for (int step = 0; step < 2000; ++step) {
        const auto start = static_cast<std::int32_t>(random() % kColumns);
        const auto length = static_cast<std::int32_t>(random() % 5);
        grid.ScheduleItem(*other, start, std::min(length, kColumns - start), items[random() % 4]);

        std::int32_t arts = 0;
        QString previous;
        for (std::int32_t m = 0, run = 0; m < kColumns; ++m) {
            const auto placed = grid.ScheduledItem(*other, m, run);
            const QString subject = placed ? placed->GetSubject().toCaseFolded() : QString();
            arts += subject != previous && subject == QStringLiteral("art") ? 1 : 0;
            previous = subject;
        }
        ASSERT_EQ(grid.ScheduledCount(*other, QStringLiteral("Art"), 0, -1), arts) << "step " << step;

        const auto probe = static_cast<std::int32_t>(random() % kColumns);
        const auto probeLength = static_cast<std::int32_t>(random() % 6);
        std::int32_t firstTaken = -1;
        for (std::int32_t m = probe; m < std::min(probe + probeLength, kColumns) && firstTaken < 0; ++m)
            firstTaken = grid.Cell(1, m) != 0 ? m : -1;
        const bool fits = probe + probeLength <= kColumns && firstTaken < 0;
        std::int32_t nextStart = -1;
        ASSERT_EQ(grid.IsAvailable(*other, probe, probeLength, nextStart), fits) << "step " << step;
        ASSERT_EQ(nextStart, fits || probe + probeLength > kColumns ? -1 : firstTaken + 1) << "step " << step;
    }
}

} // namespace
} // namespace belltide
