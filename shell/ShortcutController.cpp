#include "shell/ShortcutController.hpp"

#include "app/HotKeySetting.hpp"
#include "app/LogCategories.hpp"
#include "app/platform/AccessibilityTrust.hpp"
#include "app/platform/DesktopShortcutSettings.hpp"
#include "app/platform/PreferencesStore.hpp"
#include "shell/DesktopNotifier.hpp"
#include "shell/ShellReader.hpp"

#include <QPointer>
#include <algorithm>

namespace velora {

namespace {

constexpr QLatin1String desktopShortcutOfferedKey{"DesktopShortcutOffered"};

} // namespace

ShortcutController::ShortcutController(const Services& services, QObject* parent)
    : QObject(parent), services_(services),
      hotKeys_(services.hotKeyService, services.scheduler, this) {
    connect(&hotKeys_, &HotKeyManager::triggered, this, &ShortcutController::pressed);
    connect(&hotKeys_, &HotKeyManager::registrationChanged, this, &ShortcutController::answered);
    connect(&services_.shortcut, &HotKeySetting::hotKeyConfigChanged, this,
            &ShortcutController::chosen);
    connect(&services_.shortcut, &HotKeySetting::desktopShortcutChanged, this,
            &ShortcutController::desktopShortcutChanged);
}

void ShortcutController::start() {
    showCaptureSupport();
    if (services_.desktopShortcut) {
        // The desktop's settings may call on after the controller is gone.
        services_.desktopShortcut->watch([self = QPointer(this)] {
            if (self) {
                self->services_.shortcut.desktopShortcutEdited();
            }
        });
    }
    registerShortcut();
    publish();
}

void ShortcutController::registerShortcut() {
    HotKeySetting& shortcut = services_.shortcut;
    if (!services_.hotKeyService.available()) {
        // Nothing to ask for: the desktop's own settings bind `veloramac --read-selection`.
        if (!desktopShortcut()) {
            qCInfo(lcHotKey, "this session offers no global shortcut to the program; bind "
                             "veloramac --read-selection in the desktop's settings");
        }
        return;
    }
    if (shortcut.isChosen()) {
        hotKeys_.registerKeys(shortcut.config().keys);
    } else {
        // The desktop or another program may hold the default; the user chose none of them.
        const auto& presets = HotKeyConfig::presets();
        // A desktop that answers later is not asked for the others meanwhile.
        const auto granted = std::ranges::find_if(presets, [this](const HotKeyConfig& preset) {
            return hotKeys_.registerKeys(preset.keys) || hotKeys_.isAwaitingAnswer();
        });
        shortcut.fallBackTo(granted == presets.end() ? presets.front() : *granted);
    }
    if (!registered() && !hotKeys_.isAwaitingAnswer()) {
        notifyRefused();
    }
}

void ShortcutController::chosen() {
    registerShortcut();
    // A shortcut this program put in the desktop's settings follows the choice made here.
    if (DesktopShortcutSettings* desktop = desktopShortcut(); desktop && desktop->shortcut()) {
        desktop->add(services_.shortcut.config().keys);
    }
    publish();
}

void ShortcutController::answered() {
    // The bus may have answered that GNOME's settings are the route after all: no refusal then,
    // but the offer to add the shortcut there.
    if (desktopShortcut()) {
        offerDesktopShortcut();
    } else if (!registered() && !hotKeys_.isAwaitingAnswer()) {
        notifyRefused();
    }
    showCaptureSupport();
    publish();
}

void ShortcutController::desktopShortcutChanged() {
    showCaptureSupport();
    publish();
}

void ShortcutController::notifyRefused() const {
    const QString display = services_.shortcut.config().display();
    DesktopNotifier::notify(
        tr("%1 is not available").arg(display),
        tr("VeloraMac cannot use %1: %2. Choose another in VeloraMac's Settings ▸ Shortcut; Read "
           "Selection in the tray menu works meanwhile.")
            .arg(display, hotKeys_.refusal().value_or(tr("the desktop declined it"))));
}

void ShortcutController::showCaptureSupport() {
    services_.reader.showCaptureSupport(
        {currentRoute(), services_.trust.isProcessTrusted(), desktopShortcut()});
}

// A route that moved on after start is the one now in use.
ShortcutRoute ShortcutController::currentRoute() const {
    return services_.hotKeyService.currentRoute().value_or(services_.route);
}

DesktopShortcutSettings* ShortcutController::desktopShortcut() const {
    return currentRoute() == ShortcutRoute::gnomeCustomShortcut ? services_.desktopShortcut
                                                                : nullptr;
}

void ShortcutController::offerDesktopShortcut() {
    DesktopShortcutSettings* desktop = desktopShortcut();
    PreferencesStore& preferences = services_.preferences;
    if (!desktop || desktop->shortcut() ||
        preferences.boolean(desktopShortcutOfferedKey).value_or(false)) {
        return;
    }
    preferences.setBoolean(desktopShortcutOfferedKey, true);
    services_.reader.offerDesktopShortcut(
        tr("Add %1 to GNOME's keyboard shortcuts to read a selection from anywhere?")
            .arg(services_.shortcut.config().display()),
        [self = QPointer(this)] {
            if (self &&
                self->services_.desktopShortcut->add(self->services_.shortcut.config().keys)) {
                self->services_.shortcut.desktopShortcutEdited();
            }
        });
}

bool ShortcutController::registered() const {
    if (const DesktopShortcutSettings* desktop = desktopShortcut()) {
        return desktop->shortcut().has_value();
    }
    return hotKeys_.isRegistered();
}

void ShortcutController::publish() {
    // Where the desktop bound another chord than the one chosen, the texts name the desktop's.
    const DesktopShortcutSettings* desktop = desktopShortcut();
    services_.shortcut.showRegistration(registered(),
                                        desktop ? desktop->shortcut() : hotKeys_.boundChord());
}

} // namespace velora
