#pragma once

#include "calculator/TaskExecutor.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace kalvio {

// Runs each piece of background work on a thread of its own and queues the deliveries until the
// owner thread collects them with DeliverPending. All members except PostToOwner are for the owner
// thread. Destruction waits for the running work.
class TThreadTaskExecutor : public TTaskExecutor {
public:
    TThreadTaskExecutor() = default;
    TThreadTaskExecutor(const TThreadTaskExecutor&) = delete;
    TThreadTaskExecutor& operator=(const TThreadTaskExecutor&) = delete;
    ~TThreadTaskExecutor() override;

    void RunInBackground(std::function<void()> work) override;
    void PostToOwner(std::function<void()> delivery) override;

    // Waits until every piece of work started so far has finished.
    void WaitForWorkers();
    // Runs the queued deliveries on the calling thread; returns how many ran.
    int DeliverPending();

private:
    struct TWorker {
        std::shared_ptr<std::atomic<bool>> IsFinished;
        std::jthread Thread;
    };
    void JoinFinishedWorkers();

    std::vector<TWorker> FWorkers;
    std::mutex FDeliveryMutex;
    std::vector<std::function<void()>> FDeliveries;
};

} // namespace kalvio
