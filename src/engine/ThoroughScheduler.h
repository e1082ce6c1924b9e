#pragma once

#include "engine/SatEncoding.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace belltide {

class Schedule;
class ThoroughProblem;
struct GenerationInputs;

struct ThoroughProgress {
    // What is being done, in words for the window's caption.
    QString Caption;
    // Share done, 0 to 1; below 0 while the share cannot be told.
    double Fraction = -1;
};

// Where a thorough search spent its time, and the size of what it solved.
struct ThoroughStatistics {
    double CountingSeconds = 0;
    double EncodingSeconds = 0;
    // The quick attempts whose best placements guide the solver.
    double HintSeconds = 0;
    // Placing the rest around most of the hint, before the whole school.
    double RepairSeconds = 0;
    bool Repaired = false;
    double SolvingSeconds = 0;
    // Giving back fixed meetings and finding reasons.
    double ExplainingSeconds = 0;
    // Requirements, and how many the quick attempts' best partial schedule placed.
    std::int64_t Requirements = 0;
    std::int64_t HintPlacements = 0;
    std::int64_t Variables = 0;
    std::int64_t Clauses = 0;
    std::int64_t Literals = 0;
    std::vector<CnfWriter::FamilyCount> Families;
};

struct ThoroughResult {
    // Empty when no schedule exists or the search was aborted.
    std::shared_ptr<belltide::Schedule> Schedule;
    // Why no schedule exists, one reason a line; empty otherwise.
    QStringList Reasons;
    // Positions in the inputs' fixed meetings that the schedule gives back.
    std::vector<std::int32_t> Released;
    bool Aborted = false;
    ThoroughStatistics Statistics;
};

// A complete search behind the quick one: it finds a schedule whenever one
// exists, or proves that none does and says why. Fixed meetings are kept
// whenever some schedule keeps them all; otherwise a few unpinned ones, as
// few as it can find, are given back. Pinned meetings are never given back. Its rules are the quick
// search's with a class kept inside its own day and every special's passing
// time kept free whatever the order of placement. The schedule is written the
// way the quick search writes its own, so everything that shows one shows it.
class ThoroughScheduler {
public:
    using ProgressCallback = std::function<void(const ThoroughProgress&)>;

    ThoroughScheduler();
    ~ThoroughScheduler();

    // Blocks until done; run it on a worker thread. Progress is reported on
    // that thread.
    ThoroughResult Schedule(const GenerationInputs& inputs, const ProgressCallback& progress = {});

    // Set from any thread to end the search; Schedule then returns Aborted.
    std::atomic<bool> Abort { false };
    // The whole school's encoding stops growing past this; the search then
    // says in words that the school is too large for it.
    std::int64_t MemoryBudgetMB = 1024;
    // Try the small problems around the quick attempt first; off, the whole
    // school goes to the solver at once.
    bool RepairFirst = true;

private:
    SatEncoding::Outcome Search(
        SatEncoding& encoding, const std::vector<std::int32_t>& all, std::vector<ThoroughPlacement>& hint);
    SatEncoding::Outcome Release(
        SatEncoding& encoding, const std::vector<std::int32_t>& all, const std::vector<std::int32_t>& groups);
    void TakeBack(SatEncoding& encoding, const std::vector<std::int32_t>& all, const std::vector<std::int32_t>& groups,
        std::vector<std::int32_t>& held, std::span<const std::int32_t> given, bool& lastFound);
    QStringList ExplainImpossible(SatEncoding& encoding, const ThoroughProblem& problem,
        const std::vector<std::int32_t>& all, const ProgressCallback& progress);
    QString ExplainPins(SatEncoding& encoding, const ThoroughProblem& problem, const std::vector<std::int32_t>& all,
        std::vector<std::int32_t> pins);
    QStringList Explain(SatEncoding& encoding, const ThoroughProblem& problem,
        const std::vector<ThoroughPlacement>& hint, const ProgressCallback& progress);
    bool CannotAllBeMet(SatEncoding& encoding, const std::vector<std::int32_t>& requirements,
        const std::vector<ThoroughPlacement>& hint);
    std::vector<std::int32_t> Shrink(SatEncoding& encoding, std::vector<std::int32_t> core,
        const std::vector<ThoroughPlacement>& hint, int& questions);
    std::vector<SatEncoding::FreeDay> FreeDaysNeeded(SatEncoding& encoding, const std::vector<std::int32_t>& core,
        const std::vector<ThoroughPlacement>& hint, int& questions);
    static QString Describe(const ThoroughProblem& problem, const std::vector<std::int32_t>& core,
        const std::vector<SatEncoding::FreeDay>& freeDays);
    QString TooLarge() const;
};

} // namespace belltide
