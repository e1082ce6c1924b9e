#pragma once

#include "undo/MicrosecondClock.h"
#include "undo/UndoListener.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace belltide::undotest {

// Moved by hand, so merge timing is tested without waiting.
class FakeClock final : public MicrosecondClock {
public:
    double Microseconds() const override { return static_cast<double>(mNow); }
    void Advance(std::int64_t micros) { mNow += micros; }

private:
    std::int64_t mNow = 5'000'000'000;
};

struct Heard {
    Notification Name;
    ActionTag Tag;
};

class RecordingListener final : public UndoListener {
public:
    void NotificationReceived(Notification name, const ActionTag& tag) override { Received.push_back({ name, tag }); }

    std::vector<Heard> Received;
};

} // namespace belltide::undotest
