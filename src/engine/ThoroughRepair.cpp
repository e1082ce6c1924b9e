#include "ThoroughRepair.h"

#include "EngineLog.h"
#include "SatEncoding.h"
#include "ThoroughHint.h"
#include "ThoroughProblem.h"
#include "ThoroughWriter.h"

#include <numeric>

namespace belltide {

ThoroughRepair::ThoroughRepair(const GenerationInputs& inputs, const ThoroughHint& hint, const std::atomic<bool>& abort)
    : mInputs(inputs)
    , mHint(hint)
    , mAbort(abort)
{
}

std::shared_ptr<Schedule> ThoroughRepair::Run(
    const std::function<void(double)>& progress, std::vector<std::int32_t>& released)
{
    if (auto schedule = Restricted(
            true, [&](double share) { progress(share / 2); }, released))
        return schedule;
    if (mAbort)
        return nullptr;
    return Restricted(
        false, [&](double share) { progress(0.5 + share / 2); }, released);
}

std::shared_ptr<Schedule> ThoroughRepair::Restricted(
    bool keepDays, const std::function<void(double)>& progress, std::vector<std::int32_t>& released)
{
    ThoroughProblem problem(mInputs, true);
    std::vector<ThoroughPlacement> guide = mHint.Placements(problem);
    if (guide.empty())
        return nullptr;
    problem.Restrict(guide, keepDays);
    SatEncoding encoding(problem);
    if (!encoding.Build(mAbort, progress))
        return nullptr;
    mClauses = encoding.ClauseCount();
    std::vector<std::int32_t> all(problem.Requirements().size());
    std::iota(all.begin(), all.end(), 0);
    std::vector<std::int32_t> groups(problem.FixedGroups().size());
    std::iota(groups.begin(), groups.end(), 0);
    encoding.Hold(groups, groups);
    const SatEncoding::Outcome outcome = ThoroughHint::Guide(encoding, all, guide, ThoroughHint::kFewAtATime, mAbort);
    qCDebug(lcEngine) << "repair keeping" << (keepDays ? "days:" : "specials:") << encoding.ClauseCount() << "clauses,"
                      << guide.size() << "placements held:" << static_cast<int>(outcome);
    if (outcome != SatEncoding::Outcome::Found)
        return nullptr;
    const std::vector<std::uint8_t> kept(problem.FixedMeetings().size(), 1);
    auto schedule = ThoroughWriter::Write(mInputs, problem, encoding.Placements(all), kept);
    if (schedule)
        released = problem.UnusableFixed();
    return schedule;
}

} // namespace belltide
