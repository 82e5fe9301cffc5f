#include "app/HotKeyManager.hpp"

#include "fakes/FakeGlobalHotKeyService.hpp"
#include "fakes/ManualScheduler.hpp"
#include "support/LogCapture.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace velora {
namespace {

using ::testing::ElementsAre;
using velora::testsupport::LogCapture;

class HotKeyManagerTest : public ::testing::Test {
protected:
    fakes::FakeGlobalHotKeyService service;
    fakes::ManualScheduler scheduler;
};

TEST_F(HotKeyManagerTest, EachRegistrationReleasesTheOneBeforeAndInstallsTheHandlerOnce) {
    HotKeyManager manager(service, scheduler);
    manager.registerKeyCode(49, 2048);
    manager.registerKeyCode(15, 768);
    manager.registerKeyCode(15, 768);
    EXPECT_THAT(service.calls, ElementsAre("install", "register 49-2048", "unregister 1",
                                           "register 15-768", "unregister 2", "register 15-768"));
}

TEST_F(HotKeyManagerTest, TriggerRunsOnALaterTurnNotInsideTheKeyPress) {
    HotKeyManager manager(service, scheduler);
    int triggers = 0;
    manager.onTrigger = [&triggers] { ++triggers; };
    manager.registerKeyCode(49, 2048);

    service.press();
    service.press();
    EXPECT_EQ(triggers, 0);
    scheduler.advance(fakes::ManualScheduler::Seconds{0});
    EXPECT_EQ(triggers, 2);
}

TEST_F(HotKeyManagerTest, RefusalLogsTheStatusAndLeavesNothingToRelease) {
    LogCapture log;
    HotKeyManager manager(service, scheduler);
    service.refuseWith = -9878;
    EXPECT_FALSE(manager.registerKeyCode(49, 4096));
    service.refuseWith = 10;
    EXPECT_FALSE(manager.registerKeyCode(49, 768));
    EXPECT_FALSE(manager.isRegistered());

    EXPECT_THAT(log.lines, ElementsAre("VeloraMac: RegisterEventHotKey failed with status -9878",
                                       "VeloraMac: RegisterEventHotKey failed with status 10"));
    EXPECT_THAT(service.calls, ElementsAre("install", "register 49-4096", "register 49-768"));
}

} // namespace
} // namespace velora
