#include "MicrosecondClock.h"

#include <chrono>

namespace belltide {

namespace {

class SteadyMicrosecondClock final : public MicrosecondClock {
public:
    double Microseconds() const override
    {
        using Micro = std::chrono::duration<double, std::micro>;
        return std::chrono::duration_cast<Micro>(std::chrono::steady_clock::now().time_since_epoch()).count();
    }
};

} // namespace

const MicrosecondClock& MicrosecondClock::Steady()
{
    static const SteadyMicrosecondClock clock;
    return clock;
}

} // namespace belltide
