#pragma once

#include "calculator/TaskExecutor.h"

#include <QObject>
#include <QThreadPool>
#include <functional>

namespace kalvio {

// Runs the real-time evaluations on a Qt thread pool and delivers their values through the event
// queue of the UI thread. Destruction waits for running work before the delivery target goes, so
// no delivery can reach a destroyed window.
class TQtTaskExecutor : public TTaskExecutor {
public:
    TQtTaskExecutor();
    TQtTaskExecutor(const TQtTaskExecutor&) = delete;
    TQtTaskExecutor& operator=(const TQtTaskExecutor&) = delete;
    ~TQtTaskExecutor() override;

    void RunInBackground(std::function<void()> work) override;
    void PostToOwner(std::function<void()> delivery) override;

    // Waits for the running work (its deliveries are queued, not yet run).
    void WaitForWorkers();

private:
    QObject FOwnerThreadTarget; // declared first: destroyed after the pool has finished
    QThreadPool FPool;
};

} // namespace kalvio
