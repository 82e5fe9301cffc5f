#include "app/BackgroundRelease.hpp"

namespace velora {

BackgroundRelease::BackgroundRelease() : thread_([this] { run(); }) {}

BackgroundRelease::~BackgroundRelease() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void BackgroundRelease::enqueue(std::shared_ptr<void> value) {
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back(std::move(value));
    }
    wake_.notify_one();
}

void BackgroundRelease::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (queue_.empty()) {
            return;
        }
        std::shared_ptr<void> value = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        value.reset();
        lock.lock();
    }
}

} // namespace velora
