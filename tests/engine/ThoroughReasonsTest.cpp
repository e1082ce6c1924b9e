#include "TestSchools.h"

#include "engine/ScheduleClassroom.h"
#include "engine/ScheduleGenerator.h"
#include "engine/ThoroughScheduler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace belltide::test {
namespace {

// One line per reason, so that a failure shows the text.
std::string Reasons(School& school, const std::function<void(GenerationInputs&)>& change = {})
{
    auto inputs = ScheduleGenerator::BuildInputs(school);
    EXPECT_TRUE(inputs.IsOk());
    if (change)
        change(inputs.Value());
    ThoroughScheduler scheduler;
    const ThoroughResult result = scheduler.Schedule(inputs.Value());
    EXPECT_FALSE(result.Schedule);
    return result.Reasons.join(u'\n').toStdString();
}

std::string Lines(const QStringList& lines)
{
    return lines.join(u'\n').toStdString();
}

// Art and Music by the book; the default day 8:00-15:00, specials from 8:10,
// lunch 11:00-13:00 on three seats, 20 minutes with 20 of recess.
std::shared_ptr<School> SmallSchool(
    std::int32_t classes, std::initializer_list<std::pair<QString, std::int32_t>> attendance)
{
    auto school = EmptySchool();
    AddSpecial(*school, QStringLiteral("Art"), 45, 5);
    AddSpecial(*school, QStringLiteral("Music"), 45, 5);
    for (std::int32_t i = 0; i < classes; ++i)
        AddClass(*school, QStringLiteral("1st"), attendance);
    return school;
}

void KeepOnly(const School& school, SpecialClass& special, std::int32_t day, std::int32_t from, std::int32_t to)
{
    for (std::int32_t d = 0; d < 5; ++d) {
        MarkUnavailable(school, special, d, school.DayStartAt, d == day ? from : school.DayEndAt);
        if (d == day)
            MarkUnavailable(school, special, d, to, school.DayEndAt);
    }
}

TEST(ThoroughReasonsTest, CountingNamesWhatWouldHaveToChange)
{
    const QString art = QStringLiteral("Art");
    const QString music = QStringLiteral("Music");
    struct Case {
        const char* name;
        std::function<std::shared_ptr<School>()> make;
        QStringList reasons;
    };
    const Case cases[] = {
        { "six times a week",
            [&] {
                return SmallSchool(2, { { music, 6 } });
            },
            { QStringLiteral("1st: Teacher 1 and 1st: Teacher 2 attend Music 6 times a week, but a class meets a "
                             "special at most once a day, five times a week.") } },
        { "six times a week, and no lunch seats",
            [&] {
                auto school = SmallSchool(1, { { art, 6 } });
                school->LunchMaxClasses = 0;
                return school;
            },
            { QStringLiteral("1st: Teacher 1 attends Art 6 times a week, but a class meets a special at most once a "
                             "day, five times a week."),
                QStringLiteral("No class can have lunch: the lunchroom takes no classes at once. Let at least one "
                               "class eat at a time.") } },
        { "a lunch period shorter than lunch",
            [&] {
                auto school = SmallSchool(2, { { art, 1 } });
                school->LunchEndAt = school->LunchStartAt + 10;
                return school;
            },
            { QStringLiteral(
                "Lunch between 11:00 AM and 11:10 AM has no room for a lunch of 20 minutes before the school "
                "day ends. A longer lunch period or a shorter lunch would make room.") } },
        { "a special never free for a whole meeting",
            [&] {
                auto school = SmallSchool(2, { { music, 1 } });
                KeepOnly(*school, *school->Specials[1], 0, 540, 570);
                return school;
            },
            { QStringLiteral("Music (Ms. Music) is never free long enough for a meeting of 45 minutes and 5 minutes "
                             "of passing time before the school day ends. More available time or shorter meetings "
                             "would make room.") } },
        { "a school day with no time in it",
            [&] {
                auto school = SmallSchool(1, { { art, 1 } });
                school->DayEndAt = school->DayStartAt;
                return school;
            },
            { QStringLiteral(
                "The school day from 8:00 AM to 8:00 AM has no room for lunch or specials. A longer school "
                "day would make room.") } },
        { "a lunch of no length",
            [&] {
                auto school = SmallSchool(1, { { art, 1 } });
                school->LunchTime = 4;
                return school;
            },
            { QStringLiteral("Lunch lasts less than 5 minutes, too short to be held. Make it last 5 minutes or "
                             "more.") } },
        { "a lunch period after school",
            [&] {
                auto school = SmallSchool(1, { { art, 1 } });
                school->LunchStartAt = 960;
                school->LunchEndAt = 1020;
                return school;
            },
            { QStringLiteral("The lunch period lies outside the school day. A lunch period inside the school day "
                             "would make room.") } },
        { "home before lunch and recess",
            [&] {
                auto school = SmallSchool(1, { { art, 1 } });
                school->Classes[0]->DayEnd = 690;
                return school;
            },
            { QStringLiteral(
                "1st: Teacher 1 is at school 8:00 AM-11:30 AM, which leaves no time for lunch between 11:00 AM "
                "and 1:00 PM followed by 20 minutes of recess. A longer day or another lunch period would "
                "make room.") } },
        { "here only while the special is away",
            [&] {
                auto school = SmallSchool(2, { { music, 2 } });
                for (const auto& classroom : school->Classes)
                    classroom->DayStart = 720;
                for (std::int32_t day = 0; day < 5; ++day)
                    MarkUnavailable(*school, *school->Specials[1], day, 720, 900);
                return school;
            },
            { QStringLiteral(
                "1st: Teacher 1 and 1st: Teacher 2 are at school 12:00 PM-3:00 PM, but Music (Ms. Music) is "
                "never free then for a meeting of 45 minutes and 5 minutes of passing time at the same "
                "time on two days that are not next to each other. A longer day, more available time "
                "for Music or fewer meetings a week would make room.") } },
        { "too many Music meetings for one teacher",
            [&] {
                auto school = SmallSchool(9, { { music, 1 } });
                KeepOnly(*school, *school->Specials[1], 0, 480, 900);
                return school;
            },
            { QStringLiteral("Music (Ms. Music) can hold at most 8 meetings a week in the times Ms. Music is "
                             "available, but the classes need 9. More available time for Music, another Music "
                             "teacher or fewer Music meetings would make room.") } },
        { "too few morning meetings for the morning classes",
            [&] {
                auto school = SmallSchool(4, { { music, 1 } });
                for (std::int32_t i = 0; i < 3; ++i)
                    school->Classes[static_cast<std::size_t>(i)]->DayEnd = 705;
                for (std::int32_t day = 0; day < 5; ++day)
                    MarkUnavailable(*school, *school->Specials[1], day, 480, day == 0 ? 600 : 720);
                return school;
            },
            { QStringLiteral("Music (Ms. Music) can hold at most 2 meetings a week between 8:00 AM and 11:45 AM, when "
                             "1st: Teacher 1, 1st: Teacher 2 and 1st: Teacher 3 are at school, but they need 3. More "
                             "available time for Music, another Music teacher or fewer Music meetings would make "
                             "room.") } },
        { "every day but one short Wednesday",
            [&] {
                auto school = SmallSchool(2, { { music, 5 } });
                MarkUnavailable(*school, *school->Specials[1], 2, 540, 900);
                return school;
            },
            { QStringLiteral("Music (Ms. Music) can hold at most 1 meeting on a Wednesday between 8:00 AM and 2:55 PM, "
                             "but 1st: Teacher 1 and 1st: Teacher 2 must meet Music every Wednesday then. More "
                             "available time for Music, another Music teacher or fewer Music meetings would make "
                             "room.") } },
        { "one seat for an hour",
            [&] {
                auto school = SmallSchool(4, {});
                school->LunchMaxClasses = 1;
                school->LunchEndAt = 720;
                return school;
            },
            { QStringLiteral("At most 3 classes can eat between 11:00 AM and 12:05 PM with 1 seat and lunches of 20 "
                             "minutes, but there are 4 classes. More seats, a longer lunch period or shorter "
                             "lunches would make room.") } },
        { "a short day full of specials",
            [&] {
                auto school = SmallSchool(1, { { art, 5 }, { music, 5 } });
                school->Classes[0]->DayEnd = 605;
                school->LunchStartAt = 480;
                return school;
            },
            { QStringLiteral("1st: Teacher 1 needs 2 h 20 min every Monday for lunch with recess and the specials it "
                             "always has then, passing times included, but has only 2 h 5 min between 8:00 AM and "
                             "10:05 AM. A longer day or fewer or shorter meetings would make room.") } },
    };
    for (const Case& c : cases) {
        auto school = c.make();
        EXPECT_EQ(Reasons(*school), Lines(c.reasons)) << c.name;
    }
}

// The school's own inputs only carry subjects that some special teaches;
// inputs made another way may not.
TEST(ThoroughReasonsTest, ASubjectNobodyTeaches)
{
    auto school = SmallSchool(1, { { QStringLiteral("Art"), 1 } });
    EXPECT_EQ(
        Reasons(*school,
            [](GenerationInputs& inputs) { inputs.Classrooms[0]->SpecialAttendance(QStringLiteral("Drama"), 2); }),
        "1st: Teacher 1 attends Drama twice a week, but no special class teaches Drama. Add a Drama special class "
        "or take Drama off the attendance.");
}

TEST(ThoroughReasonsTest, TheSolverNamesTheRequirementsThatClash)
{
    // Art and Music are both free only at nine on Monday: each alone fits.
    auto oneClass = SmallSchool(1, { { QStringLiteral("Art"), 1 }, { QStringLiteral("Music"), 1 } });
    for (std::size_t s = 0; s < 2; ++s)
        KeepOnly(*oneClass, *oneClass->Specials[s], 0, 540, 590);
    EXPECT_EQ(Reasons(*oneClass),
        Lines({ QStringLiteral("1st: Teacher 1 cannot fit Art and Music into its day (8:00 AM-3:00 PM) at times "
                               "when Art (Ms. Art) and Music (Ms. Music) can take it. More available time for "
                               "Art (Ms. Art) and Music (Ms. Music), a longer day or fewer meetings would make "
                               "room.") }));

    // Two such clashes, one on Monday for the first class and one on Tuesday
    // for the second, give one reason each.
    auto twoClasses = EmptySchool();
    for (const char* title : { "Art", "Music", "P.E.", "Library" })
        AddSpecial(*twoClasses, QString::fromLatin1(title), 45, 5);
    AddClass(*twoClasses, QStringLiteral("2nd"), { { QStringLiteral("Art"), 1 }, { QStringLiteral("Music"), 1 } });
    AddClass(*twoClasses, QStringLiteral("3rd"), { { QStringLiteral("P.E."), 1 }, { QStringLiteral("Library"), 1 } });
    for (std::size_t s = 0; s < 4; ++s)
        KeepOnly(*twoClasses, *twoClasses->Specials[s], s < 2 ? 0 : 1, 540, 590);
    const std::string reasons = Reasons(*twoClasses);
    EXPECT_EQ(std::count(reasons.begin(), reasons.end(), '\n'), 1) << reasons;
    EXPECT_NE(reasons.find("2nd: Teacher 1 cannot fit Art and Music into its day"), std::string::npos) << reasons;
    EXPECT_NE(reasons.find("3rd: Teacher 2 cannot fit P.E. and Library into its day"), std::string::npos) << reasons;
}

} // namespace
} // namespace belltide::test
