#include "shell/AppDelegate.hpp"

#include "app/NotificationCenter.hpp"
#include "app/platform/AccessibilityTrust.hpp"
#include "app/platform/Pasteboard.hpp"
#include "shell/DesktopNotifier.hpp"
#include "shell/ShellReader.hpp"

#include <QApplication>
#include <QDBusConnection>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>
#include <algorithm>

// The icon lives in a static library, whose resources are not registered on their own.
static void registerShellResources() {
    Q_INIT_RESOURCE(shell);
}

namespace velora {

AppDelegate::AppDelegate(Services services, QObject* parent)
    : QObject(parent), services_(std::move(services)),
      hotKeys_(services_.hotKeyService, services_.scheduler),
      capture_(services_.pasteboard, services_.keys, services_.trust, services_.scheduler) {
    registerShellResources();
}

AppDelegate::~AppDelegate() = default;

bool AppDelegate::launch(QDBusConnection* bus) {
    overlay_ = std::make_unique<OverlayWindowController>([this](std::function<void()> close) {
        return services_.reader.makeView(std::move(close));
    });
    services_.reader.attach(*overlay_);
    services_.reader.showCaptureSupport(services_.hotKeyService.available(),
                                        services_.trust.isProcessTrusted());
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
                }
            });
    TextCapture::promptForAccessibilityIfNeeded(services_.trust, [this](const QString& message) {
        services_.reader.setStatusMessage(message);
    });
    // Some desktops have no tray: the panel is then the only way in, so it opens at once.
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        showReader();
    }
    return ownsService;
}

QString AppDelegate::readSelectionTitle() const {
    return QStringLiteral("Read Selection  (") + shortcut_.display +
           (shortcutRegistered() ? QString() : QStringLiteral(" unavailable")) + QLatin1Char(')');
}

QString AppDelegate::shortcutGesture() const {
    return shortcutRegistered() ? QStringLiteral("press ") + shortcut_.display
                                : QStringLiteral("choose Read Selection in the tray menu");
}

