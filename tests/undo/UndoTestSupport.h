#pragma once

#include "FakeClock.h"
#include "undo/UndoListener.h"

#include <vector>

namespace belltide::test {

struct Heard {
    Notification Name;
    ActionTag Tag;
};

class RecordingListener final : public UndoListener {
public:
    void NotificationReceived(Notification name, const ActionTag& tag) override { Received.push_back({ name, tag }); }

    std::vector<Heard> Received;
};

} // namespace belltide::test
