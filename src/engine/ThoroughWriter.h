#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace belltide {

class Schedule;
class ThoroughProblem;
struct GenerationInputs;
struct ThoroughPlacement;

// Writes what the thorough search found the way the quick search writes its
// own schedule, so everything that shows one shows it: the kept fixed
// meetings, then every placement, lunches seated on seats alike.
class ThoroughWriter {
public:
    // Nothing when the result breaks a rule the quick search's validation knows.
    static std::shared_ptr<Schedule> Write(const GenerationInputs& inputs, const ThoroughProblem& problem,
        const std::vector<ThoroughPlacement>& placements, const std::vector<std::uint8_t>& keptFixed);
};

} // namespace belltide
