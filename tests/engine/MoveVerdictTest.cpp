#include "QtPrinting.h"
#include "ScheduleChecker.h"
#include "TestSchools.h"

#include "engine/Schedule.h"
#include "engine/ScheduleGenerator.h"
#include "engine/ScheduleRules.h"
#include "engine/ScheduleSpecial.h"
#include "engine/SchoolTimetable.h"
#include "model/SchoolDocument.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>

namespace belltide::test {
namespace {

std::shared_ptr<School> Example()
{
    return SchoolDocument::Read(QStringLiteral(BELLTIDE_EXAMPLES_DIR "/maple-grove.psc")).Value();
}

// Moves random meetings of generated schedules to random places (another day,
// another time, another teacher of the subject) and asks the rules whether
// each move may be made. The independent checker, which shares no code with
// the rules, must agree on every verdict.
TEST(MoveVerdictTest, TheRulesAndTheIndependentCheckerAgreeOnRandomMoves)
{
    const std::pair<const char*, std::function<std::shared_ptr<School>()>> schools[] = {
        { "the example school", Example },
        { "K-5, three classes a grade", [] { return ElementarySchool(3); } },
        { "short days, late starts, busy specials", MixedDaysSchool },
        { "large classes, three hours uninterrupted", [] { return LimitedSchool(180); } },
    };
    std::mt19937 random(20261206);
    std::map<Rule, int> refusedFor;
    for (const auto& [name, make] : schools) {
        SCOPED_TRACE(name);
        auto school = make();
        const GenerationInputs inputs = ScheduleGenerator::BuildInputs(*school).Value();
        GenerationOptions options;
        options.Seed = 11;
        options.Engine = SearchEngine::QuickThenThorough;
        ScheduleGenerator generator;
        const GenerationResult result = generator.Run(inputs, options);
        ASSERT_TRUE(result.Schedule);
        const std::vector<Placement> week = SchoolTimetable::FromGrid(*result.Schedule, inputs);
        const ScheduleRules rules(inputs);
        WeekOccupancy occupied(rules, week);
        occupied.AddAll();
        const std::int32_t perDay = inputs.SlotsPerDay;

        int allowed = 0;
        int refused = 0;
        for (int trial = 0; trial < 800; ++trial) {
            const std::int32_t moved = std::int32_t(random() % week.size());
            Placement candidate = week[std::size_t(moved)];
            candidate.Start = std::int32_t(random() % 5) * perDay + std::int32_t(random() % std::uint32_t(perDay));
            // Sometimes to another special of the same subject (another seat, for lunch).
            const std::int32_t other = std::int32_t(random() % inputs.Specials.size());
            if (random() % 3 == 0 && rules.SubjectOf(other) == rules.SubjectOf(candidate.Special))
                candidate.Special = other;
            // Near the meeting's own place more often, where the hard cases are.
            if (trial % 2 == 0)
                candidate.Start = std::clamp(week[std::size_t(moved)].Start + std::int32_t(random() % 25) - 12,
                    candidate.Start / perDay * perDay, candidate.Start / perDay * perDay + perDay - 1);

            std::optional<BrokenRule> broken = rules.CheckAlone(candidate);
            if (!broken)
                broken = occupied.WhyNot(candidate, moved);
            const bool rulesAllow = !broken;
            if (broken)
                refusedFor[broken->Rule] += 1;
            std::vector<Placement> after = week;
            after[std::size_t(moved)] = candidate;
            SchoolTimetable::SeatLunches(after, inputs);
            const auto grid = SchoolTimetable::ToGrid(after, inputs);
            const QStringList problems = CheckSchedule(*school, *grid);
            ASSERT_EQ(rulesAllow, problems.isEmpty())
                << "moving " << rules.Describe(week[std::size_t(moved)]).toStdString() << " to "
                << rules.Describe(candidate).toStdString() << " on "
                << rules.SpecialName(candidate.Special).toStdString()
                << "; the checker says: " << problems.join(QStringLiteral("; ")).toStdString();
            (rulesAllow ? allowed : refused) += 1;
        }
        // Both verdicts must have been put to the test.
        EXPECT_GT(allowed, 20);
        EXPECT_GT(refused, 20);
    }
    EXPECT_GT(refusedFor[Rule::TooManyStudents], 2);
    EXPECT_GT(refusedFor[Rule::NoFreeTime], 10);
}

} // namespace
} // namespace belltide::test
