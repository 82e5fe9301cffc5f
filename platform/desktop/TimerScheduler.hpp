#pragma once

#include "app/platform/Scheduler.hpp"

#include <QObject>
#include <memory>
#include <unordered_map>

class QTimer;

namespace velora {

// Deferred work on the thread's event loop through precise single-shot timers. Work still
// pending when the scheduler is destroyed never runs.
class TimerScheduler final : public Scheduler {
public:
    TimerScheduler();
    ~TimerScheduler() override;

    TimerScheduler(const TimerScheduler&) = delete;
    TimerScheduler& operator=(const TimerScheduler&) = delete;

    double now() const override;
    Handle after(Seconds delay, std::function<void()> work) override;
    void cancel(Handle handle) override;

private:
    void fire(Handle handle);

    std::unordered_map<Handle, std::pair<std::unique_ptr<QTimer>, std::function<void()>>> pending_;
    Handle next_ = 1;
};

} // namespace velora
