#pragma once

#include <functional>

namespace kalvio {

// Where the real-time evaluation runs and how its value comes back. The window implements it
// with the platform's thread pool and a queued call to the UI thread; TThreadTaskExecutor is the
// plain-threads implementation.
class TTaskExecutor {
public:
    virtual ~TTaskExecutor() = default;

    // Runs `work` on a worker thread. `work` touches only what it owns.
    virtual void RunInBackground(std::function<void()> work) = 0;
    // Runs `delivery` later on the thread that owns the calculator. Called from workers.
    virtual void PostToOwner(std::function<void()> delivery) = 0;
};

} // namespace kalvio
