#include "calculator/ThreadTaskExecutor.h"

#include <utility>
#include <vector>

namespace kalvio {

TThreadTaskExecutor::~TThreadTaskExecutor() {
    WaitForWorkers();
}

void TThreadTaskExecutor::RunInBackground(std::function<void()> work) {
    JoinFinishedWorkers();
    auto isFinished = std::make_shared<std::atomic<bool>>(false);
    std::jthread thread([work = std::move(work), isFinished] {
        work();
        isFinished->store(true, std::memory_order_release);
    });
    FWorkers.push_back({std::move(isFinished), std::move(thread)});
}

void TThreadTaskExecutor::JoinFinishedWorkers() {
    std::erase_if(FWorkers, [](const TWorker& worker) {
        return worker.IsFinished->load(std::memory_order_acquire);
    });
}

void TThreadTaskExecutor::PostToOwner(std::function<void()> delivery) {
    const std::lock_guard lock(FDeliveryMutex);
    FDeliveries.push_back(std::move(delivery));
}

void TThreadTaskExecutor::WaitForWorkers() {
    // jthread joins on destruction.
    FWorkers.clear();
}

int TThreadTaskExecutor::DeliverPending() {
    std::vector<std::function<void()>> deliveries;
    {
        const std::lock_guard lock(FDeliveryMutex);
        deliveries.swap(FDeliveries);
    }
    for (auto& delivery : deliveries) {
        delivery();
    }
    return static_cast<int>(deliveries.size());
}

} // namespace kalvio
