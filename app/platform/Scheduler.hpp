#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace velora {

// Time and deferred work on the main thread. Work never runs inside `after` itself, only on a
// later turn of the event loop, and cancelled work never runs.
class Scheduler {
public:
    using Handle = std::uint64_t;
    using Seconds = std::chrono::duration<double>;

    virtual ~Scheduler();

    // Monotonic seconds, for measuring durations.
    virtual double now() const = 0;
    virtual Handle after(Seconds delay, std::function<void()> work) = 0;
    virtual void cancel(Handle handle) = 0;
};

} // namespace velora
