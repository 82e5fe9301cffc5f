#include "platform/desktop/TimerScheduler.hpp"

#include "fakes/ManualScheduler.hpp"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace velora {
namespace {

using Seconds = Scheduler::Seconds;
constexpr int patienceMs = 20000;

// Runs the scheduler's work until `done` holds: virtual time for the fake, the event loop for
// the real one.
void settle(fakes::ManualScheduler& scheduler, const std::function<bool()>& done) {
    while (!done() && scheduler.pendingCount() > 0) {
        scheduler.advance(Seconds{*scheduler.nextDue() - scheduler.now()});
    }
}

void settle(TimerScheduler&, const std::function<bool()>& done) {
    ASSERT_TRUE(QTest::qWaitFor(done, patienceMs));
}

// An event loop for the duration of one test, so that no application outlives it.
class Application {
public:
    Application() : instance_(argc_, argv_) {}

private:
    static inline int argc_ = 1;
    static inline char name_[] = "test_platform";
    static inline char* argv_[] = {name_, nullptr};
    QCoreApplication instance_;
};

// Both schedulers must keep the promises that timing code relies on.
template <typename S> class SchedulerContract : public ::testing::Test {
protected:
    Application application;
    S scheduler;
    std::vector<std::string> ran;
};

using Schedulers = ::testing::Types<fakes::ManualScheduler, TimerScheduler>;
TYPED_TEST_SUITE(SchedulerContract, Schedulers);

TYPED_TEST(SchedulerContract, RunsByDueTimeThenInTheOrderScheduled) {
    auto& ran = this->ran;
    this->scheduler.after(Seconds{0.03}, [&ran] { ran.push_back("late"); });
    this->scheduler.after(Seconds{0.01}, [&ran] { ran.push_back("first of two"); });
    this->scheduler.after(Seconds{0.01}, [&ran] { ran.push_back("second of two"); });
    this->scheduler.after(Seconds{-1}, [&ran] { ran.push_back("next turn"); });
    EXPECT_TRUE(ran.empty());

    settle(this->scheduler, [&ran] { return ran.size() == 4; });
    EXPECT_EQ(ran,
              (std::vector<std::string>{"next turn", "first of two", "second of two", "late"}));
}

TEST(TimerScheduler, WorkPendingWhenTheSchedulerGoesNeverRuns) {
    Application application;
    bool ran = false;
    auto scheduler = std::make_unique<TimerScheduler>();
    scheduler->after(Seconds{0}, [&ran] { ran = true; });
    scheduler.reset();

    TimerScheduler witness;
    bool turned = false;
    witness.after(Seconds{0.01}, [&turned] { turned = true; });
    ASSERT_TRUE(QTest::qWaitFor([&turned] { return turned; }, patienceMs));
    EXPECT_FALSE(ran);
}

} // namespace
} // namespace velora
