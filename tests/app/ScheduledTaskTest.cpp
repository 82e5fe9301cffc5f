#include "app/ScheduledTask.hpp"

#include "fakes/ManualScheduler.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

// Whoever holds the task, only the latest work runs, and none once the holder is gone.
TEST(ScheduledTaskTest, RunsOnlyTheLatestWorkAndNothingAfterItsHolder) {
    fakes::ManualScheduler scheduler;
    int runs = 0;
    {
        ScheduledTask task(scheduler);
        task.start(Scheduler::Seconds{1}, [&] { runs += 10; });
        task.start(Scheduler::Seconds{1}, [&] { runs += 1; });
        ScheduledTask moved = std::move(task);
        EXPECT_TRUE(moved.isPending());
        scheduler.advance(Scheduler::Seconds{1});
        EXPECT_EQ(runs, 1);
        EXPECT_FALSE(moved.isPending());

        moved.start(Scheduler::Seconds{1}, [&] { runs += 100; });
    }
    scheduler.advance(Scheduler::Seconds{5});
    EXPECT_EQ(runs, 1);
}

} // namespace
} // namespace velora
