#pragma once

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

namespace velora {

// Frees large values on a thread of its own: a book's word list of ten million words takes the
// best part of a second to give back, which the event loop must not wait for.
class BackgroundRelease {
public:
    BackgroundRelease();
    // Frees what is still queued, then stops the thread.
    ~BackgroundRelease();
    BackgroundRelease(const BackgroundRelease&) = delete;
    BackgroundRelease& operator=(const BackgroundRelease&) = delete;

    template <typename T> void release(T value) { enqueue(std::make_shared<T>(std::move(value))); }

private:
    void enqueue(std::shared_ptr<void> value);
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::shared_ptr<void>> queue_;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace velora
