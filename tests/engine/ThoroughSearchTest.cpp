#include "ScheduleChecker.h"
#include "TestSchools.h"

#include "engine/RandomIdealScheduler.h"
#include "engine/Schedule.h"
#include "engine/ScheduleClassroom.h"
#include "engine/ScheduleGenerator.h"
#include "engine/ThoroughScheduler.h"
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

std::shared_ptr<School> Example(const char* name)
{
    auto school = SchoolDocument::Read(QStringLiteral(BELLTIDE_EXAMPLES_DIR "/") + QString::fromLatin1(name));
    EXPECT_TRUE(school.IsOk()) << school.Error().toStdString();
    return school.IsOk() ? school.Value() : EmptySchool();
}

// The quick search's own validation, run over a copy of the finished grid.
bool PassesValidation(const GenerationInputs& inputs, const Schedule& schedule)
{
    RandomIdealScheduler validator;
    validator.CreateGrids(inputs.Classrooms, inputs.Specials, inputs.SlotsPerDay);
    for (std::int32_t row = 0; row < schedule.HeadingCount(); ++row) {
        for (std::int32_t minute = 0, length = 0; minute < schedule.MinuteCount(); minute += std::max(length, 1)) {
            if (auto item = schedule.ScheduledItem(*schedule.Heading(row), minute, length))
                validator.ClassSchedule->ScheduleItem(row, minute, length, item);
        }
    }
    return validator.ValidateSchedule();
}

// Day slots at which the class's blocks begin and end, over the week.
std::pair<std::int32_t, std::int32_t> BlockSpan(const School& school, const Schedule& schedule, std::size_t classIndex)
{
    const ScheduleObject& row = *school.ScheduleClassMap.at(school.Classes[classIndex]);
    const std::int32_t slotsPerDay = schedule.MinuteCount() / 5;
    std::pair<std::int32_t, std::int32_t> span { slotsPerDay, 0 };
    for (std::int32_t minute = 0, length = 0; minute < schedule.MinuteCount(); minute += std::max(length, 1)) {
        if (schedule.ScheduledItem(row, minute, length)) {
            span.first = std::min(span.first, minute % slotsPerDay);
            span.second = std::max(span.second, minute % slotsPerDay + length);
        }
    }
    return span;
}

std::shared_ptr<School> WithoutAfternoonKindergarten()
{
    auto school = Example("half-day-kindergarten.psc");
    std::erase_if(school->Classes, [](const auto& classroom) { return classroom->DayStart >= 720; });
    return school;
}

TEST(ThoroughSearchTest, SchedulesKeepTheStricterRules)
{
    // Long passing times and one lunch seat: every meeting's passing time and
    // every lunch must be kept apart.
    const auto crowded = [] {
        auto school = EmptySchool();
        school->LunchMaxClasses = 1;
        school->LunchEndAt = school->LunchStartAt + 100;
        AddSpecial(*school, QStringLiteral("Art"), 40, 15);
        for (int i = 0; i < 5; ++i)
            AddClass(*school, QStringLiteral("3rd"), { { QStringLiteral("Art"), 2 } });
        school->Classes[1]->DayStart = 600;
        return school;
    };
    struct Case {
        const char* name;
        std::function<std::shared_ptr<School>()> make;
    };
    const Case cases[] = {
        { "the example school", [] { return Example("maple-grove.psc"); } },
        { "half-day kindergartens", [] { return Example("half-day-kindergarten.psc"); } },
        { "K-5, four classes a grade", [] { return ElementarySchool(4); } },
        { "short days, late starts, busy specials", MixedDaysSchool },
        { "long passing times, one seat", crowded },
    };
    // The repair around the quick attempt, and the whole school at once.
    for (const bool repairFirst : { true, false }) {
        for (const Case& c : cases) {
            auto school = c.make();
            const GenerationInputs inputs = Inputs(*school);
            ThoroughScheduler scheduler;
            scheduler.RepairFirst = repairFirst;
            const ThoroughResult result = scheduler.Schedule(inputs);
            ASSERT_TRUE(result.Schedule) << c.name << ": " << result.Reasons.join(u'\n').toStdString();
            EXPECT_EQ(result.Statistics.Repaired, repairFirst) << c.name;
            EXPECT_TRUE(result.Reasons.isEmpty()) << c.name;
            EXPECT_EQ(CheckSchedule(*school, *result.Schedule), QStringList()) << c.name;
            EXPECT_TRUE(PassesValidation(inputs, *result.Schedule)) << c.name;
        }
    }
}

