#include "app/HotKeyConfig.hpp"
#include "app/HotKeyManager.hpp"
#include "platform/desktop/TimerScheduler.hpp"
#include "platform/x11/X11GlobalHotKeyService.hpp"
#include "support/LogCapture.hpp"
#include "x11/OtherClient.hpp"

#include <QProcess>
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
    QObject::connect(&manager, &HotKeyManager::triggered, [&triggers] { ++triggers; });
    manager.registerKeys(shortcut.config.keys);

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
                         ::testing::Values(Shortcut{"CtrlAltSpace",
                                                    HotKeyConfig::presets()[0],
                                                    {XK_Control_L, XK_Alt_L, XK_space},
                                                    false},
                                           Shortcut{"CtrlAltShiftSWithCapsLock",
                                                    HotKeyConfig::presets()[3],
                                                    {XK_Control_L, XK_Alt_L, XK_Shift_L, XK_s},
                                                    true},
                                           Shortcut{"SuperF5",
                                                    HotKeyConfig{QKeyCombination(Qt::MetaModifier,
                                                                                 Qt::Key_F5)},
                                                    {XK_Super_L, XK_F5},
                                                    false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HotKeyX11, CombinationHeldByAnotherProgramIsRefusedAndLeavesNoGrabBehind) {
    testsupport::OtherClient holder;
    // Only the CapsLock variant is taken, so some variants are granted before the refusal.
    ASSERT_EQ(holder.grab(XK_space, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_LOCK), 0);

    testsupport::LogCapture log;
    TimerScheduler scheduler;
    X11GlobalHotKeyService service;
    HotKeyManager manager{service, scheduler};
    EXPECT_FALSE(manager.registerKeys(QKeyCombination(Qt::ControlModifier, Qt::Key_Space)));

    EXPECT_EQ(
        log.lines,
        QStringList{
            "VeloraMac: shortcut not registered: another program holds the chord (X error 10)"});
    testsupport::OtherClient later;
    EXPECT_EQ(later.grab(XK_space, XCB_MOD_MASK_CONTROL), 0);
}

// A keyboard layout change moves the shortcut's key to another key code; the grab follows it.
TEST(HotKeyX11, ShortcutKeepsWorkingAfterTheKeyboardMappingChanges) {
    TimerScheduler scheduler;
    X11GlobalHotKeyService service;
    HotKeyManager manager{service, scheduler};
    int triggers = 0;
    QObject::connect(&manager, &HotKeyManager::triggered, [&triggers] { ++triggers; });
    ASSERT_TRUE(manager.registerKeys(HotKeyConfig::presets()[2].keys));
    const auto keycodeOf = [](X11Keysym keysym) {
        testsupport::OtherClient client;
        return client.keycode(keysym);
    };
    const int s = keycodeOf(XK_s);
    const int z = keycodeOf(XK_z);
    const auto remap = [](int sKey, int zKey) {
        return QProcess::execute(
            QStringLiteral("xmodmap"),
            {QStringLiteral("-e"), QStringLiteral("keycode %1 = s S").arg(sKey),
             QStringLiteral("-e"), QStringLiteral("keycode %1 = z Z").arg(zKey)});
    };
    ASSERT_EQ(remap(z, s), 0);

    testsupport::OtherClient user;
    ASSERT_EQ(user.keycode(XK_s), z);
    // The new mapping reaches this program as an event; keep typing until it has arrived.
    const bool triggered = QTest::qWaitFor(
        [&] {
            user.press(XK_Control_L);
            user.press(XK_Alt_L);
            user.press(XK_s);
            user.release(XK_s);
            user.release(XK_Alt_L);
            user.release(XK_Control_L);
            user.sync();
            QTest::qWait(50);
            return triggers > 0;
        },
        patienceMs);
    EXPECT_EQ(remap(s, z), 0);
    EXPECT_TRUE(triggered);
}

} // namespace
} // namespace velora
