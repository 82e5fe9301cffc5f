// Renders the README's pictures: the focus, flow and spotlight views in every theme, and the
// reader panel in the states a new user meets.
// Usage: render_views OUTPUT_FOLDER

#include "app/HotKeySetting.hpp"
#include "app/ImportService.hpp"
#include "app/LibraryStore.hpp"
#include "app/ReaderViewModel.hpp"
#include "core/ReadingMode.hpp"
#include "core/ReadingSettings.hpp"
#include "core/ReadingTheme.hpp"
#include "core/TextEngine.hpp"
#include "platform/desktop/AutostartEntry.hpp"
#include "platform/desktop/ClipboardPasteboard.hpp"
#include "platform/desktop/SettingsPreferencesStore.hpp"
#include "platform/desktop/TimerScheduler.hpp"
#include "platform/documents/LinuxDocumentReaders.hpp"
#include "shell/ReaderViewModelShell.hpp"
#include "shell/Translations.hpp"
#include "ui/FlowReadingView.hpp"
#include "ui/FocusReaderView.hpp"
#include "ui/ReaderBindings.hpp"
#include "ui/ReaderCards.hpp"
#include "ui/ReaderView.hpp"
#include "ui/SettingsView.hpp"
#include "ui/ThemePalette.hpp"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QVariantAnimation>
#include <cstdio>
#include <span>

namespace {

using namespace velora;

constexpr QSize viewSize(720, 360);
// The system theme lets the window's material show through; this stands in for it.
const QColor materialStandIn(48, 50, 56);

constexpr const char* sampleText =
    "Speed reading shows one word at a time at a fixed point, so the eye never has to travel. "
    "Each word is held just long enough to be recognised, longer after a comma and longer still "
    "at the end of a sentence.\n\nThe pivot letter stays in place while the words change around "
    "it, and the page view keeps the current words centred as the text flows past.";

void finishAnimations(QWidget& view) {
    for (QVariantAnimation* animation : view.findChildren<QVariantAnimation*>()) {
        animation->setCurrentTime(animation->duration());
    }
}

QImage snapshot(QWidget& view, const ThemePalette& palette) {
    view.resize(viewSize);
    finishAnimations(view);
    QImage image(viewSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(palette.background.value_or(materialStandIn));
    view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QImage renderFocus(const std::vector<Word>& words, const ThemePalette& palette) {
    FocusReaderView view;
    view.setThemePalette(palette);
    view.setSettings(ReadingSettings{});
    view.setChunk(std::span(words).subspan(4, 1));
    return snapshot(view, palette);
}

QImage renderPage(const std::vector<Word>& words, ReadingMode mode, const ThemePalette& palette) {
    FlowReadingView view;
    view.resize(viewSize);
    view.setThemePalette(palette);
    view.setMode(mode);
    view.setWords(std::make_shared<const std::vector<Word>>(words));
    view.setActiveRange(24, 26);
    return snapshot(view, palette);
}

bool save(const QImage& image, const QDir& folder, const QString& name) {
    if (image.save(folder.filePath(name))) {
        return true;
    }
    std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(name)));
    return false;
}

QImage grab(QWidget& widget, QSize size) {
    widget.resize(size);
    widget.show();
    QCoreApplication::processEvents();
    finishAnimations(widget);
    QCoreApplication::processEvents();
    return widget.grab().toImage();
}

// The panel as the program builds it, over a private library and settings, in the dark theme.
bool renderPanel(const QDir& folder) {
    SettingsPreferencesStore preferences;
    TimerScheduler scheduler;
    ClipboardPasteboard pasteboard;
    HotKeySetting shortcut(preferences);
    const ImportService importer(std::make_shared<LinuxDocumentReaders>());
    // Started at login already (in the private settings), so no first-start question shows.
    AutostartEntry autostart;
    autostart.setEnabled(true);
    const DesktopProgram::Platform platform{preferences, scheduler, pasteboard,
                                            importer,    shortcut,  autostart};
    const std::unique_ptr<ShellReader> shell = ReaderViewModelShell::create(platform);
    ReaderViewModel& vm = static_cast<ReaderViewModelShell&>(*shell).viewModel();
    ReadingSettings settings = vm.settings();
    settings.theme = ReadingTheme::dark;
    vm.setSettings(settings);
    const std::unique_ptr<QWidget> panel = shell->makeView([] {});
    auto& reader = static_cast<ReaderView&>(*panel);
    const QSize windowed(760, 520);

    bool written = save(grab(reader, windowed), folder, QStringLiteral("panel-empty.png"));
    for (const char* text :
         {"Notes from the reading group: chapters four to six, and the questions for Thursday.",
          "The quarterly report, summarised for the team in a few short paragraphs.", sampleText}) {
        QEventLoop loaded;
        vm.load(text, ReaderViewModel::LoadSource::text(),
                [&loaded](const LoadOutcome&) { loaded.quit(); });
        loaded.exec();
        vm.step(7);
    }
    static_cast<ReaderViewModelShell&>(*shell).library().addReading(18'400, 3'700);
    reader.cards().setShown(ReaderCard::library, true);
    written &= save(grab(reader, windowed), folder, QStringLiteral("panel-library.png"));
    reader.cards().setShown(ReaderCard::library, false);
    reader.cards().setShown(ReaderCard::settings, true);
    written &= save(grab(reader, windowed), folder, QStringLiteral("panel-settings.png"));
    reader.cards().setShown(ReaderCard::settings, false);

    vm.setStatusMessage(DocumentSession::tr("Resumed at %L1% · press ⏮ to start over").arg(12));
    reader.setFullScreen(true);
    written &=
        save(grab(reader, QSize(1280, 800)), folder, QStringLiteral("panel-full-screen.png"));

    SettingsView window(static_cast<ReaderViewModelShell&>(*shell).speech(), shortcut);
    bind(window, vm);
    written &= save(grab(window, QSize(480, 380)), folder, QStringLiteral("settings-window.png"));
    return written;
}

} // namespace

int main(int argc, char** argv) {
    // A private library and settings: the pictures never show, nor change, the user's own.
    const QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    QApplication app(argc, argv);
    // LANG=de_DE.UTF-8 and the like draw the interface in that language.
    installTranslations();
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_views OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const std::vector<Word> words = TextEngine::tokenize(sampleText);
    for (ReadingTheme theme : allReadingThemes) {
        const ThemePalette palette = velora::palette(theme, QApplication::palette());
        for (ReadingMode mode : allReadingModes) {
            const QImage image = mode == ReadingMode::focus ? renderFocus(words, palette)
                                                            : renderPage(words, mode, palette);
            const QString name = QStringLiteral("%1-%2.png")
                                     .arg(QString::fromUtf8(toString(mode).data()),
                                          QString::fromUtf8(toString(theme).data()));
            if (!save(image, folder, name)) {
                return 1;
            }
        }
    }
    return renderPanel(folder) ? 0 : 1;
}
