#include "QtPrinting.h"
#include "ScheduleChecker.h"
#include "TestSchools.h"

#include "engine/ClassLimits.h"
#include "engine/RandomIdealScheduler.h"
#include "engine/ScheduleGenerator.h"
#include "engine/ScheduleRules.h"
#include "engine/ScheduleSpecial.h"
#include "engine/ThoroughScheduler.h"

#include <gtest/gtest.h>

namespace belltide::test {
namespace {

GenerationInputs Inputs(School& school)
{
    auto inputs = ScheduleGenerator::BuildInputs(school);
    EXPECT_TRUE(inputs.IsOk()) << inputs.Error().toStdString();
    return inputs.IsOk() ? inputs.Value() : GenerationInputs {};
}

std::int32_t Row(const GenerationInputs& inputs, const QString& teacher)
{
    for (std::size_t i = 0; i < inputs.Specials.size(); ++i) {
        if (inputs.Specials[i]->Teacher == teacher)
            return static_cast<std::int32_t>(i);
    }
    return -1;
}

std::int32_t Seat(const GenerationInputs& inputs)
{
    for (std::size_t i = 0; i < inputs.Specials.size(); ++i) {
        if (inputs.Specials[i]->Subject == QStringLiteral("Lunch"))
            return static_cast<std::int32_t>(i);
    }
    return -1;
}

std::int32_t At(const School& school, std::int32_t day, std::int32_t time)
{
    return day * (school.DayEndAt - school.DayStartAt) / 5 + (time - school.DayStartAt) / 5;
}

// The special is free only from `from` to `to`, every day.
void OnlyFrom(const School& school, SpecialClass& special, std::int32_t from, std::int32_t to)
{
    for (std::int32_t day = 0; day < 5; ++day) {
        MarkUnavailable(school, special, day, school.DayStartAt, from);
        MarkUnavailable(school, special, day, to, school.DayEndAt);
    }
}

std::shared_ptr<Classroom> AddNamedClass(School& school, const QString& grade, const QString& teacher,
    std::int32_t students, std::initializer_list<std::pair<QString, std::int32_t>> attendance)
{
    auto classroom = AddClass(school, grade, attendance);
    classroom->Teacher = teacher;
    classroom->NumberOfStudents = students;
    return classroom;
}

GenerationResult Generate(const GenerationInputs& inputs, SearchEngine engine)
{
    ScheduleGenerator generator;
    GenerationOptions options { 5, 1 };
    options.Engine = engine;
    return generator.Run(inputs, options);
}

TEST(ClassLimitsTest, TheLongestStretchIsFoundOverEveryWayOfHoldingTheBlocks)
{
    using Ways = std::vector<ClassLimits::Way>;
    struct Case {
        const char* name;
        std::vector<Ways> blocks;
        std::int32_t longest;
    };
    // A day of slots 0 to 19.
    const Case cases[] = {
        { "nothing to hold", {}, 20 },
        { "one block, pushed to an end", { { { 5, 4 }, { 8, 4 } } }, 11 },
        { "blocks on both sides of the middle", { { { 6, 2 } }, { { 12, 2 } } }, 6 },
        { "a shorter way of holding a block wins", { { { 10, 8 }, { 10, 2 } } }, 10 },
        { "two blocks that must share one side", { { { 2, 3 }, { 15, 3 } }, { { 5, 3 }, { 16, 2 } } }, 12 },
        { "a way past the day's end does not count", { { { 18, 4 }, { 9, 2 } } }, 9 },
        { "blocks that cannot both be held", { { { 4, 4 } }, { { 6, 4 } } }, -1 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassLimits::LongestPossible(0, 20, c.blocks), c.longest) << c.name;

    const std::vector<ClassLimits::Stretch> busy { { 12, 15 }, { 2, 4 }, { 3, 6 } };
    EXPECT_EQ(ClassLimits::LongestFree(0, 20, busy), 6) << "overlapping stretches, in any order";
    EXPECT_EQ(ClassLimits::LongestFree(4, 14, busy), 6);
    EXPECT_EQ(ClassLimits::FreeSlots(45), 9);
    EXPECT_EQ(ClassLimits::FreeSlots(47), 10) << "part of a slot needs a whole one";
    EXPECT_EQ(ClassLimits::FreeSlots(0), 0);
}

TEST(ClassLimitsTest, AClassLargerThanEverySpecialOfASubjectIsToldSo)
{
    auto school = EmptySchool();
    AddSpecial(*school, QStringLiteral("Computer Lab"), 45, 5)->Teacher = QStringLiteral("Mr. Okafor");
    AddSpecial(*school, QStringLiteral("Computer Lab"), 45, 5)->Teacher = QStringLiteral("Ms. Ito");
    school->Specials[0]->MaxStudents = 24;
    school->Specials[1]->MaxStudents = 20;
    AddNamedClass(
        *school, QStringLiteral("4th"), QStringLiteral("Mr. O'Brien"), 27, { { QStringLiteral("Computer Lab"), 1 } });
    AddNamedClass(
        *school, QStringLiteral("4th"), QStringLiteral("Ms. Park"), 19, { { QStringLiteral("Computer Lab"), 1 } });
    const GenerationInputs inputs = Inputs(*school);
    const QString reason = QStringLiteral("4th: Mr. O'Brien has 27 students, but Computer Lab takes at most 24. Raise "
                                          "the maximum or set 4th: Mr. O'Brien's Computer Lab to 0 times a week.");
    for (const SearchEngine engine : { SearchEngine::Quick, SearchEngine::QuickThenThorough, SearchEngine::Thorough }) {
        const GenerationResult result = Generate(inputs, engine);
        EXPECT_FALSE(result.Schedule);
        EXPECT_EQ(result.FailureMessage(), reason) << int(engine);
    }
    EXPECT_EQ(Generate(inputs, SearchEngine::Quick).Error, reason) << "the quick search's own check says it";
    EXPECT_EQ(Generate(inputs, SearchEngine::Thorough).Reasons, QStringList { reason });

    // Which special is too small is a rule of each placement too.
    const ScheduleRules rules(inputs);
    const std::optional<BrokenRule> broken = rules.CheckAlone({ 0, Row(inputs, QStringLiteral("Mr. Okafor")), 20 });
    ASSERT_TRUE(broken);
    EXPECT_EQ(broken->Rule, Rule::TooManyStudents);
    EXPECT_EQ(
        broken->Words, QStringLiteral("Computer Lab (Mr. Okafor) takes at most 24 students; 4th: Mr. O'Brien has 27."));
    EXPECT_FALSE(rules.CheckAlone({ 1, Row(inputs, QStringLiteral("Mr. Okafor")), 20 }));
}

// Five classes of 19 to 27 attend Computer Lab twice a week; one lab takes 24,
// the other 30.
std::shared_ptr<School> TwoLabs()
{
    auto school = EmptySchool();
    AddSpecial(*school, QStringLiteral("Computer Lab"), 50, 10)->Teacher = QStringLiteral("Mr. Okafor");
    AddSpecial(*school, QStringLiteral("Computer Lab"), 50, 10)->Teacher = QStringLiteral("Ms. Vance");
    AddSpecial(*school, QStringLiteral("Art"), 45, 5);
    school->Specials[0]->MaxStudents = 24;
    school->Specials[1]->MaxStudents = 30;
    const std::pair<const char*, std::int32_t> classes[]
        = { { "Mr. O'Brien", 27 }, { "Ms. Park", 26 }, { "Mrs. Quinn", 25 }, { "Mr. Dunn", 19 }, { "Ms. Hughes", 24 } };
    for (const auto& [teacher, students] : classes)
        AddNamedClass(*school, QStringLiteral("4th"), QString::fromLatin1(teacher), students,
            { { QStringLiteral("Computer Lab"), 2 }, { QStringLiteral("Art"), 1 } });
    return school;
}

TEST(ClassLimitsTest, LargeClassesMeetOnlyTheSpecialsThatTakeThem)
{
    auto school = TwoLabs();
    GenerationInputs inputs = Inputs(*school);
    int quick = 0;
    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
        RandomIdealScheduler scheduler(seed);
        const auto schedule = scheduler.Schedule(inputs.Classrooms, inputs.Specials, inputs.SlotsPerDay);
        if (!schedule)
            continue;
        ++quick;
        EXPECT_EQ(CheckSchedule(*school, *schedule), QStringList()) << "seed " << seed;
    }
    EXPECT_GE(quick, 8);
    ThoroughScheduler thorough;
    thorough.RepairFirst = false;
    const ThoroughResult result = thorough.Schedule(inputs);
    ASSERT_TRUE(result.Schedule);
    EXPECT_EQ(CheckSchedule(*school, *result.Schedule), QStringList());

    // A meeting of a large class kept from before the limit was set is given back.
    inputs.Fixed = { { 0, Row(inputs, QStringLiteral("Mr. Okafor")), At(*school, 0, 540), true },
        { 3, Row(inputs, QStringLiteral("Mr. Okafor")), At(*school, 1, 540), false } };
    for (const SearchEngine engine : { SearchEngine::Quick, SearchEngine::Thorough }) {
        const GenerationResult fixed = Generate(inputs, engine);
        ASSERT_TRUE(fixed.Schedule) << fixed.FailureMessage().toStdString();
        EXPECT_EQ(fixed.Released, std::vector<std::int32_t> { 0 });
        EXPECT_EQ(
            CheckSchedule(*school, *fixed.Schedule, { { 3, QStringLiteral("Computer Lab"), 1, 12 } }), QStringList());
    }
}

// 2nd: Ms. Hughes, 8:00-14:00 in a school day to 15:00, has P.E. and Music
// every day at the only times they are free, 8:30-10:00 and 10:30-12:00,
// and lunch at 12:30 with recess to 13:30: every stretch left is 30 minutes.
std::shared_ptr<School> CrowdedDays()
{
    auto school = EmptySchool();
    school->LunchStartAt = 750;
    school->LunchEndAt = 775;
    school->LunchTime = 30;
    school->LunchRecessTime = 30;
    school->LunchMaxClasses = 1;
    OnlyFrom(*school, *AddSpecial(*school, QStringLiteral("P.E."), 90), 510, 600);
    OnlyFrom(*school, *AddSpecial(*school, QStringLiteral("Music"), 90), 630, 720);
    AddNamedClass(*school, QStringLiteral("2nd"), QStringLiteral("Ms. Hughes"), 23,
        { { QStringLiteral("P.E."), 5 }, { QStringLiteral("Music"), 5 } })
        ->DayEnd
        = 840;
    return school;
}

TEST(ClassLimitsTest, ADayWithoutRoomForTheFreeStretchIsNamedWithWhatWouldFit)
{
    auto school = CrowdedDays();
    const GenerationInputs inputs = Inputs(*school);
    const QString reason = QStringLiteral("2nd: Ms. Hughes cannot keep 45 uninterrupted minutes on Monday with P.E., "
                                          "Music and lunch in a 6-hour day; 30 minutes would fit.");
    for (const SearchEngine engine : { SearchEngine::Quick, SearchEngine::QuickThenThorough, SearchEngine::Thorough }) {
        const GenerationResult result = Generate(inputs, engine);
        EXPECT_FALSE(result.Schedule);
        EXPECT_EQ(result.FailureMessage(), reason) << int(engine);
    }

    // Half an hour is what the day leaves: asked for that, it has a schedule.
    school->InterruptFreeTime = 30;
    const GenerationResult result = Generate(Inputs(*school), SearchEngine::Quick);
    ASSERT_TRUE(result.Schedule) << result.FailureMessage().toStdString();
    EXPECT_EQ(CheckSchedule(*school, *result.Schedule), QStringList());
}

TEST(ClassLimitsTest, AMoveThatWouldBreakTheFreeStretchIsRefusedInWords)
{
    auto school = EmptySchool();
    school->InterruptFreeTime = 90;
    school->SpecialStartAt = school->DayStartAt;
    for (const char* title : { "Art", "Music", "P.E." })
        AddSpecial(*school, QString::fromLatin1(title), 60);
    AddClass(*school, QStringLiteral("K"),
        { { QStringLiteral("Art"), 1 }, { QStringLiteral("Music"), 1 }, { QStringLiteral("P.E."), 1 } });
    const GenerationInputs inputs = Inputs(*school);
    const std::int32_t art = Row(inputs, QStringLiteral("Ms. Art"));
    const std::int32_t music = Row(inputs, QStringLiteral("Ms. Music"));
    const std::int32_t pe = Row(inputs, QStringLiteral("Ms. P.E."));
    // Tuesday keeps 8:00-9:30 free, and no more than 80 minutes elsewhere.
    const std::vector<Placement> week = {
        { 0, music, At(*school, 0, 540), false },
        { 0, Seat(inputs), At(*school, 0, 660), false },
        { 0, art, At(*school, 1, 570), false },
        { 0, Seat(inputs), At(*school, 1, 660), false },
        { 0, pe, At(*school, 1, 780), false },
    };
    const ScheduleRules rules(inputs);
    ASSERT_EQ(rules.Check(week).size(), 0u);
    WeekOccupancy occupied(rules, week);
    occupied.AddAll();
    const std::optional<BrokenRule> broken = occupied.WhyNot({ 0, music, At(*school, 1, 480), false }, 0);
    ASSERT_TRUE(broken);
    EXPECT_EQ(broken->Rule, Rule::NoFreeTime);
    EXPECT_EQ(broken->Words,
        QStringLiteral("Music at 8:00 AM would leave K: Teacher 1 no 90 uninterrupted minutes on Tuesday; the longest "
                       "would be 80 minutes."));
    EXPECT_FALSE(occupied.WhyNot({ 0, art, At(*school, 1, 480), false }, 2)) << "Art leaves 9:00-11:00 behind it";
    EXPECT_FALSE(occupied.WhyNot({ 0, pe, At(*school, 1, 710), false }, 4));
    // A whole schedule is judged the same way, at the meeting that breaks it.
    std::vector<Placement> crowded = week;
    crowded[0] = { 0, music, At(*school, 1, 480), false };
    const auto problems = rules.Check(crowded);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].second.Rule, Rule::NoFreeTime);
    EXPECT_EQ(rules.Keep(crowded).Dropped.size(), 1u);
}

} // namespace
} // namespace belltide::test
