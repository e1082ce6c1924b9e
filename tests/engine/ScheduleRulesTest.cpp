#include "QtPrinting.h"
#include "ScheduleChecker.h"
#include "TestSchools.h"

#include "engine/Schedule.h"
#include "engine/ScheduleGenerator.h"
#include "engine/ScheduleRules.h"
#include "engine/SchoolTimetable.h"

#include <gtest/gtest.h>

namespace belltide::test {
namespace {

// 8:00-15:00 (84 slots a day): Music 45 minutes with 5 of passing time, P.E.
// twice a week, lunch 11:00-13:00 for 3 classes at once, 20 + 20 minutes.
struct SmallSchool {
    SmallSchool()
        : school(EmptySchool())
    {
        music = AddSpecial(*school, QStringLiteral("Music"), 45, 5);
        music->Teacher = QStringLiteral("Mr. Chen");
        pe = AddSpecial(*school, QStringLiteral("P.E."), 30);
        MarkUnavailable(*school, *pe, 1, 780, 900);
        for (const char* teacher : { "Mrs. Adams", "Mr. Dunn", "Ms. Hughes", "Mr. Ito" }) {
            auto c = AddClass(
                *school, QStringLiteral("K"), { { QStringLiteral("Music"), 1 }, { QStringLiteral("P.E."), 2 } });
            c->Teacher = QString::fromLatin1(teacher);
        }
        school->Classes[1]->Grade = QStringLiteral("1st");
        school->Classes[3]->DayStart = 720; // an afternoon class: 12:00-15:00
        inputs = ScheduleGenerator::BuildInputs(*school).Value();
        // Specials are listed in reverse, then the three lunch seats.
        musicRow = 1;
        peRow = 0;
    }
    std::int32_t At(std::int32_t day, std::int32_t hour, std::int32_t minute) const
    {
        return day * 84 + (hour * 60 + minute - 480) / 5;
    }
    Placement Lunch(std::int32_t classroom, std::int32_t day, std::int32_t hour, std::int32_t minute) const
    {
        return { classroom, 2, At(day, hour, minute), false };
    }

