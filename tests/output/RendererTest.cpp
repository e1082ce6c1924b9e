#include "RecordingGraphics.h"

#include "engine/Schedule.h"
#include "engine/ScheduleClassroom.h"
#include "engine/ScheduleGenerator.h"
#include "engine/ScheduleSpecial.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "output/ScheduleRenderer.h"

#include <gtest/gtest.h>

using namespace belltide;
using belltide::test::RecordingGraphics;

namespace {

// A school with two classes and two specials whose week grid is filled by hand,
// so that every box has a known place.
class RendererFixture : public ::testing::Test {
protected:
    void Build(int dayEnd)
    {
        school.DayStartAt = 480;
        school.DayEndAt = dayEnd;
        school.SpecialStartAt = 480;
        school.Name = QStringLiteral("Oak Hill");
        for (const char* teacher : { "Adams", "Baker" }) {
            auto c = std::make_shared<Classroom>();
            c->Grade = QStringLiteral("2nd");
            c->Teacher = QString::fromLatin1(teacher);
            c->DayStart = 480;
            c->DayEnd = dayEnd;
            school.Classes.push_back(c);
        }
        for (const char* title : { "Art", "Music" }) {
            auto s = std::make_shared<SpecialClass>();
            s->Title = QString::fromLatin1(title);
            s->Teacher = QStringLiteral("Ms. Lee");
            s->Duration = 45;
            school.Specials.push_back(s);
        }
        auto inputs = ScheduleGenerator::BuildInputs(school);
        ASSERT_TRUE(inputs.IsOk());
        slotsPerDay = inputs.Value().SlotsPerDay;
        std::vector<std::shared_ptr<ScheduleObject>> rows(
            inputs.Value().Classrooms.begin(), inputs.Value().Classrooms.end());
        school.Schedule = std::make_shared<Schedule>(rows, 5 * slotsPerDay);
    }

    void Place(int classIndex, int specialIndex, int weekSlot, int length)
    {
        const auto& row = school.ScheduleClassMap.at(school.Classes[std::size_t(classIndex)]);
        const auto& item = school.ScheduleSpecialMap.at(school.Specials[std::size_t(specialIndex)]);
        school.Schedule->ScheduleItem(*row, weekSlot, length, item);
    }

    RecordingGraphics Draw(const std::shared_ptr<Classroom>& c, const std::shared_ptr<SpecialClass>& s,
        int width = 1000, bool header = false)
    {
        RecordingGraphics g(width, 700);
        renderer.Graphics = &g;
        renderer.PageWidth = width;
        renderer.PageHeight = 700;
        renderer.DrawHeader = header;
        renderer.Render(school, c, s);
        return g;
    }

    School school;
    int slotsPerDay = 0;
    LandscapeScheduleRenderer renderer;
};

} // namespace

TEST_F(RendererFixture, SevenHourDayHasSevenColumnsAndLabelsWithoutAmPm)
{
    Build(900);
    EXPECT_EQ(slotsPerDay, 84);
    Place(0, 0, 12, 9); // Monday 9:00-9:45
    const RecordingGraphics g = Draw(school.Classes[0], nullptr);
    EXPECT_EQ(renderer.NumberOfHours(), 7);
    // Metrics at size 12: heading 16 high, "Wednesday" 54 wide plus 4.
    EXPECT_EQ(renderer.HeadingHeight, 16);
    EXPECT_EQ(renderer.HorizontalHeadWidth, 58);
    EXPECT_EQ(renderer.HourWidth, int((1000 - 58) / 7.0 - 1));
    EXPECT_EQ(renderer.HourHeight, 48);

    const RecordingGraphics::Text* art = g.Find(QStringLiteral("Art"));
    ASSERT_NE(art, nullptr);
    const int boxX = 58 + renderer.HourWidth;
    EXPECT_EQ(art->x, boxX + 2);
    EXPECT_NE(g.Find(QStringLiteral("9:00-9:45")), nullptr);
    EXPECT_NE(g.Find(QStringLiteral("Ms. Lee")), nullptr);
    bool boxFound = false;
    for (const auto& r : g.rects)
        boxFound |= r.filled && r.x == boxX && r.width == int(renderer.HourWidth * 0.75) && r.y == 16;
    EXPECT_TRUE(boxFound);

    EXPECT_EQ(renderer.MinuteToTime(6), QStringLiteral("8:30"));
    EXPECT_EQ(renderer.MinuteToTime(49), QStringLiteral("12:05"));
    EXPECT_EQ(renderer.MinuteToTime(54), QStringLiteral("12:30"));
    EXPECT_EQ(renderer.MinuteToTime(60), QStringLiteral("1:00"));
}

