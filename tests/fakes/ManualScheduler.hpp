#pragma once

#include "app/platform/Scheduler.hpp"

#include <algorithm>
#include <cstddef>
#include <map>
#include <optional>
#include <stdexcept>
#include <utility>

namespace velora::fakes {

// Virtual time: nothing runs until the test advances the clock, and then due work runs in the
// order of its due time, work due at the same time in the order it was scheduled.
class ManualScheduler final : public Scheduler {
public:
    double now() const override { return now_; }

    Handle after(Seconds delay, std::function<void()> work) override {
        const double seconds = delay.count() > 0 ? delay.count() : 0.0;
        const Handle handle = next_++;
        pending_.emplace(Key{now_ + seconds, handle}, std::move(work));
        return handle;
    }

    void cancel(Handle handle) override {
        std::erase_if(pending_,
                      [handle](const auto& entry) { return entry.first.second == handle; });
    }

    // Moves the clock forward by `by`, running everything that falls due on the way, also work
    // scheduled by work that ran. The clock stands at each work's due time while it runs.
    void advance(Seconds by) {
        const double end = now_ + (by.count() > 0 ? by.count() : 0.0);
        while (!pending_.empty() && pending_.begin()->first.first <= end) {
            runFirst();
        }
        now_ = end;
    }

    // Runs everything, moving the clock as far as needed. Throws after `limit` runs, which
    // means work that keeps rescheduling itself.
    void runUntilIdle(std::size_t limit = 100000) {
        for (std::size_t count = 0; !pending_.empty(); ++count) {
            if (count == limit) {
                throw std::runtime_error("scheduled work never settles");
            }
            runFirst();
        }
    }

    std::size_t pendingCount() const { return pending_.size(); }

    std::optional<double> nextDue() const {
        if (pending_.empty()) {
            return std::nullopt;
        }
        return pending_.begin()->first.first;
    }

private:
    using Key = std::pair<double, Handle>;

    void runFirst() {
        auto node = pending_.extract(pending_.begin());
        now_ = std::max(now_, node.key().first);
        node.mapped()();
    }

    double now_ = 0.0;
    Handle next_ = 1;
    std::map<Key, std::function<void()>> pending_;
};

} // namespace velora::fakes
