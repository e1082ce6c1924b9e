// One attempt and one whole generation on the example school and on copies of
// it with 40 and 80 classes.

#include "ScaledSchools.h"

#include "engine/RandomIdealScheduler.h"
#include "engine/Schedule.h"
#include "engine/ScheduleGenerator.h"
#include "model/School.h"

#include <benchmark/benchmark.h>

namespace belltide {
namespace {

std::shared_ptr<School> SchoolOrSkip(benchmark::State& state)
{
    auto school = ScaledExampleSchool(static_cast<std::int32_t>(state.range(0)));
    if (!school) {
        state.SkipWithError(school.Error().toUtf8().constData());
        return nullptr;
    }
    return school.Value();
}

void BM_Attempt(benchmark::State& state)
{
    auto school = SchoolOrSkip(state);
    if (!school)
        return;
    const GenerationInputs inputs = ScheduleGenerator::BuildInputs(*school).Value();
    std::uint64_t seed = 0;
    std::int64_t scheduled = 0;
    for (auto _ : state) {
        RandomIdealScheduler scheduler(seed++);
        auto schedule = scheduler.Schedule(inputs.Classrooms, inputs.Specials, inputs.SlotsPerDay);
        scheduled += schedule ? 1 : 0;
        benchmark::DoNotOptimize(schedule);
    }
    state.counters["classes"] = static_cast<double>(school->Classes.size());
    state.counters["scheduled"] = static_cast<double>(scheduled) / static_cast<double>(state.iterations());
}

void BM_BuildInputs(benchmark::State& state)
{
    auto school = SchoolOrSkip(state);
    if (!school)
        return;
    for (auto _ : state) {
        auto inputs = ScheduleGenerator::BuildInputs(*school);
        benchmark::DoNotOptimize(inputs);
    }
    state.counters["classes"] = static_cast<double>(school->Classes.size());
}

// Building the inputs and up to ten attempts, as the window does.
void BM_Generation(benchmark::State& state)
{
    auto school = SchoolOrSkip(state);
    if (!school)
        return;
    std::uint64_t seed = 0;
    for (auto _ : state) {
        const GenerationInputs inputs = ScheduleGenerator::BuildInputs(*school).Value();
        ScheduleGenerator generator;
        GenerationResult result = generator.Run(inputs, { 10, seed });
        seed += 1000;
        benchmark::DoNotOptimize(result);
    }
    state.counters["classes"] = static_cast<double>(school->Classes.size());
}

BENCHMARK(BM_BuildInputs)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Attempt)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Generation)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace belltide

BENCHMARK_MAIN();