    std::shared_ptr<School> school;
    std::shared_ptr<SpecialClass> music;
    std::shared_ptr<SpecialClass> pe;
    GenerationInputs inputs;
    std::int32_t musicRow = 0;
    std::int32_t peRow = 0;
};

TEST(ScheduleRulesTest, EveryKindOfBrokenRuleIsToldInWords)
{
    SmallSchool s;
    const ScheduleRules rules(s.inputs);
    // Mr. Dunn has Music Monday 9:00; Mrs. Adams P.E. Monday 10:00; three
    // classes eat on Monday from 12:00.
    const std::vector<Placement> week = {
        { 1, s.musicRow, s.At(0, 9, 0), false },
        { 0, s.peRow, s.At(0, 10, 0), false },
        s.Lunch(0, 0, 12, 0),
        s.Lunch(1, 0, 12, 0),
        s.Lunch(2, 0, 12, 10),
    };
    ASSERT_TRUE(rules.Check(week).empty());
    WeekOccupancy occupied(rules, week);
    occupied.AddAll();

    struct Case {
        const char* name;
        Placement candidate;
        Rule rule;
        QString words;
    };
    const Case cases[] = {
        { "special busy", { 2, s.musicRow, s.At(0, 9, 30), false }, Rule::SpecialBusy,
            QStringLiteral("Music (Mr. Chen) meets 1st: Mr. Dunn then, 9:00 AM-9:45 AM.") },
        { "in the special's passing time", { 2, s.musicRow, s.At(0, 9, 45), false }, Rule::SpecialBusy,
            QStringLiteral("Music (Mr. Chen) meets 1st: Mr. Dunn then, 9:00 AM-9:45 AM.") },
        { "lunchroom full", s.Lunch(3, 0, 12, 10), Rule::LunchroomFull,
            QStringLiteral("Lunch at 12:10 PM would be the fourth class eating; the lunchroom takes 3.") },
        { "twice a day", { 0, s.peRow, s.At(0, 13, 0), false }, Rule::TwiceADay,
            QStringLiteral("P.E. would be on Monday twice for K: Mrs. Adams.") },
        { "class busy", { 0, s.musicRow, s.At(0, 9, 30), false }, Rule::ClassBusy,
            QStringLiteral("K: Mrs. Adams has P.E. (Ms. P.E.) then, 10:00 AM-10:30 AM.") },
        { "more than the class attends", { 1, s.musicRow, s.At(2, 9, 0), false }, Rule::TooMany,
            QStringLiteral("1st: Mr. Dunn already has Music once a week.") },
        { "before the class's own day", { 3, s.musicRow, s.At(2, 9, 0), false }, Rule::ClassDay,
            QStringLiteral("Music at 9:00 AM would not fit in the day of K: Mr. Ito (12:00 PM-3:00 PM).") },
        { "into the school day's last slot", { 2, s.peRow, s.At(4, 14, 30), false }, Rule::ClassDay,
            QStringLiteral("P.E. at 2:30 PM would not fit in the day of K: Ms. Hughes (8:00 AM-3:00 PM).") },
        { "special away", { 2, s.peRow, s.At(1, 13, 0), false }, Rule::SpecialTime,
            QStringLiteral("P.E. (Ms. P.E.) is not available on Tuesday at 1:00 PM.") },
        { "lunch outside the period", s.Lunch(2, 2, 10, 0), Rule::LunchPeriod,
            QStringLiteral("Lunch at 10:00 AM would be outside the lunch period.") },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<BrokenRule> broken = rules.CheckAlone(c.candidate);
        if (!broken)
            broken = occupied.WhyNot(c.candidate);
        ASSERT_TRUE(broken.has_value());
        EXPECT_EQ(broken->Rule, c.rule);
        EXPECT_EQ(broken->Words, c.words);
    }

    // Moving a meeting leaves its own old place out of the question.
    EXPECT_FALSE(occupied.WhyNot(s.Lunch(2, 0, 12, 15), 4));
    EXPECT_FALSE(occupied.WhyNot({ 1, s.musicRow, s.At(0, 9, 15), false }, 0));
    EXPECT_FALSE(occupied.WhyNot(s.Lunch(3, 0, 12, 10), 3)) << "one of the three eaters moved away";
}

TEST(ScheduleRulesTest, KeepingAfterAnEditDropsOnlyWhatNoLongerFitsPinsFirst)
{
    SmallSchool s;
    const std::vector<Placement> week = {
        { 0, s.musicRow, s.At(0, 9, 0), false },
        { 1, s.musicRow, s.At(0, 9, 45), true },
        { 0, s.peRow, s.At(1, 14, 0), false },
    };
    const ScheduleRules rules(s.inputs);
    // Without passing time the two Music meetings fit side by side.
    s.music->OverlapTime = 0;
    auto relaxed = ScheduleGenerator::BuildInputs(*s.school).Value();
    EXPECT_EQ(ScheduleRules(relaxed).Keep(week).Dropped.size(), 1u) << "P.E. on Tuesday afternoon is away";
    // With it, the pinned one stays and the earlier one goes.
    const ScheduleRules::Kept kept = rules.Keep(week);
    EXPECT_EQ(kept.Kept, std::vector<std::int32_t> { 1 });
    ASSERT_EQ(kept.Dropped.size(), 2u);
    EXPECT_EQ(kept.Dropped[0].first, 0);
    EXPECT_EQ(kept.Dropped[0].second.Rule, Rule::SpecialBusy);
    EXPECT_EQ(kept.Dropped[1].second.Rule, Rule::SpecialTime);

    const std::vector<MissingMeetings> missing = rules.Missing({ week[1] });
    std::int32_t total = 0;
    for (const MissingMeetings& m : missing)
        total += m.Count;
    EXPECT_EQ(total, 4 * (1 + 2 + 5) - 1);
}

// The searches and the rules must agree: whatever a search returns keeps every
// rule and leaves nothing missing, and the independent checker agrees too.
TEST(ScheduleRulesTest, BothSearchesReturnSchedulesThatKeepEveryRule)
{
    for (const auto& make : { +[] { return ElementarySchool(3); }, +[] { return MixedDaysSchool(); } }) {
        for (const SearchEngine engine : { SearchEngine::Quick, SearchEngine::Thorough }) {
            auto school = make();
            const GenerationInputs inputs = ScheduleGenerator::BuildInputs(*school).Value();
            GenerationOptions options;
            options.Engine = engine;
            options.Seed = 7;
            options.Attempts = 30;
            ScheduleGenerator generator;
            const GenerationResult result = generator.Run(inputs, options);
            ASSERT_TRUE(result.Schedule);
            const std::vector<Placement> placements = SchoolTimetable::FromGrid(*result.Schedule, inputs);
            const ScheduleRules rules(inputs);
            EXPECT_TRUE(rules.Check(placements).empty()) << rules.Check(placements).front().second.Words.toStdString();
            EXPECT_TRUE(rules.Missing(placements).empty());
            school->Schedule = result.Schedule;
            EXPECT_EQ(CheckSchedule(*school, *result.Schedule), QStringList());
        }
    }
}

TEST(SchoolTimetableTest, MeetingsFollowTheirClassThroughReorderingAndRemoval)
{
    auto school = ElementarySchool(2);
    const GenerationInputs inputs = ScheduleGenerator::BuildInputs(*school).Value();
    GenerationOptions options;
    options.Seed = 3;
    options.Attempts = 30;
    ScheduleGenerator generator;
    const GenerationResult result = generator.Run(inputs, options);
    ASSERT_TRUE(result.Schedule);
    auto timetable = std::make_shared<const Timetable>(SchoolTimetable::FromPlacements(
        SchoolTimetable::FromGrid(*result.Schedule, inputs), inputs, nullptr, MadeBy::Quick, {}));
    ASSERT_EQ(timetable->Meetings.size(), 12u * (5 + 5));

    // Reversing the classes and specials changes no meeting.
    std::reverse(school->Classes.begin(), school->Classes.end());
    std::reverse(school->Specials.begin(), school->Specials.end());
    const SchoolTimetable::Fitted reordered = SchoolTimetable::Fit(*school, timetable);
    EXPECT_EQ(reordered.Timetable, timetable) << "the very same schedule";
    EXPECT_TRUE(reordered.Why.isEmpty());

    // Removing a class takes its meetings and only those; nothing is missing
    // and nothing is reported dropped for a class that is gone.
    const auto removed = school->Classes[5];
    school->Classes.erase(school->Classes.begin() + 5);
    const SchoolTimetable::Fitted fitted = SchoolTimetable::Fit(*school, timetable);
    EXPECT_EQ(fitted.Timetable->Meetings.size(), 11u * 10);
    for (const Meeting& meeting : fitted.Timetable->Meetings)
        EXPECT_NE(meeting.Class, removed);
    EXPECT_TRUE(fitted.Timetable->Dropped.empty());
    EXPECT_EQ(SchoolTimetable::Missing(*school, *fitted.Timetable).Missing, 0);

    // A shorter day for one class drops what falls outside it, names it, and
    // Missing says where those meetings used to be.
    const auto shortened = school->Classes[0];
    shortened->DayEnd = 11 * 60 + 30;
    const SchoolTimetable::Fitted shorter = SchoolTimetable::Fit(*school, fitted.Timetable);
    ASSERT_FALSE(shorter.Why.isEmpty());
    EXPECT_EQ(std::int32_t(shorter.Timetable->Dropped.size()), std::int32_t(shorter.Why.size()));
    const SchoolTimetable::Shortfall shortfall = SchoolTimetable::Missing(*school, *shorter.Timetable);
    EXPECT_EQ(shortfall.Missing, std::int32_t(shorter.Why.size()));
    EXPECT_TRUE(shortfall.Meetings.front().contains(shortened->Teacher + QStringLiteral(" (was on ")))
        << shortfall.Meetings.front().toStdString();
}

} // namespace
} // namespace belltide::test