void AppDelegate::setupStatusItem() {
    auto menu = std::make_unique<QMenu>();
    menu->addAction(readSelectionTitle(), this, &AppDelegate::captureAndShow);
    menu->addAction(QStringLiteral("Read from Clipboard"), this, &AppDelegate::readClipboard);
    menu->addAction(QStringLiteral("Show Reader"), this, &AppDelegate::showReader);
    menu->addAction(shortcutRegistered()
                        ? QStringLiteral("Tip: select text anywhere, press ") + shortcut_.display
                        : QStringLiteral("Tip: choose a free shortcut in Settings ▸ Shortcut"))
        ->setEnabled(false);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Settings…"), QKeySequence(QStringLiteral("Ctrl+,")), this,
                    &AppDelegate::openSettings);
    menu->addAction(QStringLiteral("Check for Updates…"), this, &AppDelegate::checkForUpdates);
    menu->addSeparator();
    menu->addAction(QStringLiteral("VeloraMac ") + UpdaterService::versionString())
        ->setEnabled(false);
    menu->addAction(QStringLiteral("Quit VeloraMac"), QKeySequence(QStringLiteral("Ctrl+Q")), this,
                    &AppDelegate::quit);

    if (!statusItem_) {
        statusItem_ = std::make_unique<QSystemTrayIcon>(QIcon(QStringLiteral(":/veloramac.svg")));
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

void AppDelegate::setupHotKey() {
    QPointer<AppDelegate> self(this);
    hotKeys_.onTrigger = [self] {
        if (self) {
            self->captureAndShow();
        }
    };
    registerShortcut();
}

void AppDelegate::registerShortcut() {
    const std::optional<HotKeyConfig> stored = HotKeyConfig::loadStored(services_.preferences);
    if (!services_.hotKeyService.available()) {
        // Nothing to ask for: the desktop's own settings bind `veloramac --read-selection`.
        shortcut_ = stored.value_or(HotKeyConfig{});
    } else if (stored) {
        shortcut_ = *stored;
        hotKeys_.registerKeyCode(shortcut_.keyCode, shortcut_.carbonModifiers);
    } else {
        // The desktop or another program may hold the default; the user chose none of them.
        const auto& presets = HotKeyConfig::presets();
        const auto granted = std::ranges::find_if(presets, [this](const HotKeyConfig& preset) {
            return hotKeys_.registerKeyCode(preset.keyCode, preset.carbonModifiers);
        });
        shortcut_ = granted == presets.end() ? presets.front() : *granted;
    }
    if (services_.hotKeyService.available() && !shortcutRegistered()) {
        DesktopNotifier::notify(
            shortcut_.display + QStringLiteral(" is taken"),
            QStringLiteral("Another program holds the shortcut ") + shortcut_.display +
                QStringLiteral(", so VeloraMac cannot use it. Choose another in VeloraMac's "
                               "Settings ▸ Shortcut; Read Selection in the tray menu works "
                               "meanwhile."));
    }
}

void AppDelegate::publishShortcut() {
    services_.reader.showShortcut(shortcut_, shortcutRegistered());
    serviceProvider_.showShortcut(shortcut_.display, shortcutRegistered());
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

void AppDelegate::setupServices() {
    QPointer<AppDelegate> self(this);
    serviceProvider_.onText = [self](const QString& text, ServiceProvider::Done done) {
        if (self) {
            self->readText(text, std::move(done));
        }
    };
    serviceProvider_.onFile = [self](const std::filesystem::path& file,
                                     ServiceProvider::FileDone done) {
        if (self) {
            self->readFile(file, std::move(done));
        }
    };
    serviceProvider_.onCapture = [self] {
        if (self) {
            self->captureAndShow();
        }
    };
    serviceProvider_.onClipboard = [self] {
        if (self) {
            self->readClipboard();
        }
    };
    serviceProvider_.onShow = [self] {
        if (self) {
            self->showReader();
        }
    };
    serviceProvider_.onMove = [self](ShellReader::Move move) {
        if (self) {
            self->services_.reader.move(move);
        }
    };
}

void AppDelegate::hotKeyConfigChanged() {
    registerShortcut();
    setupStatusItem();
    publishShortcut();
}

QString AppDelegate::clipboardFallbackMessage(const QString& gesture) {
    return QStringLiteral("Read from clipboard — this session cannot send the copy key stroke, "
                          "so select text and ") +
           gesture + QStringLiteral(" to read a selection directly.");
}

QString AppDelegate::nothingToReadMessage(const QString& gesture) {
    return QStringLiteral("Nothing to read — select text and ") + gesture +
           QStringLiteral(", or copy it first.");
}

void AppDelegate::captureAndShow() {
    QPointer<AppDelegate> self(this);
    capture_.grabSelection([self](std::optional<QString> text) {
        if (self) {
            self->captured(std::move(text));
        }
    });
}

void AppDelegate::captured(std::optional<QString> text) {
    if (text) {
        readText(*text);
        return;
    }
    const std::optional<QString> clipboard = services_.pasteboard.string();
    if (clipboard && !clipboard->trimmed().isEmpty()) {
        readText(*clipboard);
        services_.reader.setStatusMessage(services_.trust.isProcessTrusted()
                                              ? QString(readFromClipboardMessage)
                                              : clipboardFallbackMessage(shortcutGesture()));
        return;
    }
    showReader();
    services_.reader.setStatusMessage(nothingToReadMessage(shortcutGesture()));
}

void AppDelegate::readText(const QString& text, ServiceProvider::Done done) {
    services_.reader.loadText(text);
    showReader();
    if (!services_.reader.isEmpty()) {
        services_.reader.play();
    }
    if (done) {
        services_.reader.whenSaved(std::move(done));
    }
}

void AppDelegate::readFile(const std::filesystem::path& file, ServiceProvider::FileDone done) {
    showReader();
    services_.importText(
        file, this, [this, file, done = std::move(done)](std::optional<std::string> text) {
            if (text && !text->empty()) {
                services_.reader.loadFile(file, *text);
                services_.reader.play();
                if (done) {
                    services_.reader.whenSaved(std::move(done));
                }
                return;
            }
            const QString failure =
                QStringLiteral("Couldn't read ") + QString::fromStdString(file.filename().string());
            services_.reader.setStatusMessage(failure);
            if (done) {
                done(failure);
            }
        });
}

void AppDelegate::readClipboard() {
    services_.reader.loadFromClipboard();
    showReader();
    if (!services_.reader.isEmpty()) {
        services_.reader.play();
    }
}

void AppDelegate::showReader() {
    if (overlay_) {
        overlay_->show();
    }
}

void AppDelegate::openSettings() {
    services_.reader.openSettings();
}

void AppDelegate::checkForUpdates() {
    updater_.checkForUpdates();
}

void AppDelegate::quit() {
    QCoreApplication::quit();
}

void AppDelegate::openFiles(const QStringList& pathsOrUrls) {
    for (const QString& entry : pathsOrUrls) {
        if (const auto file = ServiceProvider::localFile(entry)) {
            readFile(*file);
            return;
        }
    }
}

} // namespace velora
