#include "shell/DesktopProgram.hpp"

#include "app/HotKeySetting.hpp"
#include "app/ImportService.hpp"
#include "app/LogCategories.hpp"
#include "core/Sentences.hpp"
#include "core/TextEngine.hpp"
#include "platform/desktop/AutostartEntry.hpp"
#include "platform/desktop/ClipboardPasteboard.hpp"
#include "platform/desktop/DesktopBackend.hpp"
#include "platform/desktop/SettingsPreferencesStore.hpp"
#include "platform/desktop/TimerScheduler.hpp"
#include "platform/documents/LinuxDocumentReaders.hpp"
#include "shell/EndOfSession.hpp"
#include "shell/RemoteInstance.hpp"
#include "shell/ShellReader.hpp"
#include "shell/Translations.hpp"
#include "shell/TrayController.hpp"
#include "ui/Symbols.hpp"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDir>
#include <QTimer>
#include <iostream>
#include <malloc.h>
#include <thread>

namespace velora {

namespace {

constexpr QLatin1String readSelectionOption{"--read-selection"};
constexpr QLatin1String readClipboardOption{"--read-clipboard"};
constexpr QLatin1String startedAtLoginOption{AutostartEntry::startedAtLoginOption};

int forward(const QStringList& arguments) {
    if (const std::optional<QString> failure =
            RemoteInstance::forward(arguments, QDir::currentPath())) {
        std::cerr << failure->toStdString() << '\n';
        return 1;
    }
    return 0;
}

// The text engine builds its character tables at its first text, the welcome text among them:
// twenty milliseconds of one core. Built on another while the display and the settings are set
// up, they are ready when the reader is made; a reader that comes sooner waits for them.
void buildTextTables() {
    constexpr std::string_view sample = "Warm up — the tables, once.";
    static_cast<void>(Sentences::of(TextEngine::tokenize(sample), sample));
}

} // namespace

int DesktopProgram::run(int argc, char** argv, const ReaderFactory& makeReader) {
    const std::jthread textTables(buildTextTables);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VeloraMac"));
    QApplication::setDesktopFileName(QStringLiteral("org.veloramac.VeloraMac"));
    installTranslations();
    // The program lives in the tray; hiding the panel must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    QStringList arguments = QApplication::arguments().mid(1);
    const bool startedAtLogin = arguments.removeAll(startedAtLoginOption) > 0;

    if (RemoteInstance::isRunning()) {
        // At login a running program is all that was asked for.
        return startedAtLogin ? 0 : forward(arguments);
    }

    SettingsPreferencesStore preferences;
    TimerScheduler scheduler;
    ClipboardPasteboard pasteboard;
    const DesktopBackend desktop = DesktopBackend::forSession();
    HotKeySetting shortcut(preferences);
    const ImportService importer(std::make_shared<LinuxDocumentReaders>());
    AutostartEntry autostart;
    const std::unique_ptr<ShellReader> reader =
        makeReader(Platform{preferences, scheduler, pasteboard, importer, shortcut, autostart});

    TrayController tray(
        TrayController::Services{{*desktop.hotKeys, scheduler, preferences, shortcut, *reader,
                                  *desktop.trust, desktop.route, desktop.desktopShortcut.get()},
                                 pasteboard,
                                 *desktop.keys,
                                 desktop.isWayland});
    QApplication::setWindowIcon(Symbols::mark());
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCWarning(lcShell, "VeloraMac: no session bus (%s); other programs cannot reach the reader",
                  qUtf8Printable(bus.lastError().message()));
    }
    if (!tray.launch(bus.isConnected() ? &bus : nullptr, startedAtLogin)) {
        // Another process took the name since the check above.
        return startedAtLogin ? 0 : forward(arguments);
    }
    const EndOfSession end([&reader] { reader->saveNow(); });

    if (arguments.contains(readSelectionOption)) {
        tray.captureAndShow();
    } else if (arguments.contains(readClipboardOption)) {
        tray.readClipboard();
    } else if (!arguments.isEmpty()) {
        QStringList files;
        for (const QString& argument : arguments) {
            files.append(argument.contains(QLatin1String("://"))
                             ? argument
                             : QDir::current().absoluteFilePath(argument));
        }
        // The same failure a forwarded request reports.
        tray.openFiles(files, [](std::optional<QString> failure) {
            if (failure) {
                std::cerr << failure->toStdString() << '\n';
            }
        });
    }
    // The start reads voices, fonts and settings into memory it frees again; glibc keeps those
    // pages unless asked, and the program then sits in the tray for the whole session.
    QTimer::singleShot(0, [] { malloc_trim(0); });
    return QApplication::exec();
}

} // namespace velora
