#pragma once

namespace belltide {

// Where actions take their creation time from. Merging only ever subtracts two
// readings, so the origin does not matter; tests hand in a clock they move by hand.
class MicrosecondClock {
public:
    virtual ~MicrosecondClock() = default;

    virtual double Microseconds() const = 0;

    // Monotonic time since system start. It has no state, so every window may
    // share the one instance.
    static const MicrosecondClock& Steady();
};

} // namespace belltide
