#pragma once

#include "undo/MicrosecondClock.h"

namespace belltide::test {

// Moved by hand, so that merging edits is tested without waiting.
class FakeClock final : public MicrosecondClock {
public:
    double Microseconds() const override { return mNow; }
    void Advance(double micros) { mNow += micros; }

private:
    double mNow = 1e9;
};

} // namespace belltide::test