TEST(ThoroughSearchTest, HalfDayKindergartensGetTheirOwnHalfOfTheDay)
{
    // The quick search spends the morning class's last slots on specials and
    // then has no time left for its lunch, whatever the seed.
    auto morningOnly = WithoutAfternoonKindergarten();
    const GenerationInputs morningInputs = Inputs(*morningOnly);
    ScheduleGenerator quick;
    EXPECT_FALSE(quick.Run(morningInputs, { 20, 1 }).Schedule);
    ThoroughScheduler thorough;
    EXPECT_TRUE(thorough.Schedule(morningInputs).Schedule);

    auto school = Example("half-day-kindergarten.psc");
    const GenerationInputs inputs = Inputs(*school);
    ThoroughScheduler scheduler;
    const auto schedule = scheduler.Schedule(inputs).Schedule;
    ASSERT_TRUE(schedule);
    for (std::size_t i = 0; i < school->Classes.size(); ++i) {
        const auto& classroom = *school->Classes[i];
        const auto [first, end] = BlockSpan(*school, *schedule, i);
        EXPECT_GE(school->DayStartAt + 5 * first, classroom.DayStart) << classroom.Teacher.toStdString();
        EXPECT_LE(school->DayStartAt + 5 * end, classroom.DayEnd) << classroom.Teacher.toStdString();
    }
}

TEST(ThoroughSearchTest, ASchoolPastTheMemoryBudgetIsToldSo)
{
    // Drama and Chess both come only on Monday at 9:00, and one class attends
    // both: only the solver sees it, over the whole school, which needs more
    // than a megabyte.
    auto school = ElementarySchool(2);
    for (const char* name : { "Drama", "Chess" }) {
        const QString title = QString::fromLatin1(name);
        auto visitor = AddSpecial(*school, title, 45, 5);
        for (std::int32_t day = 0; day < 5; ++day) {
            MarkUnavailable(*school, *visitor, day, school->DayStartAt, day == 0 ? 540 : school->DayEndAt);
            MarkUnavailable(*school, *visitor, day, 590, school->DayEndAt);
        }
        school->Classes[0]->AttendCount(title, 1);
    }
    GenerationOptions options;
    options.Engine = SearchEngine::Thorough;
    options.ThoroughMemoryMB = 1;
    ScheduleGenerator generator;
    const GenerationResult result = generator.Run(Inputs(*school), options);
    EXPECT_FALSE(result.Schedule);
    ASSERT_EQ(result.Reasons.size(), 1);
    EXPECT_TRUE(result.Reasons[0].startsWith(QStringLiteral("This school is too large to search thoroughly within the "
                                                            "1 MB of memory")))
        << result.Reasons[0].toStdString();

    options.ThoroughMemoryMB = 1024;
    ScheduleGenerator roomy;
    const GenerationResult proved = roomy.Run(Inputs(*school), options);
    EXPECT_FALSE(proved.Schedule);
    EXPECT_FALSE(proved.Reasons.isEmpty());
    EXPECT_FALSE(proved.Reasons[0].contains(QStringLiteral("too large")));
}

