#pragma once

#include "engine/ScheduleGenerator.h"

#include <QObject>

#include <memory>
#include <thread>

namespace belltide {

// Runs a generation on a worker thread. The inputs are built on the calling
// (interface) thread, since that reads the school; the worker only sees the
// copies. The result comes back on the interface thread through Finished.
class SchedulerThread : public QObject {
    Q_OBJECT

public:
    explicit SchedulerThread(QObject* parent = nullptr);
    ~SchedulerThread() override;

    // Runs on inputs built from the school on this thread (with the meetings
    // to keep); the worker only sees them.
    void Start(GenerationInputs inputs, const GenerationOptions& options);
    bool IsRunning() const { return mRunning; }
    // Ends the attempt in progress and skips the rest; the result that follows
    // is marked aborted. Does not wait.
    void Abort();
    // Blocks until the worker has ended; for teardown only.
    void Join();

    // The inputs of the run in progress or last run: a result grid refers to them.
    const GenerationInputs& Inputs() const { return mInputs; }

signals:
    // Emitted once per Start, on the interface thread.
    void Finished(const belltide::GenerationResult& result);

private:
    void Deliver(const GenerationResult& result);

    std::shared_ptr<ScheduleGenerator> mGenerator;
    std::thread mWorker;
    bool mRunning = false;
    GenerationInputs mInputs;
};

} // namespace belltide
