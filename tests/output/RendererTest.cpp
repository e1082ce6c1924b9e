#include "QtPrinting.h"
#include "RecordingGraphics.h"

#include "engine/Schedule.h"
#include "engine/ScheduleClassroom.h"
#include "engine/ScheduleGenerator.h"
#include "engine/ScheduleSpecial.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "output/ScheduleRenderer.h"
#include "output/SubjectColors.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <QSet>

using namespace belltide;
using belltide::test::RecordingGraphics;

namespace {

// A school with two classes and two specials whose week grid is filled by hand,
// so that every box has a known place.
class RendererFixture : public ::testing::Test {
protected:
    // Times are written in the system's format: here a 12-hour one.
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

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

TEST_F(RendererFixture, SevenHourDayHasSevenColumnsDaysSharingTheHeightAndTimesInTheSystemsFormat)
{
    Build(900);
    EXPECT_EQ(slotsPerDay, 84);
    Place(0, 0, 12, 9); // Monday 9:00-9:45
    renderer.FillHeight = false;
    Draw(school.Classes[0], nullptr);
    EXPECT_EQ(renderer.HourHeight, 48) << "three lines of text a day";
    renderer.FillHeight = true;
    const RecordingGraphics g = Draw(school.Classes[0], nullptr);
    EXPECT_EQ(renderer.NumberOfHours(), 7);
    // Metrics at size 12: heading 16 high, "Wednesday" 54 wide plus 4.
    EXPECT_EQ(renderer.HeadingHeight, 16);
    EXPECT_EQ(renderer.HorizontalHeadWidth, 58);
    EXPECT_EQ(renderer.HourWidth, int((1000 - 58) / 7.0 - 1));
    EXPECT_EQ(renderer.HourHeight, (700 - 16 - 1) / 5) << "the five days fill the height";

    const RecordingGraphics::Text* art = g.Find(QStringLiteral("Art"));
    ASSERT_NE(art, nullptr);
    const int boxX = 58 + renderer.HourWidth;
    EXPECT_EQ(art->x, boxX + 2);
    EXPECT_NE(g.Find(QStringLiteral("9:00 AM-9:45 AM")), nullptr);
    EXPECT_NE(g.Find(QStringLiteral("Ms. Lee")), nullptr);
    bool boxFound = false;
    for (const auto& r : g.rects)
        boxFound |= r.filled && r.x == boxX && r.width == int(renderer.HourWidth * 0.75) && r.y == 16;
    EXPECT_TRUE(boxFound);

    EXPECT_EQ(renderer.MinuteToTime(6), QStringLiteral("8:30 AM"));
    EXPECT_EQ(renderer.MinuteToTime(49), QStringLiteral("12:05 PM"));
    EXPECT_EQ(renderer.MinuteToTime(60), QStringLiteral("1:00 PM"));
    EXPECT_EQ(renderer.HourHeading(1), QStringLiteral("9:00 AM"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(renderer.MinuteToTime(60), QStringLiteral("13:00"));
    EXPECT_EQ(renderer.HourHeading(1), QStringLiteral("09:00"));
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

TEST_F(RendererFixture, NarrowBoxesAbbreviateAndKeepTheWholeTextForTheirTooltip)
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
    // Boxes 8 units wide: no letter fits, across or on its side; the whole
    // text is the tooltip's.
    const RecordingGraphics narrowest = Draw(school.Classes[0], nullptr, 250);
    EXPECT_EQ(narrowest.Find(QStringLiteral("Lunch")), nullptr);
    EXPECT_EQ(narrowest.Find(QStringLiteral("L.")), nullptr);
    EXPECT_EQ(renderer.Boxes[0].Text, QStringLiteral("Lunch, 11:00 AM-11:20 AM"));

    // 16 units wide: "Lunch" fits across at no size, but reads upward in full;
    // Art, 12 wide, fits across at the smallest size.
    const RecordingGraphics g = Draw(school.Classes[0], nullptr, 420);
    for (const char* subject : { "Lunch", "Recess" }) {
        const RecordingGraphics::Text* upward = g.Find(QString::fromLatin1(subject));
        ASSERT_NE(upward, nullptr) << subject;
        EXPECT_TRUE(upward->upward);
        EXPECT_EQ(upward->size, 10);
        const DrawnBox& box = renderer.Boxes[upward->text == QStringLiteral("Lunch") ? 0 : 1];
        EXPECT_TRUE(box.Contains(upward->x, upward->baseline)) << subject;
        EXPECT_LE(upward->x + upward->size + 2, box.X + box.Width) << subject;
    }
    EXPECT_EQ(g.Find(QStringLiteral("1:00 PM-1:15 PM")), nullptr);
    ASSERT_EQ(renderer.Boxes.size(), 3u);
    const auto start = std::find_if(g.texts.begin(), g.texts.end(), [&](const auto& t) {
        return t.text == QStringLiteral("1:00 PM") && t.x == renderer.Boxes[2].X + 2
            && t.baseline > renderer.Boxes[2].Y;
    });
    ASSERT_NE(start, g.texts.end()) << "the start alone, in the box";
    EXPECT_EQ(start->size, 6);

    EXPECT_EQ(renderer.Boxes[0].Text, QStringLiteral("Lunch, 11:00 AM-11:20 AM"));
    EXPECT_EQ(renderer.Boxes[1].Text, QStringLiteral("Recess, 11:20 AM-11:40 AM"));
    EXPECT_EQ(renderer.Boxes[2].Text, QStringLiteral("Art, Ms. Lee, 1:00 PM-1:15 PM"));
    const DrawnBox& art = renderer.Boxes[2];
    EXPECT_TRUE(art.Contains(art.X + 1, art.Y + 1));
    EXPECT_EQ(art.Day, 0);
    EXPECT_EQ(art.Slot, 60);
    EXPECT_EQ(art.Length, 3);
    EXPECT_EQ(art.Row.Classroom, school.Classes[0]);
    EXPECT_EQ(art.Item.Special, school.Specials[0]);

    // Boxes are coloured by subject, the same subject alike.
    QColor lunchFill;
    QColor artFill;
    for (const auto& r : g.rects) {
        if (r.filled && r.x == art.X && r.y == art.Y)
            artFill = r.color;
        if (r.filled && r.x == renderer.Boxes[0].X && r.y == renderer.Boxes[0].Y)
            lunchFill = r.color;
    }
    EXPECT_EQ(artFill, SubjectColor(school, QStringLiteral("Art")));
    EXPECT_EQ(lunchFill, SubjectColor(school, QStringLiteral("Lunch")));
    EXPECT_NE(artFill, lunchFill);
}

TEST(SubjectColors, UpToTenSubjectsOfASchoolNeverShareAColour)
{
    School school;
    const QStringList titles
        = QStringLiteral("Art,Music,P.E.,Library,Computer Lab,Science,Drama,Spanish,Band,Health").split(u',');
    for (const QString& title : titles) {
        school.Specials.push_back(std::make_shared<SpecialClass>());
        school.Specials.back()->Title = title;
    }
    QSet<QRgb> colours;
    for (const QString& title : titles)
        colours.insert(SubjectColor(school, title).rgb());
    EXPECT_EQ(colours.size(), titles.size());
    EXPECT_EQ(SubjectColor(school, QStringLiteral("music")), SubjectColor(school, QStringLiteral("Music")));
    EXPECT_FALSE(colours.contains(SubjectColor(school, QStringLiteral("Lunch")).rgb()));
}

TEST_F(RendererFixture, TimeAClassIsNotAtSchoolOrASpecialIsAwayIsShaded)
{
    Build(900);
    school.Classes[0]->DayEnd = 12 * 60; // gone at noon
    const auto shaded = [&](const RecordingGraphics& g, int day, int from, int to) {
        const int x = renderer.HorizontalHeadWidth + int(renderer.HourWidth * (from / 12.0));
        const int y = renderer.HeadingHeight + renderer.HourHeight * day;
        return std::any_of(g.rects.begin(), g.rects.end(), [&](const auto& r) {
            return r.filled && r.color == AwayColor() && r.x == x && r.y == y
                && r.x + r.width == renderer.HorizontalHeadWidth + int(renderer.HourWidth * (to / 12.0));
        });
    };
    const RecordingGraphics week = Draw(school.Classes[0], nullptr);
    for (int day = 0; day < 5; ++day)
        EXPECT_TRUE(shaded(week, day, 48, 84)) << day;

    // Away on Tuesday from 13:00, and every morning before specials start at 8:10.
    school.SpecialStartAt = 490;
    for (int slot = 60; slot < 84; ++slot)
        school.Specials[1]->IsAvailable(1, slot, false);
    const RecordingGraphics music = Draw(nullptr, school.Specials[1]);
    EXPECT_TRUE(shaded(music, 1, 60, 84));
    EXPECT_TRUE(shaded(music, 3, 0, 2));
    EXPECT_FALSE(shaded(music, 3, 60, 84));
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
    EXPECT_NE(g.Find(QStringLiteral("9:25 AM-10:10 AM")), nullptr);
    bool boxFound = false;
    for (const auto& r : g.rects)
        boxFound |= r.filled && r.x == boxX && r.y == dayY && r.width == int(renderer.HourWidth * 0.75);
    EXPECT_TRUE(boxFound);
}
