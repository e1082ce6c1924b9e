#include "SchedulerThread.h"

#include <QMetaObject>

namespace belltide {

SchedulerThread::SchedulerThread(QObject* parent)
    : QObject(parent)
{
}

SchedulerThread::~SchedulerThread()
{
    Abort();
    Join();
}

void SchedulerThread::Start(GenerationInputs inputs, const GenerationOptions& options)
{
    Join();
    mInputs = inputs;
    mGenerator = std::make_shared<ScheduleGenerator>();
    mRunning = true;
    // The worker only posts its result: this object outlives it (the
    // destructor joins), and a result posted to an object deleted meanwhile is
    // dropped by Qt.
    mWorker = std::thread([this, generator = mGenerator, inputs = std::move(inputs), options]() mutable {
        GenerationResult result = generator->Run(inputs, options);
        QMetaObject::invokeMethod(
            this, [this, result = std::move(result)] { Deliver(result); }, Qt::QueuedConnection);
    });
}

void SchedulerThread::Abort()
{
    if (mGenerator)
        mGenerator->Abort();
}

void SchedulerThread::Join()
{
    if (mWorker.joinable())
        mWorker.join();
}

void SchedulerThread::Deliver(const GenerationResult& result)
{
    Join();
    mRunning = false;
    emit Finished(result);
}

} // namespace belltide
