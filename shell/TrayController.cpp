#include "shell/TrayController.hpp"

#include "app/LogCategories.hpp"
#include "app/NotificationCenter.hpp"
#include "app/platform/AccessibilityTrust.hpp"
#include "app/platform/DesktopShortcutSettings.hpp"
#include "app/platform/Pasteboard.hpp"
#include "app/platform/PreferencesStore.hpp"
#include "shell/DesktopNotifier.hpp"
#include "shell/ShellReader.hpp"
#include "ui/Symbols.hpp"

#include <QApplication>
#include <QDBusConnection>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>
#include <algorithm>
#include <functional>
#include <utility>

namespace velora {

namespace {

// The hot key and the bus service may call back while the controller is being taken down.
template <typename Call> auto whileAlive(TrayController* controller, Call call) {
    return [self = QPointer(controller), call](auto&&... arguments) {
        if (self) {
            std::invoke(call, self.data(), std::forward<decltype(arguments)>(arguments)...);
        }
    };
}

// Hosts look an installed icon up by its name in the icon theme; where it is not installed, the
// pixmap travels with the item.
QIcon trayIcon() {
    if (QIcon::hasThemeIcon(TrayController::iconName)) {
        return QIcon::fromTheme(TrayController::iconName);
    }
    return QIcon(Symbols::mark().pixmap(64));
}

constexpr QLatin1String desktopShortcutOfferedKey{"DesktopShortcutOffered"};

} // namespace

TrayController::TrayController(Services services, QObject* parent)
    : QObject(parent), services_(std::move(services)),
      hotKeys_(services_.hotKeyService, services_.scheduler),
      capture_(services_.pasteboard, services_.keys, services_.trust, services_.scheduler) {}

TrayController::~TrayController() = default;

bool TrayController::launch(QDBusConnection* bus, bool startedAtLogin) {
    overlay_ = std::make_unique<OverlayWindowController>([this](std::function<void()> close) {
        return services_.reader.makeView(std::move(close));
    });
    services_.reader.attach(*overlay_);
    showCaptureSupport();
    if (services_.desktopShortcut) {
        services_.desktopShortcut->watch(whileAlive(this, [](TrayController* self) {
            self->services_.notifications.post(velora::desktopShortcutChanged);
        }));
    }
    setupHotKey();
    setupStatusItem();
    setupServices();
    const bool ownsService = !bus || serviceProvider_.registerOn(*bus);
    publishShortcut();
    if (bus != nullptr && ownsService) {
        services_.reader.offerMediaControls(*bus, [this] { showReader(); });
    }
    connect(&services_.notifications, &NotificationCenter::posted, this,
            [this](const QString& name) {
                if (name == velora::hotKeyConfigChanged) {
                    hotKeyConfigChanged();
                } else if (name == velora::desktopShortcutChanged) {
                    showCaptureSupport();
                    setupStatusItem();
                    publishShortcut();
                }
            });
    TextCapture::promptForAccessibilityIfNeeded(services_.trust, [this](const QString& message) {
        services_.reader.setStatusMessage(message);
    });
    // Some desktops have no tray: the panel is then the only way in, so it opens at once.
    if (startedAtLogin) {
        services_.scheduler.after(trayWaitAtLogin, [self = QPointer(this)] {
            if (self && !QSystemTrayIcon::isSystemTrayAvailable()) {
                self->showReader();
            }
        });
    } else if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        showReader();
    }
    offerDesktopShortcut();
    return ownsService;
}

void TrayController::showCaptureSupport() {
    // A route that moved on after start shows the one now in use.
    const ShortcutRoute route = services_.hotKeyService.currentRoute().value_or(services_.route);
    services_.reader.showCaptureSupport(
        {route, services_.trust.isProcessTrusted(), services_.desktopShortcut});
}

void TrayController::offerDesktopShortcut() {
    DesktopShortcutSettings* desktop = services_.desktopShortcut;
    if (!desktop || desktop->shortcut() ||
        services_.preferences.boolean(desktopShortcutOfferedKey).value_or(false)) {
        return;
    }
    services_.preferences.setBoolean(desktopShortcutOfferedKey, true);
    services_.reader.offerDesktopShortcut(
        tr("Add %1 to GNOME's keyboard shortcuts to read a selection from anywhere?")
            .arg(shortcut_.display),
        whileAlive(this, [](TrayController* self) {
            if (self->services_.desktopShortcut->add(self->shortcut_.keyCode,
                                                     self->shortcut_.carbonModifiers)) {
                self->services_.notifications.post(velora::desktopShortcutChanged);
            }
        }));
}

QString TrayController::shortcutDisplay() const {
    if (services_.desktopShortcut) {
        return services_.desktopShortcut->shortcut().value_or(shortcut_.display);
    }
    return hotKeys_.boundChord().value_or(shortcut_.display);
}

bool TrayController::shortcutRegistered() const {
    if (services_.desktopShortcut) {
        return services_.desktopShortcut->shortcut().has_value();
    }
    return hotKeys_.isRegistered();
}

