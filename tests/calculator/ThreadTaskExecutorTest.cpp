#include "calculator/ThreadTaskExecutor.h"

#include <atomic>
#include <gtest/gtest.h>
#include <vector>

namespace kalvio {
namespace {

TEST(ThreadTaskExecutor, DeliversOnTheOwnerThreadOnlyWhenAsked) {
    TThreadTaskExecutor executor;
    std::vector<int> delivered;
    for (int i = 0; i < 20; ++i) {
        executor.RunInBackground([&executor, &delivered, i] {
            executor.PostToOwner([&delivered, i] { delivered.push_back(i); });
        });
    }
    executor.WaitForWorkers();
    EXPECT_TRUE(delivered.empty());
    EXPECT_EQ(executor.DeliverPending(), 20);
    EXPECT_EQ(delivered.size(), 20u);
    EXPECT_EQ(executor.DeliverPending(), 0);
}

TEST(ThreadTaskExecutor, DestructionWaitsForRunningWork) {
    std::atomic<int> finished = 0;
    {
        TThreadTaskExecutor executor;
        for (int i = 0; i < 8; ++i) {
            executor.RunInBackground([&finished] { finished.fetch_add(1); });
        }
    }
    EXPECT_EQ(finished.load(), 8);
}

} // namespace
} // namespace kalvio
