// Editing a saved schedule. Complete Schedule after one small edit of a
// 40-class school: how much of the schedule it keeps and how long it takes. Each
// benchmark is one kind of edit; every iteration makes a fresh schedule (seed
// 1, 2, ...), edits the school, keeps what still fits and completes the rest.
// Counters: "kept" is the share of the saved meetings still in place after
// Complete (the target is at least 90 %), "dropped" how many the edit took
// out, "complete_s" the median time of the search that completed it.
// DragVerdict: on a 100-class school, the verdict for one hovered place while a
// meeting is dragged (the target: well under a millisecond).

#include "RealisticSchools.h"

#include "engine/ScheduleGenerator.h"
#include "engine/ScheduleRules.h"
#include "engine/SchoolTimetable.h"
#include "model/Classroom.h"
#include "model/School.h"
#include "model/SpecialClass.h"
#include "model/Timetable.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace belltide {
namespace {

using Edit = std::function<void(School&)>;

std::shared_ptr<const Timetable> MakeSchedule(School& school, std::uint64_t seed)
{
    const GenerationInputs inputs = ScheduleGenerator::BuildInputs(school).Value();
    GenerationOptions options;
    options.Seed = seed;
    options.Engine = SearchEngine::QuickThenThorough;
    ScheduleGenerator generator;
    return SchoolTimetable::AfterSearch(inputs, generator.Run(inputs, options), nullptr);
}

void Complete(benchmark::State& state, const Edit& edit)
{
    std::uint64_t seed = 1;
    double kept = 0;
    double dropped = 0;
    double runs = 0;
    std::vector<double> seconds;
    for (auto _ : state) {
        state.PauseTiming();
        auto school = RealisticSchool(40, SchoolVariant::Feasible);
        school->Timetable = MakeSchedule(*school, seed++);
        const std::size_t saved = school->Timetable ? school->Timetable->Meetings.size() : 0;
        edit(*school);
        const SchoolTimetable::Fitted fitted = SchoolTimetable::Fit(*school, school->Timetable);
        state.ResumeTiming();

        const auto began = std::chrono::steady_clock::now();
        auto inputs
            = SchoolTimetable::SearchInputs(*school, fitted.Timetable.get(), SchoolTimetable::Starting::FromAll);
        GenerationOptions options;
        options.Seed = seed;
        options.Engine = SearchEngine::QuickThenThorough;
        ScheduleGenerator generator;
        const GenerationResult result = generator.Run(inputs.Value(), options);
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count());

        state.PauseTiming();
        const auto completed = SchoolTimetable::AfterSearch(inputs.Value(), result, fitted.Timetable.get());
        std::size_t same = 0;
        if (completed) {
            for (const Meeting& before : school->Timetable->Meetings) {
                same += std::any_of(completed->Meetings.begin(), completed->Meetings.end(),
                    [&](const Meeting& after) { return after.SamePlace(before); });
            }
        }
        kept += saved ? double(same) / double(saved) : 0;
        dropped += double(fitted.Why.size());
        runs += 1;
        state.ResumeTiming();
    }
    std::sort(seconds.begin(), seconds.end());
    state.counters["kept"] = kept / runs;
    state.counters["dropped"] = dropped / runs;
    state.counters["complete_s"] = seconds[seconds.size() / 2];
}

void ShorterClassDay(benchmark::State& state)
{
    Complete(state, [](School& school) { school.Classes[7]->DayEnd -= 60; });
}

void SpecialAwayOneAfternoon(benchmark::State& state)
{
    Complete(state, [](School& school) {
        SpecialClass& special = *school.Specials[1];
        for (std::int32_t time = 12 * 60; time < school.DayEndAt; time += 5)
            special.IsAvailable(2, (time - school.DayStartAt) / 5, false);
    });
}

void LongerSpecial(benchmark::State& state)
{
    Complete(state, [](School& school) { school.Specials[0]->Duration += 5; });
}

void FewerLunchSeats(benchmark::State& state)
{
    Complete(state, [](School& school) { school.LunchMaxClasses -= 1; });
}

void AttendsMore(benchmark::State& state)
{
    Complete(state, [](School& school) {
        Classroom& classroom = *school.Classes[12];
        const auto& [title, count] = classroom.SpecialAttendance().Entries().front();
        classroom.AttendCount(title, count + 1);
    });
}

void DragVerdict(benchmark::State& state)
{
    auto school = RealisticSchool(100, SchoolVariant::Feasible);
    const GenerationInputs inputs = ScheduleGenerator::BuildInputs(*school).Value();
    GenerationOptions options;
    options.Seed = 1;
    options.Engine = SearchEngine::QuickThenThorough;
    ScheduleGenerator generator;
    const GenerationResult result = generator.Run(inputs, options);
    const std::vector<Placement> week = SchoolTimetable::FromGrid(*result.Schedule, inputs);
    const ScheduleRules rules(inputs);
    WeekOccupancy occupied(rules, week);
    occupied.AddAll();
    std::uint32_t next = 12345;
    std::int64_t refused = 0;
    for (auto _ : state) {
        // A drag passes over every place of the week in turn.
        next = next * 1103515245u + 12345u;
        const std::int32_t moved = std::int32_t(next % week.size());
        Placement candidate = week[std::size_t(moved)];
        candidate.Start = std::int32_t((next >> 8) % std::uint32_t(5 * inputs.SlotsPerDay));
        const bool forbidden = rules.CheckAlone(candidate) || occupied.WhyNot(candidate, moved);
        refused += forbidden ? 1 : 0;
        benchmark::DoNotOptimize(forbidden);
    }
    state.counters["refused"] = double(refused) / double(state.iterations());
    state.counters["meetings"] = double(week.size());
}

} // namespace

BENCHMARK(DragVerdict)->Unit(benchmark::kMicrosecond);
BENCHMARK(ShorterClassDay)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(SpecialAwayOneAfternoon)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(LongerSpecial)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(FewerLunchSeats)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(AttendsMore)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace belltide

BENCHMARK_MAIN();
