#include "shell/AppDelegate.hpp"

#include "app/HotKeyConfig.hpp"
#include "app/NotificationCenter.hpp"
#include "app/platform/AccessibilityTrust.hpp"
#include "app/platform/Pasteboard.hpp"
#include "shell/ShellReader.hpp"

#include <QApplication>
#include <QDBusConnection>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>

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
    shownShortcut_ = shortcutDisplay();
    services_.reader.showShortcut(shownShortcut_);
    setupStatusItem();
    setupHotKey();
    setupServices();
    const bool ownsService = !bus || serviceProvider_.registerOn(*bus);
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

QString AppDelegate::shortcutDisplay() const {
    return HotKeyConfig::load(services_.preferences).display;
}

QString AppDelegate::readSelectionTitle() const {
    return QStringLiteral("Read Selection  (") + shortcutDisplay() + QLatin1Char(')');
}

void AppDelegate::setupStatusItem() {
    auto menu = std::make_unique<QMenu>();
    menu->addAction(readSelectionTitle(), this, &AppDelegate::captureAndShow);
    menu->addAction(QStringLiteral("Read from Clipboard"), this, &AppDelegate::readClipboard);
    menu->addAction(QStringLiteral("Show Reader"), this, &AppDelegate::showReader);
    menu->addAction(QStringLiteral("Tip: select text anywhere, press ") + shortcutDisplay())
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
    const HotKeyConfig config = HotKeyConfig::load(services_.preferences);
    hotKeys_.registerKeyCode(config.keyCode, config.carbonModifiers);
}

void AppDelegate::setupServices() {
    QPointer<AppDelegate> self(this);
    serviceProvider_.onText = [self](const QString& text) {
        if (self) {
            self->readText(text);
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
    const HotKeyConfig config = HotKeyConfig::load(services_.preferences);
    hotKeys_.registerKeyCode(config.keyCode, config.carbonModifiers);
    setupStatusItem();
    services_.reader.showShortcut(config.display);
    // A message on show that names the old shortcut would send the user to a dead key.
    const std::optional<QString> shown = services_.reader.statusMessage();
    if (shown == clipboardFallbackMessage(shownShortcut_)) {
        services_.reader.setStatusMessage(clipboardFallbackMessage(config.display));
    } else if (shown == nothingToReadMessage(shownShortcut_)) {
        services_.reader.setStatusMessage(nothingToReadMessage(config.display));
    }
    shownShortcut_ = config.display;
}

QString AppDelegate::clipboardFallbackMessage(const QString& display) {
    return QStringLiteral("Read from clipboard — grant Accessibility to capture selections "
                          "directly, or use ") +
           display + QStringLiteral(" anywhere.");
}

QString AppDelegate::nothingToReadMessage(const QString& display) {
    return QStringLiteral("Nothing to read — select text and press ") + display +
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
                                              : clipboardFallbackMessage(shortcutDisplay()));
        return;
    }
    showReader();
    services_.reader.setStatusMessage(nothingToReadMessage(shortcutDisplay()));
}

void AppDelegate::readText(const QString& text) {
    services_.reader.loadText(text);
    showReader();
    if (!services_.reader.isEmpty()) {
        services_.reader.play();
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
                    done(std::nullopt);
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
