// The thorough search alone, the quick search alone and with the thorough
// search behind it, on schools of 15 to 120 classes with half-day kindergartens, tight lunch periods and
// teachers away on some afternoons: ones with a schedule and ones just short
// of one (by a count, or by a clash only the solver finds). Counters: "scheduled" is the share of runs that made a
// schedule, "thorough" the share in which the thorough search made it, "reasons" how many reasons a run without a
// schedule gave, "median_s" the median run.

#include "RealisticSchools.h"

#include "engine/Schedule.h"
#include "engine/ScheduleClassroom.h"
#include "engine/ScheduleGenerator.h"
#include "engine/ScheduleRules.h"
#include "engine/ScheduleSpecial.h"
#include "engine/ThoroughScheduler.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace belltide {
namespace {

void Generate(benchmark::State& state, SearchEngine engine)
{
    const auto variant = static_cast<SchoolVariant>(state.range(1));
    auto school = RealisticSchool(static_cast<std::int32_t>(state.range(0)), variant);
    const GenerationInputs inputs = ScheduleGenerator::BuildInputs(*school).Value();
    std::uint64_t seed = 1;
    double scheduled = 0;
    double thorough = 0;
    double reasons = 0;
    std::vector<double> seconds;
    for (auto _ : state) {
        const auto began = std::chrono::steady_clock::now();
        ScheduleGenerator generator;
        GenerationOptions options;
        options.Seed = seed;
        options.Engine = engine;
        seed += 1000;
        const GenerationResult result = generator.Run(inputs, options);
        scheduled += result.Schedule ? 1 : 0;
        thorough += result.Thorough ? 1 : 0;
        reasons += static_cast<double>(result.Reasons.size());
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count());
    }
    std::sort(seconds.begin(), seconds.end());
    state.counters["median_s"] = seconds.empty() ? 0 : seconds[seconds.size() / 2];
    const auto runs = static_cast<double>(state.iterations());
    state.SetLabel(VariantName(variant).toStdString());
    state.counters["classes"] = static_cast<double>(school->Classes.size());
    state.counters["scheduled"] = scheduled / runs;
    state.counters["thorough"] = thorough / runs;
    state.counters["reasons"] = reasons / runs;
}

void BM_Quick(benchmark::State& state)
{
    Generate(state, SearchEngine::Quick);
}

void BM_QuickThenThorough(benchmark::State& state)
{
    Generate(state, SearchEngine::QuickThenThorough);
}

// The thorough search alone, as it runs once the quick attempts have failed:
// "median_s" is the median of the runs, "clauses" the size of the last
// problem it solved (the repair's, or the whole school's).
void BM_Thorough(benchmark::State& state)
{
    const auto variant = static_cast<SchoolVariant>(state.range(1));
    auto school = RealisticSchool(static_cast<std::int32_t>(state.range(0)), variant);
    const GenerationInputs inputs = ScheduleGenerator::BuildInputs(*school).Value();
    std::vector<double> seconds;
    double scheduled = 0;
    double repaired = 0;
    double clauses = 0;
    for (auto _ : state) {
        const auto began = std::chrono::steady_clock::now();
        ThoroughScheduler scheduler;
        const ThoroughResult result = scheduler.Schedule(inputs);
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count());
        scheduled += result.Schedule ? 1 : 0;
        repaired += result.Statistics.Repaired ? 1 : 0;
        clauses = static_cast<double>(result.Statistics.Clauses);
    }
    std::sort(seconds.begin(), seconds.end());
    const auto runs = static_cast<double>(state.iterations());
    state.SetLabel(VariantName(variant).toStdString());
    state.counters["median_s"] = seconds.empty() ? 0 : seconds[seconds.size() / 2];
    state.counters["classes"] = static_cast<double>(school->Classes.size());
    state.counters["scheduled"] = scheduled / runs;
    state.counters["repaired"] = repaired / runs;
    state.counters["clauses"] = clauses;
}

// Every meeting of a schedule as a placement.
std::vector<Placement> PlacementsOf(const GenerationInputs& inputs, const Schedule& schedule)
{
    std::vector<Placement> placements;
    for (std::size_t c = 0; c < inputs.Classrooms.size(); ++c) {
        for (std::int32_t minute = 0, length = 0; minute < schedule.MinuteCount(); minute += std::max(length, 1)) {
            const auto item = schedule.ScheduledItem(*inputs.Classrooms[c], minute, length);
            const auto special = std::find(inputs.Specials.begin(), inputs.Specials.end(), item);
            if (!item || special == inputs.Specials.end())
                continue;
            placements.push_back({ static_cast<std::int32_t>(c),
                static_cast<std::int32_t>(special - inputs.Specials.begin()), minute, false });
        }
    }
    return placements;
}

