#pragma once

#include "app/platform/Scheduler.hpp"

#include <functional>
#include <memory>
#include <optional>

namespace velora {

// One piece of work waiting on a Scheduler, held by the owner that restarts it: starting it
// again replaces what waits, and the work is cancelled with its holder. Move-only; the
// scheduler must outlive it.
class ScheduledTask {
public:
    explicit ScheduledTask(Scheduler& scheduler) : scheduler_(&scheduler) {}
    ScheduledTask(const ScheduledTask&) = delete;
    ScheduledTask& operator=(const ScheduledTask&) = delete;
    ScheduledTask(ScheduledTask&& other) noexcept;
    ScheduledTask& operator=(ScheduledTask&& other) noexcept;
    ~ScheduledTask();

    // Cancels what waits and runs `work` after `delay`; the task is no longer pending when the
    // work begins, so the work may start it again.
    void start(Scheduler::Seconds delay, std::function<void()> work);
    void cancel();
    bool isPending() const { return pending_ && pending_->has_value(); }

private:
    Scheduler* scheduler_;
    // Shared with the waiting work, which clears it as it runs.
    std::shared_ptr<std::optional<Scheduler::Handle>> pending_;
};

} // namespace velora
