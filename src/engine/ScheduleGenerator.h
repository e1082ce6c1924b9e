#pragma once

#include "engine/FixedMeeting.h"
#include "engine/ThoroughScheduler.h"
#include "model/Result.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace belltide {

class RandomIdealScheduler;
class Schedule;
class ScheduleClassroom;
class ScheduleSpecial;
class School;

// What the search needs, copied out of a school so that the search can run
// on another thread while the school is edited.
struct GenerationInputs {
    std::vector<std::shared_ptr<ScheduleClassroom>> Classrooms;
    std::vector<std::shared_ptr<ScheduleSpecial>> Specials;
    std::int32_t SlotsPerDay = 0;
    // The school day's start, minutes after midnight: slot 0 begins then.
    std::int32_t DayStartAt = 0;

    using FixedMeeting = belltide::FixedMeeting;
    // Meetings the schedule already holds: both searches start from them and
    // place only what is missing.
    std::vector<FixedMeeting> Fixed;
};

enum class SearchEngine {
    Quick,
    // The thorough search when every quick attempt has failed.
    QuickThenThorough,
    Thorough,
};

struct GenerationOptions {
    std::int32_t Attempts = 10;
    // First attempt's seed; attempt k uses Seed + k - 1. Unset: each attempt
    // draws its own seed from the system.
    std::optional<std::uint64_t> Seed;
    SearchEngine Engine = SearchEngine::Quick;
    // The thorough search's progress, reported on the generating thread.
    ThoroughScheduler::ProgressCallback Progress = {};
    // Memory the thorough search may take; a school that needs more is told so.
    std::int64_t ThoroughMemoryMB = 1024;
};

struct GenerationResult {
    // Empty when no attempt succeeded.
    std::shared_ptr<belltide::Schedule> Schedule;
    // 1-based; 0 when no quick attempt succeeded.
    std::int32_t Attempt = 0;
    std::int32_t AttemptsMade = 0;
    // Seed of the successful attempt, else of the last one made.
    std::uint64_t Seed = 0;
    // The last scheduler's error text.
    QString Error;
    // The thorough search made the schedule.
    bool Thorough = false;
    // Why no schedule exists, when the thorough search has proved it.
    QStringList Reasons;
    // Positions in GenerationInputs::Fixed that the search had to give back;
    // empty when every fixed meeting was kept.
    std::vector<std::int32_t> Released;
    bool Aborted = false;

    // The text to show when there is no schedule.
    QString FailureMessage() const;
};

// The attempt loop: inputs are built once, then up to N attempts run, each with
// a fresh scheduler, until one returns a schedule; the thorough search may
// follow or stand in for them.
class ScheduleGenerator {
public:
    // Builds the inputs on the thread that owns the school (it refreshes the
    // school's maps to them). Fails for a school the engine cannot hold.
    static Result<GenerationInputs> BuildInputs(School& school);
    // The same, leaving the school's maps alone: they keep pointing at the
    // inputs of the grid the window draws.
    static Result<GenerationInputs> BuildInputs(const School& school);

    static QString GenericFailureText();

    // Safe to call from any thread; Abort() from another thread ends the
    // attempt or thorough search in progress and skips the rest.
    GenerationResult Run(const GenerationInputs& inputs, const GenerationOptions& options);
    void Abort();

private:
    void RunQuick(const GenerationInputs& inputs, const GenerationOptions& options, GenerationResult& result);
    void RunThorough(const GenerationInputs& inputs, const GenerationOptions& options, GenerationResult& result);

    std::atomic<bool> mAborted { false };
    std::mutex mCurrentMutex;
    RandomIdealScheduler* mCurrent = nullptr;
    ThoroughScheduler* mCurrentThorough = nullptr;
};

} // namespace belltide
