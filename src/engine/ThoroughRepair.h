#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace belltide {

class Schedule;
class ThoroughHint;
struct GenerationInputs;

// Before the whole school goes to the solver: the quick attempt's meetings
// kept on their specials and days, free in their time of day, and every
// fixed meeting held. That problem is a tenth of the size and its schedules
// are the school's; when it has none, the specials are kept and the days
// freed. Failing proves nothing: the whole school is searched next.
class ThoroughRepair {
public:
    ThoroughRepair(const GenerationInputs& inputs, const ThoroughHint& hint, const std::atomic<bool>& abort);

    // A schedule that keeps every fixed meeting that can be held, or nothing;
    // `released` gets the fixed meetings none can hold.
    std::shared_ptr<Schedule> Run(const std::function<void(double)>& progress, std::vector<std::int32_t>& released);

    std::int64_t LastClauseCount() const { return mClauses; }

private:
    std::shared_ptr<Schedule> Restricted(
        bool keepDays, const std::function<void(double)>& progress, std::vector<std::int32_t>& released);

    const GenerationInputs& mInputs;
    const ThoroughHint& mHint;
    const std::atomic<bool>& mAbort;
    std::int64_t mClauses = 0;
};

} // namespace belltide
