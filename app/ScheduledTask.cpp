#include "app/ScheduledTask.hpp"

#include <utility>

namespace velora {

ScheduledTask::ScheduledTask(ScheduledTask&& other) noexcept
    : scheduler_(other.scheduler_), pending_(std::move(other.pending_)) {}

ScheduledTask& ScheduledTask::operator=(ScheduledTask&& other) noexcept {
    if (this != &other) {
        cancel();
        scheduler_ = other.scheduler_;
        pending_ = std::move(other.pending_);
    }
    return *this;
}

ScheduledTask::~ScheduledTask() {
    cancel();
}

void ScheduledTask::start(Scheduler::Seconds delay, std::function<void()> work) {
    cancel();
    auto pending = std::make_shared<std::optional<Scheduler::Handle>>();
    *pending =
        scheduler_->after(delay, [weakPending = std::weak_ptr(pending), work = std::move(work)] {
            if (const auto stillPending = weakPending.lock()) {
                stillPending->reset();
            }
            work();
        });
    pending_ = std::move(pending);
}

void ScheduledTask::cancel() {
    if (isPending()) {
        scheduler_->cancel(**pending_);
    }
    pending_.reset();
}

} // namespace velora
