#include "platform/desktop/TimerScheduler.hpp"

#include <QTimer>
#include <chrono>
#include <cmath>
#include <limits>

namespace velora {

namespace {

// Rounded up so that work never runs before its time; NaN and negative delays mean "next turn".
std::chrono::milliseconds timerInterval(Scheduler::Seconds delay) {
    constexpr double longest = std::numeric_limits<int>::max();
    const double millis = std::ceil(delay.count() * 1000.0);
    if (!(millis > 0)) {
        return std::chrono::milliseconds{0};
    }
    return std::chrono::milliseconds{static_cast<std::int64_t>(std::min(millis, longest))};
}

} // namespace

TimerScheduler::TimerScheduler() = default;

TimerScheduler::~TimerScheduler() = default;

double TimerScheduler::now() const {
    using namespace std::chrono;
    return duration_cast<duration<double>>(steady_clock::now().time_since_epoch()).count();
}

Scheduler::Handle TimerScheduler::after(Seconds delay, std::function<void()> work) {
    const Handle handle = next_++;
    auto timer = std::make_unique<QTimer>();
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(timerInterval(delay));
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(), [this, handle] { fire(handle); });
    timer->start();
    pending_.emplace(handle, std::make_pair(std::move(timer), std::move(work)));
    return handle;
}

void TimerScheduler::cancel(Handle handle) {
    pending_.erase(handle);
}

void TimerScheduler::fire(Handle handle) {
    auto node = pending_.extract(handle);
    if (node.empty()) {
        return;
    }
    // The timer is still emitting the signal that brought us here.
    node.mapped().first.release()->deleteLater();
    node.mapped().second();
}

} // namespace velora
