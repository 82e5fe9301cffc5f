#include "shell/TrayController.hpp"

#include "app/HotKeySetting.hpp"
#include "app/platform/AccessibilityTrust.hpp"
#include "app/platform/Pasteboard.hpp"
#include "shell/ShellReader.hpp"

#include <QApplication>
#include <QDBusConnection>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QWidget>
#include <utility>

namespace velora {

TrayController::TrayController(Services services, QObject* parent)
    : QObject(parent), services_(std::move(services)), shortcutController_(services_.shared, this),
      serviceProvider_(services_.shared.shortcut), menu_(services_.shared.shortcut),
      hint_(reader(), services_.shared.shortcut),
      capture_(services_.pasteboard, services_.keys, services_.shared.trust,
               services_.shared.scheduler) {
    connect(&shortcutController_, &ShortcutController::pressed, this,
            &TrayController::captureAndShow);
    connectMenu();
    connectServices();
}

TrayController::~TrayController() = default;

bool TrayController::launch(QDBusConnection* bus, bool startedAtLogin) {
    overlay_ = std::make_unique<OverlayWindowController>(
        [this](std::function<void()> close) { return reader().makeView(std::move(close)); });
    reader().attach(*overlay_);
    shortcutController_.start();
    menu_.show();
    const bool ownsService = !bus || serviceProvider_.registerOn(*bus);
    if (bus != nullptr && ownsService) {
        reader().offerMediaControls(*bus, [this] { showReader(); });
    }
    TextCapture::promptForAccessibilityIfNeeded(
        services_.shared.trust,
        [this](const QString& message) { reader().setStatusMessage(message); });
    openAtStart(startedAtLogin);
    shortcutController_.offerDesktopShortcut();
    return ownsService;
}

void TrayController::openAtStart(bool startedAtLogin) {
    // Some desktops have no tray: the panel is then the only way in, so it opens at once.
    if (startedAtLogin) {
        services_.shared.scheduler.after(trayWaitAtLogin, [self = QPointer(this)] {
            if (self && !QSystemTrayIcon::isSystemTrayAvailable()) {
                self->showReader();
            }
        });
    } else if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        showReader();
    }
}

void TrayController::connectMenu() {
    connect(&menu_, &TrayMenu::readSelectionChosen, this, &TrayController::captureAndShow);
    connect(&menu_, &TrayMenu::readClipboardChosen, this, &TrayController::readClipboard);
    connect(&menu_, &TrayMenu::showReaderChosen, this, &TrayController::showReader);
    connect(&menu_, &TrayMenu::settingsChosen, this, &TrayController::openSettings);
    connect(&menu_, &TrayMenu::installedVersionChosen, this, &TrayController::showInstalledVersion);
    connect(&menu_, &TrayMenu::quitChosen, this, &TrayController::quit);
}

void TrayController::connectServices() {
    connect(
        &serviceProvider_, &ServiceProvider::textReceived, this,
        [this](const QString& text, const ServiceProvider::Done& done) { readText(text, done); });
    connect(&serviceProvider_, &ServiceProvider::fileReceived, this,
            [this](const std::filesystem::path& file, const ServiceProvider::Done& done) {
                readFile(file, done);
            });
    connect(&serviceProvider_, &ServiceProvider::captureRequested, this,
            &TrayController::captureAndShow);
    connect(&serviceProvider_, &ServiceProvider::clipboardRequested, this,
            &TrayController::readClipboard);
    connect(&serviceProvider_, &ServiceProvider::showRequested, this, &TrayController::showReader);
    connect(&serviceProvider_, &ServiceProvider::moveRequested, this,
            [this](ShellReader::Move move) { reader().move(move); });
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
        const auto kind = services_.shared.trust.isProcessTrusted()
                              ? CaptureHint::Kind::readFromClipboard
                              : CaptureHint::Kind::clipboardInstead;
        // The load clears the status line, so the message follows it.
        readText(*clipboard, {}, [self = QPointer(this), kind] {
            if (self) {
                self->hint_.show(kind);
            }
        });
        return;
    }
    showReader();
    hint_.show(CaptureHint::Kind::nothingToRead);
}

void TrayController::readText(const QString& text, ServiceProvider::Done done,
                              std::function<void()> then) {
    showReader();
    reader().loadText(text, startReading(std::move(done), std::move(then)));
}

void TrayController::readFile(const std::filesystem::path& file, ServiceProvider::Done done) {
    showReader();
    reader().loadFile(file, startReading(std::move(done), {}));
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
        if (!self->reader().isEmpty()) {
            self->reader().play();
        }
        if (then) {
            then();
        }
        if (done) {
            self->reader().whenSaved(std::move(done));
        }
    };
}

void TrayController::readClipboard() {
    showReader();
    reader().loadFromClipboard([self = QPointer(this)](const LoadOutcome& outcome) {
        if (self && outcome.status == LoadOutcome::Status::loaded && !self->reader().isEmpty()) {
            self->reader().play();
        }
    });
}

void TrayController::showReader() {
    if (overlay_) {
        overlay_->show();
    }
}

void TrayController::openSettings() {
    reader().openSettings();
}

void TrayController::showInstalledVersion() {
    installedVersion_.show();
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