TEST(ThoroughSearchTest, AbortEndsTheSearchAtEveryStage)
{
    auto school = Example("half-day-kindergarten.psc");
    const GenerationInputs inputs = Inputs(*school);
    for (const QString& stage :
        { QString(), QStringLiteral("Preparing the thorough search..."), QStringLiteral("Searching thoroughly...") }) {
        ThoroughScheduler scheduler;
        scheduler.Abort = stage.isEmpty();
        const ThoroughResult result = scheduler.Schedule(inputs, [&](const ThoroughProgress& progress) {
            if (progress.Caption == stage)
                scheduler.Abort = true;
        });
        EXPECT_TRUE(result.Aborted) << stage.toStdString();
        EXPECT_FALSE(result.Schedule) << stage.toStdString();
        EXPECT_TRUE(result.Reasons.isEmpty()) << stage.toStdString();
    }
}

TEST(ThoroughSearchTest, ProgressMovesForwardThroughTheStages)
{
    auto school = Example("half-day-kindergarten.psc");
    QStringList captions;
    double preparing = 0;
    ThoroughScheduler scheduler;
    const auto schedule = scheduler
                              .Schedule(Inputs(*school),
                                  [&](const ThoroughProgress& progress) {
                                      if (captions.isEmpty() || captions.back() != progress.Caption)
                                          captions << progress.Caption;
                                      if (progress.Caption.startsWith(QStringLiteral("Preparing"))) {
                                          EXPECT_GE(progress.Fraction, preparing);
                                          preparing = progress.Fraction;
                                      }
                                  })
                              .Schedule;
    EXPECT_TRUE(schedule);
    EXPECT_EQ(captions,
        QStringList({ QStringLiteral("Counting what the school needs..."),
            QStringLiteral("Preparing the thorough search..."), QStringLiteral("Searching thoroughly...") }));
    EXPECT_DOUBLE_EQ(preparing, 1.0);
}

TEST(ThoroughSearchTest, GeneratorRunsTheEnginesAskedFor)
{
    const auto noSeats = [] {
        auto school = ElementarySchool(1);
        school->LunchMaxClasses = 0;
        return school;
    };
    struct Case {
        const char* name;
        std::function<std::shared_ptr<School>()> make;
        SearchEngine engine;
        bool scheduled;
        bool thorough;
        std::int32_t attempts;
    };
    const Case cases[] = {
        { "quick alone fails", WithoutAfternoonKindergarten, SearchEngine::Quick, false, false, 4 },
        { "thorough behind quick", WithoutAfternoonKindergarten, SearchEngine::QuickThenThorough, true, true, 4 },
        { "thorough alone", WithoutAfternoonKindergarten, SearchEngine::Thorough, true, true, 0 },
        { "quick succeeds first", [] { return ElementarySchool(2); }, SearchEngine::QuickThenThorough, true, false, 1 },
        { "thorough proves there is none", noSeats, SearchEngine::QuickThenThorough, false, false, 4 },
    };
    for (const Case& c : cases) {
        auto school = c.make();
        GenerationOptions options { 4, 7 };
        options.Engine = c.engine;
        ScheduleGenerator generator;
        const GenerationResult result = generator.Run(Inputs(*school), options);
        EXPECT_EQ(bool(result.Schedule), c.scheduled) << c.name;
        EXPECT_EQ(result.Thorough, c.thorough) << c.name;
        EXPECT_EQ(result.AttemptsMade, c.attempts) << c.name;
        EXPECT_EQ(result.Reasons.isEmpty(), c.scheduled || c.engine == SearchEngine::Quick) << c.name;
        if (!result.Reasons.isEmpty()) {
            EXPECT_EQ(result.FailureMessage(), result.Reasons.join(u'\n')) << c.name;
        }
    }

    ScheduleGenerator aborted;
    aborted.Abort();
    GenerationOptions options;
    options.Engine = SearchEngine::Thorough;
    const GenerationResult result = aborted.Run(Inputs(*WithoutAfternoonKindergarten()), options);
    EXPECT_TRUE(result.Aborted);
    EXPECT_FALSE(result.Schedule);
    EXPECT_TRUE(result.Reasons.isEmpty());
}

} // namespace
} // namespace belltide::test