TEST_F(RendererFixture, PartialHourDaysGetAnExtraColumnAndTuesdayStartsAtItsOwnSlots)
{
    Build(910);
    EXPECT_EQ(slotsPerDay, 86);
    Place(1, 1, 86, 6); // Tuesday's first slot
    const RecordingGraphics g = Draw(school.Classes[1], nullptr);
    EXPECT_EQ(renderer.NumberOfHours(), 8);
    const RecordingGraphics::Text* music = g.Find(QStringLiteral("Music"));
    ASSERT_NE(music, nullptr);
    EXPECT_EQ(music->x, renderer.HorizontalHeadWidth + 2);
    EXPECT_EQ(music->baseline, renderer.HeadingHeight + renderer.HourHeight + 12 + 1);
    // Nine vertical lines for eight columns, and six day lines.
    EXPECT_EQ(g.lines.size(), std::size_t(1 + 9 + 1 + 6));
}

TEST_F(RendererFixture, LunchAndRecessAreTitledBlocksAndNarrowBoxesShowTheStartOnly)
{
    Build(900);
    const auto& row = school.ScheduleClassMap.at(school.Classes[0]);
    auto lunch = std::make_shared<ScheduleSpecial>();
    lunch->Subject = QStringLiteral("Lunch");
    auto recess = std::make_shared<ScheduleSpecial>();
    recess->Subject = QStringLiteral("Recess");
    school.Schedule->ScheduleItem(*row, 36, 4, lunch);
    school.Schedule->ScheduleItem(*row, 40, 4, recess);
    Place(0, 0, 60, 3); // 13:00-13:15 in a narrow page
    const RecordingGraphics g = Draw(school.Classes[0], nullptr, 400);
    EXPECT_NE(g.Find(QStringLiteral("Lunch")), nullptr);
    EXPECT_NE(g.Find(QStringLiteral("Recess")), nullptr);
    EXPECT_EQ(g.Find(QStringLiteral("1:00-1:15")), nullptr);
    const RecordingGraphics::Text* start = g.Find(QStringLiteral("1:00"));
    ASSERT_NE(start, nullptr);
    EXPECT_LE(start->size, 10);
    EXPECT_GE(start->size, 6);
}

TEST_F(RendererFixture, ASpecialShowsOnlyTheFirstClassMeetingIt)
{
    Build(900);
    Place(1, 0, 100, 9);
    Place(0, 0, 100, 9);
    const RecordingGraphics g = Draw(nullptr, school.Specials[0]);
    int grades = 0;
    for (const auto& t : g.texts)
        grades += t.text == QStringLiteral("2nd");
    EXPECT_EQ(grades, 1);
    EXPECT_NE(g.Find(QStringLiteral("Adams")), nullptr);
    EXPECT_EQ(g.Find(QStringLiteral("Baker")), nullptr);
}

TEST_F(RendererFixture, BothOrNeitherDrawsNothingAndAHeaderMovesTheGridDown)
{
    Build(900);
    EXPECT_TRUE(Draw(school.Classes[0], school.Specials[0], 1000, true).Empty());
    EXPECT_TRUE(Draw(nullptr, nullptr, 1000, true).Empty());

    const RecordingGraphics g = Draw(nullptr, school.Specials[1], 1000, true);
    const RecordingGraphics::Text* title = g.Find(QStringLiteral("Music - Ms. Lee"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->size, 36);
    EXPECT_EQ(title->x, (1000 - 15 * 18) / 2);
    const RecordingGraphics::Text* corner = g.Find(QStringLiteral("Oak Hill"));
    ASSERT_NE(corner, nullptr);
    EXPECT_EQ(corner->x, 1000 - 8 * 11 / 2 - 3);
    EXPECT_EQ(renderer.HeaderHeight, 38 + 16);
    const RecordingGraphics::Text* monday = g.Find(QStringLiteral("Monday"));
    ASSERT_NE(monday, nullptr);
    EXPECT_EQ(monday->baseline, 54 + 16 + 14);
    EXPECT_EQ(renderer.PageTop, 0);
    EXPECT_EQ(renderer.PageHeight, 700);
}

TEST_F(RendererFixture, ABlockStartingMidHourIsDrawnAtItsOwnMinute)
{
    Build(900);
    Place(0, 1, 2 * 84 + 17, 9); // Wednesday 9:25-10:10
    const RecordingGraphics g = Draw(school.Classes[0], nullptr);
    const int boxX = renderer.HorizontalHeadWidth + int(renderer.HourWidth * (17 / 12.0));
    const int dayY = renderer.HeadingHeight + 2 * renderer.HourHeight;
    const RecordingGraphics::Text* music = g.Find(QStringLiteral("Music"));
    ASSERT_NE(music, nullptr);
    EXPECT_EQ(music->x, boxX + 2);
    EXPECT_NE(g.Find(QStringLiteral("9:25-10:10")), nullptr);
    bool boxFound = false;
    for (const auto& r : g.rects)
        boxFound |= r.filled && r.x == boxX && r.y == dayY && r.width == int(renderer.HourWidth * 0.75);
    EXPECT_TRUE(boxFound);
}