QString TrayController::readSelectionTitle() const {
    return shortcutRegistered() ? tr("Read Selection  (%1)").arg(shortcutDisplay())
                                : tr("Read Selection  (%1 unavailable)").arg(shortcutDisplay());
}

QString TrayController::shortcutGesture() const {
    return shortcutRegistered() ? tr("press %1").arg(shortcutDisplay())
                                : tr("choose Read Selection in the tray menu");
}

void TrayController::setupStatusItem() {
    auto menu = std::make_unique<QMenu>();
    menu->addAction(readSelectionTitle(), this, &TrayController::captureAndShow);
    menu->addAction(tr("Read from Clipboard"), this, &TrayController::readClipboard);
    menu->addAction(tr("Show Reader"), this, &TrayController::showReader);
    menu->addAction(shortcutRegistered()
                        ? tr("Tip: select text anywhere, press %1").arg(shortcutDisplay())
                        : tr("Tip: choose a free shortcut in Settings ▸ Shortcut"))
        ->setEnabled(false);
    menu->addSeparator();
    menu->addAction(tr("Settings…"), QKeySequence(QStringLiteral("Ctrl+,")), this,
                    &TrayController::openSettings);
    menu->addAction(tr("Check for Updates…"), this, &TrayController::checkForUpdates);
    menu->addSeparator();
    menu->addAction(tr("VeloraMac %1").arg(InstalledVersion::versionString()))->setEnabled(false);
    menu->addAction(tr("Quit VeloraMac"), QKeySequence(QStringLiteral("Ctrl+Q")), this,
                    &TrayController::quit);

    if (!statusItem_) {
        statusItem_ = std::make_unique<QSystemTrayIcon>(trayIcon());
        statusItem_->setToolTip(QStringLiteral("VeloraMac"));
        connect(statusItem_.get(), &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::Trigger) {
                        showReader();
                    }
                });
    }
    statusItem_->setContextMenu(menu.get());
    menu_ = std::move(menu);
    statusItem_->show();
}

void TrayController::setupHotKey() {
    hotKeys_.onTrigger = whileAlive(this, &TrayController::captureAndShow);
    hotKeys_.onRegistrationChanged = whileAlive(this, &TrayController::shortcutAnswered);
    registerShortcut();
}

void TrayController::shortcutAnswered() {
    if (!shortcutRegistered() && !hotKeys_.isAwaitingAnswer()) {
        notifyShortcutRefused();
    }
    showCaptureSupport();
    setupStatusItem();
    publishShortcut();
}

void TrayController::registerShortcut() {
    const std::optional<HotKeyConfig> stored = HotKeyConfig::loadStored(services_.preferences);
    if (!services_.hotKeyService.available()) {
        // Nothing to ask for: the desktop's own settings bind `veloramac --read-selection`.
        if (!services_.desktopShortcut) {
            qCInfo(lcHotKey, "this session offers no global shortcut to the program; bind "
                             "veloramac --read-selection in the desktop's settings");
        }
        shortcut_ = stored.value_or(HotKeyConfig{});
    } else if (stored) {
        shortcut_ = *stored;
        hotKeys_.registerKeyCode(shortcut_.keyCode, shortcut_.carbonModifiers);
    } else {
        // The desktop or another program may hold the default; the user chose none of them.
        const auto& presets = HotKeyConfig::presets();
        // A desktop that answers later is not asked for the others meanwhile.
        const auto granted = std::ranges::find_if(presets, [this](const HotKeyConfig& preset) {
            return hotKeys_.registerKeyCode(preset.keyCode, preset.carbonModifiers) ||
                   hotKeys_.isAwaitingAnswer();
        });
        shortcut_ = granted == presets.end() ? presets.front() : *granted;
    }
    if (services_.hotKeyService.available() && !shortcutRegistered() &&
        !hotKeys_.isAwaitingAnswer()) {
        notifyShortcutRefused();
    }
}

void TrayController::notifyShortcutRefused() const {
    DesktopNotifier::notify(
        tr("%1 is not available").arg(shortcut_.display),
        tr("VeloraMac cannot use %1: %2. Choose another in VeloraMac's Settings ▸ Shortcut; Read "
           "Selection in the tray menu works meanwhile.")
            .arg(shortcut_.display, hotKeys_.refusal().value_or(tr("the desktop declined it"))));
}

void TrayController::publishShortcut() {
    // Where the desktop bound another chord than the one chosen, the texts name the desktop's.
    HotKeyConfig inUse = shortcut_;
    inUse.display = shortcutDisplay();
    services_.reader.showShortcut(inUse, shortcutRegistered());
    serviceProvider_.showShortcut(inUse.display, shortcutRegistered());
    // A message on show that names the old shortcut would send the user to a dead key.
    const QString gesture = shortcutGesture();
    const std::optional<QString> shown = services_.reader.statusMessage();
    if (shown && !shownGesture_.isEmpty()) {
        if (*shown == clipboardFallbackMessage(shownGesture_)) {
            services_.reader.setStatusMessage(clipboardFallbackMessage(gesture));
        } else if (*shown == nothingToReadMessage(shownGesture_)) {
            services_.reader.setStatusMessage(nothingToReadMessage(gesture));
        }
    }
    shownGesture_ = gesture;
}

