#pragma once

#include "app/HotKeySetting.hpp"
#include "fakes/FakePasteboard.hpp"
#include "fakes/FixedAccessibilityTrust.hpp"
#include "fakes/InMemoryPreferencesStore.hpp"
#include "fakes/RecordingKeyEventPoster.hpp"
#include "fakes/RecordingShellReader.hpp"
#include "platform/desktop/TimerScheduler.hpp"
#include "shell/TrayController.hpp"

#include <QAction>
#include <QDBusConnection>
#include <QMenu>
#include <gtest/gtest.h>
#include <memory>

namespace velora::testsupport {

struct TrayRoute {
    ShortcutRoute route = ShortcutRoute::keyGrab;
    DesktopShortcutSettings* desktopShortcut = nullptr;
    bool selectionNeedsFocus = false;
};

// The tray program over fakes of the reader and the platform, with the shortcut service and
// route each test chooses. Trays made here must go before the parts do.
struct TrayParts {

    // The shortcut is read from the preferences as they are now; the service is taken on the
    // session bus unless `onBus` is false.
    std::unique_ptr<TrayController> launch(GlobalHotKeyService& hotKeys, TrayRoute route = {},
                                           bool onBus = true) {
        shortcut = std::make_unique<HotKeySetting>(preferences);
        auto tray = std::make_unique<TrayController>(
            TrayController::Services{{hotKeys, scheduler, preferences, *shortcut, reader, trust,
                                      route.route, route.desktopShortcut},
                                     pasteboard,
                                     keys,
                                     route.selectionNeedsFocus});
        bus = QDBusConnection::sessionBus();
        EXPECT_TRUE(tray->launch(onBus ? &bus : nullptr));
        return tray;
    }

    // The menu's entries as the user reads them: "---" for a separator, " (off)" after a
    // disabled one.
    static QStringList menuTitles(const TrayController& tray) {
        QStringList titles;
        for (const QAction* action : tray.menu()->actions()) {
            titles.append(action->isSeparator()
                              ? QStringLiteral("---")
                              : action->text() + (action->isEnabled() ? "" : " (off)"));
        }
        return titles;
    }

    fakes::RecordingShellReader reader;
    fakes::FakePasteboard pasteboard;
    fakes::RecordingKeyEventPoster keys;
    fakes::FixedAccessibilityTrust trust{true};
    TimerScheduler scheduler;
    fakes::InMemoryPreferencesStore preferences;
    std::unique_ptr<HotKeySetting> shortcut;
    QDBusConnection bus{QString()};
};

} // namespace velora::testsupport