// Complete after a small edit, as the window does it: a schedule of the
// school, then one special away one more afternoon (edit 0) or one class's
// day ending an hour earlier (edit 1); the placements that still keep every
// rule are kept and the quick attempts, then the thorough search, place the
// rest. "kept" is the share of the schedule's placements the result holds.
void BM_Complete(benchmark::State& state)
{
    auto school = RealisticSchool(static_cast<std::int32_t>(state.range(0)), SchoolVariant::Feasible);
    const GenerationInputs before = ScheduleGenerator::BuildInputs(*school).Value();
    ThoroughScheduler first;
    const auto schedule = first.Schedule(before).Schedule;
    if (!schedule) {
        state.SkipWithError("no schedule to start from");
        return;
    }
    const std::vector<Placement> placements = PlacementsOf(before, *schedule);
    if (state.range(1) == 0) {
        SpecialClass& special = *school->Specials[0];
        for (std::int32_t time = 720; time < school->DayEndAt; time += 5)
            special.IsAvailable(1, (time - school->DayStartAt) / 5, false);
    } else {
        school->Classes[5]->DayEnd -= 60;
    }
    GenerationInputs inputs = ScheduleGenerator::BuildInputs(*school).Value();
    const ScheduleRules rules(inputs);
    for (std::int32_t index : rules.Keep(placements).Kept)
        inputs.Fixed.push_back(placements[static_cast<std::size_t>(index)]);
    std::vector<double> seconds;
    double kept = 0;
    double thorough = 0;
    std::uint64_t seed = 1;
    for (auto _ : state) {
        const auto began = std::chrono::steady_clock::now();
        ScheduleGenerator generator;
        GenerationOptions options;
        options.Seed = seed++;
        options.Engine = SearchEngine::QuickThenThorough;
        const GenerationResult result = generator.Run(inputs, options);
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count());
        if (result.Schedule)
            kept += static_cast<double>(inputs.Fixed.size() - result.Released.size())
                / static_cast<double>(placements.size());
        thorough += result.Thorough ? 1 : 0;
    }
    std::sort(seconds.begin(), seconds.end());
    const auto runs = static_cast<double>(state.iterations());
    state.SetLabel(state.range(1) == 0 ? "special away an afternoon" : "class day an hour shorter");
    state.counters["median_s"] = seconds.empty() ? 0 : seconds[seconds.size() / 2];
    state.counters["classes"] = static_cast<double>(school->Classes.size());
    state.counters["kept"] = kept / runs;
    state.counters["kept_before_search"]
        = static_cast<double>(inputs.Fixed.size()) / static_cast<double>(placements.size());
    state.counters["thorough"] = thorough / runs;
}

void ThoroughSchools(benchmark::internal::Benchmark* benchmark)
{
    for (std::int64_t classes : { 15, 20, 30, 40, 49, 60, 80, 100, 120 })
        benchmark->Args({ classes, static_cast<std::int64_t>(SchoolVariant::Feasible) });
    for (std::int64_t classes : { 40, 100, 120 }) {
        benchmark->Args({ classes, static_cast<std::int64_t>(SchoolVariant::FullDays) });
        benchmark->Args({ classes, static_cast<std::int64_t>(SchoolVariant::VisitorsClash) });
    }
}

void Schools(benchmark::internal::Benchmark* benchmark)
{
    for (std::int64_t classes : { 20, 40, 60, 100 }) {
        for (SchoolVariant variant : { SchoolVariant::Feasible, SchoolVariant::FullDays, SchoolVariant::MusicShort,
                 SchoolVariant::LunchShort, SchoolVariant::VisitorsClash })
            benchmark->Args({ classes, static_cast<std::int64_t>(variant) });
    }
}

BENCHMARK(BM_Thorough)->Apply(ThoroughSchools)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Complete)
    ->Args({ 40, 0 })
    ->Args({ 40, 1 })
    ->Args({ 100, 0 })
    ->Args({ 100, 1 })
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(BM_Quick)->Apply(Schools)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_QuickThenThorough)->Apply(Schools)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace belltide

BENCHMARK_MAIN();
