#include "ScheduleChecker.h"
#include "TestSchools.h"

#include "engine/RandomIdealScheduler.h"
#include "engine/Schedule.h"
#include "engine/ScheduleGenerator.h"
#include "model/SchoolDocument.h"

#include <gtest/gtest.h>

#include <functional>

namespace belltide::test {
namespace {

GenerationInputs Inputs(School& school)
{
    auto inputs = ScheduleGenerator::BuildInputs(school);
    EXPECT_TRUE(inputs.IsOk()) << inputs.Error().toStdString();
    return inputs.IsOk() ? inputs.Value() : GenerationInputs {};
}

std::shared_ptr<School> ExampleSchool()
{
    auto school = SchoolDocument::Read(QStringLiteral(BELLTIDE_EXAMPLES_DIR "/maple-grove.psc"));
    EXPECT_TRUE(school.IsOk()) << school.Error().toStdString();
    return school.IsOk() ? school.Value() : EmptySchool();
}

std::shared_ptr<School> ThreeClassesThreeSpecials()
{
    auto school = EmptySchool();
    for (const char* title : { "Art", "Music", "P.E." })
        AddSpecial(*school, QString::fromLatin1(title), 45, 5);
    for (int i = 0; i < 3; ++i)
        AddClass(*school, QStringLiteral("2nd"),
            { { QStringLiteral("Art"), 1 }, { QStringLiteral("Music"), 1 }, { QStringLiteral("P.E."), 1 } });
    return school;
}

TEST(SearchTest, ReturnedSchedulesKeepEveryRule)
{
    const auto loneClass = [] {
        auto school = ElementarySchool(2);
        AddClass(*school, QStringLiteral("Pre-K"), { { QStringLiteral("Art"), 2 }, { QStringLiteral("Music"), 3 } });
        return school;
    };
    struct Case {
        const char* name;
        std::function<std::shared_ptr<School>()> make;
        int leastScheduled;
    };
    // The search is greedy: on a crowded school only some attempts succeed.
    const Case cases[] = {
        { "the example school", ExampleSchool, 10 },
        { "K-5, four classes a grade", [] { return ElementarySchool(4); }, 10 },
        { "a grade of one class", loneClass, 10 },
        { "short days, late starts, busy specials", MixedDaysSchool, 3 },
        { "one grade of three", ThreeClassesThreeSpecials, 10 },
        { "large classes, three hours uninterrupted", [] { return LimitedSchool(180); }, 5 },
    };
    for (const Case& c : cases) {
        auto school = c.make();
        const GenerationInputs inputs = Inputs(*school);
        int scheduled = 0;
        for (std::uint64_t seed = 1; seed <= 10; ++seed) {
            RandomIdealScheduler scheduler(seed);
            auto schedule = scheduler.Schedule(inputs.Classrooms, inputs.Specials, inputs.SlotsPerDay);
            EXPECT_EQ(scheduler.Error(), QString()) << c.name;
            if (schedule) {
                ++scheduled;
                EXPECT_EQ(CheckSchedule(*school, *schedule), QStringList()) << c.name << ", seed " << seed;
            }
        }
        EXPECT_GE(scheduled, c.leastScheduled) << c.name;
    }
}

TEST(SearchTest, SameSeedGivesTheSameSchedule)
{
    auto school = ElementarySchool(3);
    const GenerationInputs inputs = Inputs(*school);
    std::vector<std::vector<std::int32_t>> runs;
    for (std::uint64_t seed : { 5, 5, 6 }) {
        RandomIdealScheduler scheduler(seed);
        auto schedule = scheduler.Schedule(inputs.Classrooms, inputs.Specials, inputs.SlotsPerDay);
        ASSERT_TRUE(schedule);
        std::vector<std::int32_t>& cells = runs.emplace_back();
        for (std::int32_t row = 0; row < schedule->HeadingCount(); ++row) {
            for (std::int32_t minute = 0; minute < schedule->MinuteCount(); ++minute)
                cells.push_back(schedule->Cell(row, minute));
        }
    }
    EXPECT_EQ(runs[0], runs[1]);
    EXPECT_NE(runs[0], runs[2]);
}

TEST(SearchTest, InfeasibleSchoolsFailWithoutAReport)
{
    struct Case {
        const char* name;
        std::function<void(School&)> change;
    };
    const Case cases[] = {
        // Two seats in a 25-minute window feed two classes a day, although the
        // week holds enough lunch time for three.
        { "too few lunch seats",
            [](School& school) {
                school.LunchMaxClasses = 2;
                school.LunchTime = 15;
                school.LunchEndAt = school.LunchStartAt + 20;
            } },
        { "no lunch seats", [](School& school) { school.LunchMaxClasses = 0; } },
        { "attendance of six", [](School& school) { school.Classes[1]->AttendCount(QStringLiteral("Music"), 6); } },
    };
    for (const Case& c : cases) {
        auto school = ThreeClassesThreeSpecials();
        c.change(*school);
        ScheduleGenerator generator;
        const GenerationResult result = generator.Run(Inputs(*school), { 3, 40 });
        EXPECT_FALSE(result.Schedule) << c.name;
        EXPECT_EQ(result.AttemptsMade, 3) << c.name;
        EXPECT_EQ(result.Error, QString()) << c.name;
        EXPECT_EQ(result.FailureMessage(),
            QStringLiteral("A valid schedule could not be found. Consider shortening special class lengths or "
                           "cutting back on how many times each class attends them."))
            << c.name;
    }
}

TEST(ScheduleGeneratorTest, ReportsTheAttemptAndSeedOrStops)
{
    // One class in a 45-minute day has room for lunch and recess but not Art.
    for (const bool fits : { false, true }) {
        auto school = EmptySchool();
        school->DayStartAt = school->SpecialStartAt = 660;
        school->DayEndAt = fits ? 900 : 705;
        AddSpecial(*school, QStringLiteral("Art"), 45);
        AddClass(*school, QStringLiteral("K"), { { QStringLiteral("Art"), 1 } });
        ScheduleGenerator generator;
        const GenerationResult result = generator.Run(Inputs(*school), { 4, 100 });
        EXPECT_EQ(result.AttemptsMade, fits ? 1 : 4);
        EXPECT_EQ(result.Attempt, fits ? 1 : 0);
        EXPECT_EQ(result.Seed, fits ? 100u : 103u);
        EXPECT_EQ(bool(result.Schedule), fits);
    }

    auto school = ElementarySchool(3);
    const GenerationInputs inputs = Inputs(*school);
    RandomIdealScheduler scheduler(1);
    scheduler.Abort = true;
    EXPECT_FALSE(scheduler.Schedule(inputs.Classrooms, inputs.Specials, inputs.SlotsPerDay));
    ScheduleGenerator generator;
    generator.Abort();
    const GenerationResult aborted = generator.Run(inputs, {});
    EXPECT_TRUE(aborted.Aborted);
    EXPECT_EQ(aborted.AttemptsMade, 0);
}

TEST(ScheduleGeneratorTest, RejectsSchoolsTheEngineCannotHold)
{
    struct Case {
        std::int32_t dayStart;
        std::int32_t dayEnd;
        std::int32_t seats;
        bool ok;
    };
    for (const Case c : { Case { 480, 470, 3, false }, Case { 0, 1440, 3, true }, Case { 0, 1445, 3, false },
             Case { 480, 900, 5000, false }, Case { 480, 480, 3, true } }) {
        auto school = EmptySchool();
        school->DayStartAt = c.dayStart;
        school->DayEndAt = c.dayEnd;
        school->LunchMaxClasses = c.seats;
        EXPECT_EQ(ScheduleGenerator::BuildInputs(*school).IsOk(), c.ok) << c.dayStart << "-" << c.dayEnd;
    }
}

} // namespace
} // namespace belltide::test
