#include "app/HotKeyConfig.hpp"
#include "app/HotKeyManager.hpp"
#include "platform/TimerScheduler.hpp"
#include "platform/X11GlobalHotKeyService.hpp"
#include "support/LogCapture.hpp"
#include "x11/OtherClient.hpp"

#include <QTest>
#include <X11/keysym.h>
#include <gtest/gtest.h>
#include <vector>

namespace velora {
namespace {

constexpr int patienceMs = 20000;

struct Shortcut {
    const char* name;
    HotKeyConfig config;
    std::vector<X11Keysym> keys; // pressed in order, released in reverse
    bool capsLockOn;
};

class HotKeyOnX11 : public ::testing::TestWithParam<Shortcut> {
protected:
    TimerScheduler scheduler;
    X11GlobalHotKeyService service;
    HotKeyManager manager{service, scheduler};
    testsupport::OtherClient user;
};

TEST_P(HotKeyOnX11, TypingTheShortcutAnywhereTriggers) {
    const Shortcut& shortcut = GetParam();
    int triggers = 0;
    manager.onTrigger = [&triggers] { ++triggers; };
    manager.registerKeyCode(shortcut.config.keyCode, shortcut.config.carbonModifiers);

    if (shortcut.capsLockOn) {
        user.press(XK_Caps_Lock);
        user.release(XK_Caps_Lock);
    }
    for (const X11Keysym key : shortcut.keys) {
        user.press(key);
    }
    for (auto key = shortcut.keys.rbegin(); key != shortcut.keys.rend(); ++key) {
        user.release(*key);
    }
    if (shortcut.capsLockOn) {
        user.press(XK_Caps_Lock);
        user.release(XK_Caps_Lock);
    }
    EXPECT_TRUE(QTest::qWaitFor([&triggers] { return triggers == 1; }, patienceMs));
}

INSTANTIATE_TEST_SUITE_P(HotKey, HotKeyOnX11,
                         ::testing::Values(Shortcut{"OptionSpace",
                                                    HotKeyConfig::presets()[0],
                                                    {XK_Alt_L, XK_space},
                                                    false},
                                           Shortcut{"ControlSpaceWithCapsLock",
                                                    HotKeyConfig::presets()[1],
                                                    {XK_Control_L, XK_space},
                                                    true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HotKeyX11, CombinationHeldByAnotherProgramIsRefusedAndLeavesNoGrabBehind) {
    testsupport::OtherClient holder;
    // Only the CapsLock variant is taken, so some variants are granted before the refusal.
    ASSERT_EQ(holder.grab(XK_space, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_LOCK), 0);

    testsupport::LogCapture log;
    TimerScheduler scheduler;
    X11GlobalHotKeyService service;
    HotKeyManager manager{service, scheduler};
    manager.registerKeyCode(49, 4096);

    EXPECT_EQ(log.lines, QStringList{"VeloraMac: RegisterEventHotKey failed with status 10"});
    testsupport::OtherClient later;
    EXPECT_EQ(later.grab(XK_space, XCB_MOD_MASK_CONTROL), 0);
}

} // namespace
} // namespace velora