void TrayController::setupServices() {
    serviceProvider_.onText =
        whileAlive(this, [](TrayController* self, const QString& text, ServiceProvider::Done done) {
            self->readText(text, std::move(done));
        });
    serviceProvider_.onFile =
        whileAlive(this, [](TrayController* self, const std::filesystem::path& file,
                            ServiceProvider::Done done) { self->readFile(file, std::move(done)); });
    serviceProvider_.onCapture = whileAlive(this, &TrayController::captureAndShow);
    serviceProvider_.onClipboard = whileAlive(this, &TrayController::readClipboard);
    serviceProvider_.onShow = whileAlive(this, &TrayController::showReader);
    serviceProvider_.onMove = whileAlive(this, [](TrayController* self, ShellReader::Move move) {
        self->services_.reader.move(move);
    });
}

void TrayController::hotKeyConfigChanged() {
    registerShortcut();
    // A shortcut this program put in the desktop's settings follows the choice made here.
    if (services_.desktopShortcut && services_.desktopShortcut->shortcut()) {
        services_.desktopShortcut->add(shortcut_.keyCode, shortcut_.carbonModifiers);
    }
    setupStatusItem();
    publishShortcut();
}

QString TrayController::clipboardFallbackMessage(const QString& gesture) {
    return tr("Read from clipboard — this session cannot send the copy key stroke, so select "
              "text and %1 to read a selection directly.")
        .arg(gesture);
}

QString TrayController::nothingToReadMessage(const QString& gesture) {
    return tr("Nothing to read — select text and %1, or copy it first.").arg(gesture);
}

void TrayController::captureAndShow() {
    QPointer<TrayController> self(this);
    const auto capture = [self] {
        if (!self) {
            return;
        }
        self->capture_.grabSelection([self](std::optional<QString> text) {
            if (self) {
                self->captured(std::move(text));
            }
        });
    };
    if (services_.selectionNeedsFocus && overlay_) {
        showReader();
        overlay_->whenActive(capture);
        return;
    }
    capture();
}

void TrayController::captured(std::optional<QString> text) {
    if (text) {
        readText(*text);
        return;
    }
    const std::optional<QString> clipboard = services_.pasteboard.string();
    if (clipboard && !clipboard->trimmed().isEmpty()) {
        const QString message = services_.trust.isProcessTrusted()
                                    ? readFromClipboardMessage()
                                    : clipboardFallbackMessage(shortcutGesture());
        // The load clears the status line, so the message follows it.
        readText(*clipboard, {}, [self = QPointer(this), message] {
            if (self) {
                self->services_.reader.setStatusMessage(message);
            }
        });
        return;
    }
    showReader();
    services_.reader.setStatusMessage(nothingToReadMessage(shortcutGesture()));
}

void TrayController::readText(const QString& text, ServiceProvider::Done done,
                              std::function<void()> then) {
    showReader();
    services_.reader.loadText(text, startReading(std::move(done), std::move(then)));
}

void TrayController::readFile(const std::filesystem::path& file, ServiceProvider::Done done) {
    showReader();
    services_.reader.loadFile(file, startReading(std::move(done), {}));
}

LoadDone TrayController::startReading(ServiceProvider::Done done, std::function<void()> then) {
    return [self = QPointer(this), done = std::move(done),
            then = std::move(then)](const LoadOutcome& outcome) mutable {
        if (!self) {
            return;
        }
        if (outcome.status != LoadOutcome::Status::loaded) {
            if (done) {
                done(outcome.message);
            }
            return;
        }
        if (!self->services_.reader.isEmpty()) {
            self->services_.reader.play();
        }
        if (then) {
            then();
        }
        if (done) {
            self->services_.reader.whenSaved(std::move(done));
        }
    };
}

void TrayController::readClipboard() {
    showReader();
    services_.reader.loadFromClipboard([self = QPointer(this)](const LoadOutcome& outcome) {
        if (self && outcome.status == LoadOutcome::Status::loaded &&
            !self->services_.reader.isEmpty()) {
            self->services_.reader.play();
        }
    });
}

void TrayController::showReader() {
    if (overlay_) {
        overlay_->show();
    }
}

void TrayController::openSettings() {
    services_.reader.openSettings();
}

void TrayController::checkForUpdates() {
    installedVersion_.checkForUpdates();
}

void TrayController::quit() {
    QCoreApplication::quit();
}

void TrayController::openFiles(const QStringList& pathsOrUrls, ServiceProvider::Done done) {
    for (const QString& entry : pathsOrUrls) {
        if (const auto file = ServiceProvider::localFile(entry)) {
            readFile(*file, std::move(done));
            return;
        }
    }
}

} // namespace velora
