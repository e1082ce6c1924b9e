#include "model/AvailabilityRanges.h"
#include "model/Classroom.h"
#include "model/NumberText.h"
#include "model/School.h"
#include "model/SpecialClass.h"

#include <gtest/gtest.h>

#include <limits>

using namespace belltide;

TEST(SchoolModel, NewSchoolHasTheDefaultsOfANewDocument)
{
    const School school;
    EXPECT_EQ(school.Name, QStringLiteral("My School"));
    EXPECT_EQ(school.DayStartAt, 480);
    EXPECT_EQ(school.DayEndAt, 900);
    EXPECT_EQ(school.SpecialStartAt, 490);
    EXPECT_EQ(school.LunchStartAt, 660);
    EXPECT_EQ(school.LunchEndAt, 780);
    EXPECT_EQ(school.LunchMaxClasses, 3);
    EXPECT_EQ(school.LunchTime, 20);
    EXPECT_EQ(school.LunchRecessTime, 20);
    EXPECT_EQ(school.InterruptFreeTime, 45);
    EXPECT_TRUE(school.Classes.empty());
    EXPECT_TRUE(school.Specials.empty());
    EXPECT_EQ(school.Schedule, nullptr);
}

TEST(SchoolModel, AttendanceCountsZeroUntilSetAndKeepsExplicitZeroEntries)
{
    Classroom classroom;
    EXPECT_EQ(classroom.AttendCount(QStringLiteral("Art")), 0);
    classroom.AttendCount(QStringLiteral("Art"), 2);
    EXPECT_EQ(classroom.AttendCount(QStringLiteral("Art")), 2);
    classroom.AttendCount(QStringLiteral("Art"), 0);
    EXPECT_EQ(classroom.AttendCount(QStringLiteral("Art")), 0);
    ASSERT_EQ(classroom.SpecialAttendance().Count(), 1u);
    EXPECT_EQ(classroom.SpecialAttendance().Entries()[0].first, QStringLiteral("Art"));
}

// Attendance follows the title text, not the special: renaming moves nothing.
TEST(SchoolModel, AttendanceStaysUnderTheOldTitleAfterARename)
{
    SpecialClass special;
    special.Title = QStringLiteral("Art");
    Classroom classroom;
    classroom.AttendCount(special.Title, 2);
    special.Title = QStringLiteral("Music");
    EXPECT_EQ(classroom.AttendCount(special.Title), 0);
    EXPECT_EQ(classroom.AttendCount(QStringLiteral("Art")), 2);
    special.Title = QStringLiteral("Art");
    EXPECT_EQ(classroom.AttendCount(special.Title), 2);
}

TEST(SchoolModel, AttendanceTitlesIgnoreLetterCaseAndKeepTheirFirstSpellingAndOrder)
{
    Classroom classroom;
    classroom.AttendCount(QStringLiteral("P.E."), 1);
    classroom.AttendCount(QStringLiteral("Art"), 2);
    classroom.AttendCount(QStringLiteral("p.e."), 3);
    EXPECT_EQ(classroom.AttendCount(QStringLiteral("P.E.")), 3);
    const auto& entries = classroom.SpecialAttendance().Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].first, QStringLiteral("P.E."));
    EXPECT_EQ(entries[1].first, QStringLiteral("Art"));
}

TEST(SchoolModel, AvailabilityKeysAndExplicitTrueEntries)
{
    EXPECT_EQ(SpecialClass::DayMinuteToKey(0, 12), QStringLiteral("0$12"));
    EXPECT_EQ(SpecialClass::DayMinuteToKey(2, 17), QStringLiteral("2$17"));
    EXPECT_EQ(SpecialClass::DayMinuteToKey(3, -1), QStringLiteral("3$-1"));

    SpecialClass special;
    EXPECT_TRUE(special.IsAvailable(4, 0));
    special.IsAvailable(4, 0, false);
    EXPECT_FALSE(special.IsAvailable(4, 0));
    ASSERT_TRUE(special.Availability().Contains(QStringLiteral("4$0")));
    special.IsAvailable(4, 0, true);
    EXPECT_TRUE(special.IsAvailable(4, 0));
    EXPECT_EQ(*special.Availability().Find(QStringLiteral("4$0")), true);
    EXPECT_TRUE(special.IsAvailable(0, 4)) << "4$0 and 0$4 must not collide";
}

TEST(NumberText, ReadsTheLeadingDecimalNumberAndSaturates)
{
    struct Case {
        const char16_t* text;
        std::int32_t expected;
    };
    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    constexpr auto min = std::numeric_limits<std::int32_t>::min();
    const Case cases[] = {
        { u"12abc", 12 },
        { u"abc", 0 },
        { u"-5", -5 },
        { u"25.9", 25 },
        { u"-25.9", -25 },
        { u"", 0 },
        { u"\n  60\n", 60 },
        { u"+7", 7 },
        { u"-", 0 },
        { u".5", 0 },
        { u"007", 7 },
        { u"1e3", 1 },
        { u"2147483647", max },
        { u"99999999999999999999", max },
        { u"-2147483648", min },
        { u"-99999999999", min },
        { u"4 5", 4 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadNumber(QStringView(c.text)), c.expected) << QString::fromUtf16(c.text).toStdString();
    EXPECT_EQ(FormatNumber(-5), QStringLiteral("-5"));
    EXPECT_EQ(FormatNumber(0), QStringLiteral("0"));
}

TEST(AvailabilityRanges, MergesAdjacentSlotsPerDayInDayAndTimeOrder)
{
    SpecialClass special;
    for (int slot : { 50, 48, 49, 60 })
        special.IsAvailable(2, slot, false);
    special.IsAvailable(0, 0, false);
    special.IsAvailable(1, 5, false);
    special.IsAvailable(1, 5, true); // a mark taken back is no longer unavailable
    special.IsAvailable(7, std::numeric_limits<std::int32_t>::max(), false);

    const std::vector<UnavailableRange> expected = {
        { 0, 480, 485 },
        { 2, 720, 735 },
        { 2, 780, 785 },
        { 7, std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max() },
    };
    EXPECT_EQ(UnavailableRanges(special, 480), expected);
}
