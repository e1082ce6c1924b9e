#include "ScheduleGenerator.h"

#include "RandomIdealScheduler.h"
#include "Schedule.h"
#include "model/School.h"

#include <random>

namespace belltide {

namespace {

// A day is at most 24 hours of 5-minute slots; more than a thousand lunch seats
// mean a damaged document rather than a lunchroom.
constexpr std::int64_t kLongestDayMinutes = std::int64_t(24) * 60;
constexpr std::int32_t kMostLunchSeats = 1000;

std::uint64_t DrawSeed()
{
    std::random_device device;
    return device();
}

} // namespace

QString GenerationResult::FailureMessage() const
{
    if (!Reasons.isEmpty())
        return Reasons.join(u'\n');
    return Error.isEmpty() ? ScheduleGenerator::GenericFailureText() : Error;
}

QString ScheduleGenerator::GenericFailureText()
{
    return QStringLiteral("A valid schedule could not be found. Consider shortening special class lengths or "
                          "cutting back on how many times each class attends them.");
}

Result<GenerationInputs> ScheduleGenerator::BuildInputs(School& school)
{
    const std::int64_t dayLength = std::int64_t { school.DayEndAt } - school.DayStartAt;
    if (dayLength < 0 || dayLength > kLongestDayMinutes) {
        return Result<GenerationInputs>::Fail(QStringLiteral(
            "The school day (DayStart %1, DayEnd %2) must end after it starts and last at most 24 hours.")
                                                  .arg(school.DayStartAt)
                                                  .arg(school.DayEndAt));
    }
    if (school.LunchMaxClasses > kMostLunchSeats) {
        return Result<GenerationInputs>::Fail(
            QStringLiteral("LunchMaxClasses is %1; at most %2 classes can eat at the same time.")
                .arg(school.LunchMaxClasses)
                .arg(kMostLunchSeats));
    }
    GenerationInputs inputs;
    school.CreateSchedulingClasses(inputs.Classrooms, inputs.Specials);
    inputs.SlotsPerDay = static_cast<std::int32_t>(dayLength / 5);
    inputs.DayStartAt = school.DayStartAt;
    return Result<GenerationInputs>::Ok(std::move(inputs));
}

Result<GenerationInputs> ScheduleGenerator::BuildInputs(const School& school)
{
    School copy = school;
    return BuildInputs(copy);
}

GenerationResult ScheduleGenerator::Run(const GenerationInputs& inputs, const GenerationOptions& options)
{
    GenerationResult result;
    if (options.Engine != SearchEngine::Thorough)
        RunQuick(inputs, options, result);
    if (!result.Schedule && options.Engine != SearchEngine::Quick && !mAborted)
        RunThorough(inputs, options, result);
    result.Aborted = mAborted;
    return result;
}

void ScheduleGenerator::RunQuick(
    const GenerationInputs& inputs, const GenerationOptions& options, GenerationResult& result)
{
    for (std::int32_t attempt = 1; attempt <= options.Attempts; ++attempt) {
        const std::uint64_t seed = options.Seed ? *options.Seed + static_cast<std::uint64_t>(attempt - 1) : DrawSeed();
        RandomIdealScheduler scheduler(seed);
        {
            std::lock_guard lock(mCurrentMutex);
            if (mAborted)
                break;
            mCurrent = &scheduler;
        }
        std::shared_ptr<Schedule> schedule
            = scheduler.Schedule(inputs.Classrooms, inputs.Specials, inputs.SlotsPerDay, inputs.Fixed);
        {
            std::lock_guard lock(mCurrentMutex);
            mCurrent = nullptr;
        }
        result.AttemptsMade = attempt;
        result.Seed = seed;
        result.Error = scheduler.Error();
        if (schedule) {
            result.Schedule = std::move(schedule);
            result.Attempt = attempt;
            // The quick search keeps every fixed meeting it can hold at all.
            for (std::size_t i = 0; i < inputs.Fixed.size(); ++i) {
                if (!IsUsable(inputs.Fixed[i], inputs.Classrooms, inputs.Specials, inputs.SlotsPerDay))
                    result.Released.push_back(static_cast<std::int32_t>(i));
            }
            break;
        }
    }
}

void ScheduleGenerator::RunThorough(
    const GenerationInputs& inputs, const GenerationOptions& options, GenerationResult& result)
{
    ThoroughScheduler scheduler;
    scheduler.MemoryBudgetMB = options.ThoroughMemoryMB;
    {
        std::lock_guard lock(mCurrentMutex);
        if (mAborted)
            return;
        mCurrentThorough = &scheduler;
    }
    ThoroughResult found = scheduler.Schedule(inputs, options.Progress);
    {
        std::lock_guard lock(mCurrentMutex);
        mCurrentThorough = nullptr;
    }
    result.Schedule = std::move(found.Schedule);
    result.Thorough = bool(result.Schedule);
    result.Reasons = std::move(found.Reasons);
    result.Released = std::move(found.Released);
}

void ScheduleGenerator::Abort()
{
    std::lock_guard lock(mCurrentMutex);
    mAborted = true;
    if (mCurrent)
        mCurrent->Abort = true;
    if (mCurrentThorough)
        mCurrentThorough->Abort = true;
}

} // namespace belltide
