#include "QtPrinting.h"
#include "RecordingGraphics.h"

#include "engine/Schedule.h"
#include "engine/ScheduleClassroom.h"
#include "engine/ScheduleGenerator.h"
#include "engine/ScheduleSpecial.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "output/DayOverviewRenderer.h"
#include "output/SubjectColors.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <algorithm>

using namespace belltide;
using belltide::test::RecordingGraphics;

namespace {

// Five classes entered out of order, two specials, and a few meetings on
// Tuesday placed by hand.
class DayOverviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        school.Name = QStringLiteral("Oak Hill");
        for (const char* grade : { "2nd", "K", "10th", "Pre-K", "1st" }) {
            auto c = std::make_shared<Classroom>();
            c->Grade = QString::fromLatin1(grade);
            c->Teacher = QStringLiteral("Teacher");
            c->DayStart = 480;
            c->DayEnd = 900;
            school.Classes.push_back(c);
        }
        school.Classes[3]->DayEnd = 690; // Pre-K goes home at 11:30
        for (const char* title : { "Music", "Art" }) {
            auto s = std::make_shared<SpecialClass>();
            s->Title = QString::fromLatin1(title);
            s->Teacher = QStringLiteral("Ms. Lee");
            s->Duration = 45;
            school.Specials.push_back(s);
        }
        for (int slot = 0; slot < 24; ++slot)
            school.Specials[1]->IsAvailable(1, slot, false); // Art away Tuesday morning
        inputs = ScheduleGenerator::BuildInputs(school).Value();
        std::vector<std::shared_ptr<ScheduleObject>> rows(inputs.Classrooms.begin(), inputs.Classrooms.end());
        school.Schedule = std::make_shared<Schedule>(rows, 5 * inputs.SlotsPerDay);
        Place(1, 0, 84 + 12); // K: Music Tuesday 9:00
        Place(4, 1, 84 + 48); // 1st: Art Tuesday 12:00
        Place(0, 0, 84 + 24); // 2nd: Music Tuesday 10:00
    }
    void Place(int classIndex, int specialIndex, int weekSlot)
    {
        const auto& row = school.ScheduleClassMap.at(school.Classes[std::size_t(classIndex)]);
        const auto& item = school.ScheduleSpecialMap.at(school.Specials[std::size_t(specialIndex)]);
        school.Schedule->ScheduleItem(*row, weekSlot, 9, item);
    }
    RecordingGraphics Draw(ScheduleOverview overview, int day, int height = 600)
    {
        RecordingGraphics g(1000, height);
        renderer.Graphics = &g;
        renderer.PageWidth = 1000;
        renderer.PageHeight = height;
        renderer.DrawHeader = false;
        renderer.RenderDay(school, overview, day);
        return g;
    }

    School school;
    GenerationInputs inputs;
    DayOverviewRenderer renderer;
};

} // namespace

TEST_F(DayOverviewTest, ClassesAreRowsInGradeOrderWithTheirDayAndALegend)
{
    QStringList order;
    for (const ScheduleContent& row : DayOverviewRenderer::Rows(school, ScheduleOverview::Classes))
        order << row.Classroom->Grade;
    EXPECT_EQ(order.join(u' '), QStringLiteral("Pre-K K 1st 2nd 10th"));

    const RecordingGraphics g = Draw(ScheduleOverview::Classes, 1);
    ASSERT_EQ(renderer.Boxes.size(), 3u);
    // K is the second row; its Music at 9:00 is one hour in.
    const DrawnBox& music = renderer.Boxes[0];
    EXPECT_EQ(music.Row.Classroom, school.Classes[1]);
    EXPECT_EQ(music.Item.Special, school.Specials[0]);
    EXPECT_EQ(music.Y, renderer.HeadingHeight + renderer.RowHeight);
    EXPECT_EQ(music.X, renderer.LabelWidth + renderer.HourWidth);
    EXPECT_EQ(music.Text, QStringLiteral("K: Teacher, Music, 9:00 AM-9:45 AM"));
    // The rows share the height, and every subject of the day has a swatch.
    EXPECT_EQ(renderer.RowHeight, (600 - renderer.HeadingHeight - renderer.LegendHeight - 1) / 5);
    EXPECT_NE(g.Find(QStringLiteral("Art")), nullptr);
    int swatches = 0;
    for (const auto& r : g.rects)
        swatches += r.filled && r.y > renderer.HeadingHeight + 5 * renderer.RowHeight
            && (r.color == SubjectColor(school, QStringLiteral("Art"))
                || r.color == SubjectColor(school, QStringLiteral("Music")));
    EXPECT_EQ(swatches, 2);
    // Pre-K is shaded after it goes home.
    EXPECT_TRUE(std::any_of(g.rects.begin(), g.rects.end(), [&](const auto& r) {
        return r.filled && r.color == AwayColor() && r.y == renderer.HeadingHeight
            && r.x == renderer.LabelWidth + int(renderer.HourWidth * (42 / 12.0));
    }));
    // Monday has nothing yet.
    Draw(ScheduleOverview::Classes, 0);
    EXPECT_TRUE(renderer.Boxes.empty());
}

TEST_F(DayOverviewTest, SpecialsAreRowsShowingWhomTheyTeachAndWhenTheyAreAway)
{
    const RecordingGraphics g = Draw(ScheduleOverview::Specials, 1);
    ASSERT_EQ(renderer.Boxes.size(), 3u);
    // Art comes before Music; Art's one class is 1st at noon.
    EXPECT_EQ(renderer.Boxes[0].Row.Special, school.Specials[1]);
    EXPECT_EQ(renderer.Boxes[0].Item.Classroom, school.Classes[4]);
    EXPECT_EQ(renderer.Boxes[0].Text, QStringLiteral("Art: Ms. Lee: 1st: Teacher, 12:00 PM-12:45 PM"));
    EXPECT_NE(g.Find(QStringLiteral("K: Teacher")), nullptr);
    // Art's Tuesday morning away is shaded from the start of the day.
    EXPECT_TRUE(std::any_of(g.rects.begin(), g.rects.end(), [&](const auto& r) {
        return r.filled && r.color == AwayColor() && r.y == renderer.HeadingHeight && r.x == renderer.LabelWidth;
    }));
    EXPECT_EQ(renderer.LegendHeight, 0);
}

TEST_F(DayOverviewTest, ASchoolTooLargeForTheHeightKeepsReadableRows)
{
    for (int i = 0; i < 60; ++i)
        school.Classes.push_back(std::make_shared<Classroom>(*school.Classes[0]));
    Draw(ScheduleOverview::Classes, 1, 300);
    RecordingGraphics probe(10, 10);
    EXPECT_EQ(renderer.RowHeight, DayOverviewRenderer::SmallestRow(probe));
    renderer.Graphics = &probe;
    EXPECT_GT(renderer.NeededHeight(school, ScheduleOverview::Classes), 300);

    // On paper the rows share the page, and their text shrinks with them.
    renderer.FitPage = true;
    const RecordingGraphics page = Draw(ScheduleOverview::Classes, 1, 300);
    EXPECT_EQ(renderer.RowHeight, (300 - renderer.HeadingHeight - renderer.LegendHeight - 1) / 65);
    ASSERT_FALSE(renderer.Boxes.empty());
    for (const DrawnBox& box : renderer.Boxes)
        EXPECT_LE(box.Y + box.Height, 300 - renderer.LegendHeight);
    const auto music = std::find_if(
        page.texts.begin(), page.texts.end(), [](const auto& t) { return t.text == QStringLiteral("Music"); });
    ASSERT_NE(music, page.texts.end());
    EXPECT_LT(music->size, 9);
}
