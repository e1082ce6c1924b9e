#pragma once

#include <QStringList>

#include <functional>

namespace belltide {

// One copy of the program runs for a user's settings: a later start hands its
// documents to that copy and ends, so that no two copies keep settings of their
// own and no document is open twice.
class RunningCopy {
public:
    enum class Start {
        // A running copy took the documents; this start should end.
        HandedOver,
        // This is now the running copy; later starts' documents arrive.
        First,
        // Neither: a running copy did not answer. This start runs on its own.
        Alone,
    };
    // Documents from a later start (absolute paths); none for a start without any.
    using Receiver = std::function<void(const QStringList& documents)>;

    virtual ~RunningCopy() = default;

    virtual Start Begin(const QStringList& documents) = 0;
    // Called on the interface thread while the event loop runs.
    virtual void SetReceiver(Receiver receiver) = 0;
};

} // namespace belltide
