#include "shell/ReaderViewModelShell.hpp"

#include "app/HotKeySetting.hpp"
#include "app/LibraryStore.hpp"
#include "app/LibraryViewModel.hpp"
#include "app/ReaderViewModel.hpp"
#include "app/SpeechService.hpp"
#include "app/StartAtLoginOffer.hpp"
#include "platform/speech/DesktopSpeech.hpp"
#include "platform/text/PatternHyphenation.hpp"
#include "shell/MediaPlayerService.hpp"
#include "shell/OverlayWindowController.hpp"
#include "ui/QuestionLine.hpp"
#include "ui/ReaderBindings.hpp"
#include "ui/ReaderView.hpp"
#include "ui/SettingsView.hpp"
#include "ui/StartAtLoginSwitch.hpp"

#include <QApplication>
#include <QLocale>

namespace velora {

ReaderViewModelShell::ReaderViewModelShell(const DesktopProgram::Platform& platform)
    : platform_(platform), speech_(makeDesktopSpeechService(platform.preferences)),
      library_(std::make_unique<LibraryStore>()),
      libraryView_(std::make_unique<LibraryViewModel>(*library_)),
      viewModel_(std::make_unique<ReaderViewModel>(
          ReaderViewModel::Services{platform.preferences, platform.scheduler, platform.pasteboard,
                                    platform.importer, *speech_, *library_})) {
    auto hyphenation = std::make_shared<PatternHyphenation>(QLocale::system().name().toStdString());
    hyphenation->preload();
    viewModel_->setHyphenation(std::move(hyphenation));
    QObject::connect(&platform.shortcut, &HotKeySetting::changed, viewModel_.get(),
                     [this] { showShortcut(); });
}

ReaderViewModelShell::~ReaderViewModelShell() {
    delete settings_.data();
}

std::unique_ptr<ShellReader>
ReaderViewModelShell::create(const DesktopProgram::Platform& platform) {
    return std::make_unique<ReaderViewModelShell>(platform);
}

void ReaderViewModelShell::loadText(const QString& text, LoadDone done) {
    viewModel_->loadText(text, std::move(done));
}

void ReaderViewModelShell::loadFile(const std::filesystem::path& file, LoadDone done) {
    viewModel_->loadFile(file, ReaderViewModel::couldNotRead(), std::move(done));
}

void ReaderViewModelShell::loadFromClipboard(LoadDone done) {
    viewModel_->loadFromClipboard(std::move(done));
}

void ReaderViewModelShell::play() {
    viewModel_->play();
}

void ReaderViewModelShell::move(Move move) {
    switch (move) {
    case Move::previousSentence:
        viewModel_->previousSentence();
        break;
    case Move::nextSentence:
        viewModel_->nextSentence();
        break;
    case Move::previousParagraph:
        viewModel_->previousParagraph();
        break;
    case Move::nextParagraph:
        viewModel_->nextParagraph();
        break;
    }
}

bool ReaderViewModelShell::isEmpty() const {
    return viewModel_->engine().isEmpty();
}

void ReaderViewModelShell::setStatusMessage(const QString& message) {
    viewModel_->setStatusMessage(message);
}

std::optional<QString> ReaderViewModelShell::statusMessage() const {
    return viewModel_->statusMessage();
}

void ReaderViewModelShell::whenSaved(std::function<void(std::optional<QString> failure)> done) {
    library_->whenSaved(std::move(done));
}

void ReaderViewModelShell::saveNow() {
    // A scrubber still held would keep the library from being written.
    viewModel_->endScrub();
    viewModel_->saveReading();
    library_->flush();
}

std::unique_ptr<QWidget> ReaderViewModelShell::makeView(std::function<void()> close) {
    auto view = std::make_unique<ReaderView>(*viewModel_, *libraryView_, platform_.scheduler, true);
    QObject::connect(view.get(), &ReaderView::closeRequested, view.get(), std::move(close));
    QObject::connect(view.get(), &ReaderView::settingsWindowRequested, view.get(),
                     [this] { openSettings(); });
    QObject::connect(view.get(), &ReaderView::quitRequested, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    view_ = view.get();
    // The panel is built when first shown, maybe long after the shortcut was registered.
    showShortcut();
    connectFullScreen();
    offerStartAtLogin(*view);
    showDesktopShortcutOffer();
    return view;
}

void ReaderViewModelShell::offerStartAtLogin(ReaderView& view) {
    if (!StartAtLoginOffer(platform_.preferences, platform_.startAtLogin).shouldAsk()) {
        return;
    }
    auto* question = new QuestionLine(
        QCoreApplication::translate(
            "ReaderPanel", "Start VeloraMac when you log in, so the shortcut always works?"),
        &view);
    view.addQuestion(question);
    QObject::connect(question, &QuestionLine::answered, question, [this, question](bool yes) {
        if (!StartAtLoginOffer(platform_.preferences, platform_.startAtLogin).answer(yes)) {
            viewModel_->setStatusMessage(QCoreApplication::translate(
                "ReaderPanel", "The desktop's autostart entry could not be written"));
        }
        if (settings_) {
            settings_->startAtLoginSwitch()->refresh();
        }
        question->deleteLater();
    });
}

void ReaderViewModelShell::showShortcut() {
    const HotKeySetting& shortcut = platform_.shortcut;
    if (view_) {
        view_->setShortcutDisplay(shortcut.isRegistered() ? shortcut.display() : QString());
    }
}

void ReaderViewModelShell::showCaptureSupport(const CaptureSupport& support) {
    captureSupport_ = support;
    if (settings_) {
        settings_->showCaptureSupport(support);
    }
}

void ReaderViewModelShell::offerDesktopShortcut(const QString& offer, std::function<void()> add) {
    desktopShortcutOffer_.emplace(offer, std::move(add));
    showDesktopShortcutOffer();
}

void ReaderViewModelShell::showDesktopShortcutOffer() {
    if (!view_ || !desktopShortcutOffer_) {
        return;
    }
    auto [offer, add] = *std::exchange(desktopShortcutOffer_, std::nullopt);
    auto* question = new QuestionLine(offer, view_);
    view_->addQuestion(question);
    QObject::connect(question, &QuestionLine::answered, question,
                     [question, add = std::move(add)](bool yes) {
                         if (yes) {
                             add();
                         }
                         question->deleteLater();
                     });
}

void ReaderViewModelShell::offerMediaControls(QDBusConnection& bus, std::function<void()> raise) {
    auto player = std::make_unique<MediaPlayerService>(*viewModel_, std::move(raise));
    // Another player of this name (a second session of the program) keeps it.
    if (player->registerOn(bus)) {
        mediaPlayer_ = std::move(player);
    }
}

void ReaderViewModelShell::attach(OverlayWindowController& panel) {
    ReaderViewModel* viewModel = viewModel_.get();
    panel_ = &panel;
    QObject::connect(
        viewModel, &ReaderViewModel::settingsChanged, &panel,
        [viewModel, target = panel_] { target->applyAppearance(viewModel->settings().theme); });
    panel.applyAppearance(viewModel->settings().theme);
    connectFullScreen();
}

void ReaderViewModelShell::connectFullScreen() {
    if (!panel_ || !view_) {
        return;
    }
    QObject::connect(view_, &ReaderView::fullScreenToggleRequested, panel_,
                     &OverlayWindowController::toggleFullScreen);
    QObject::connect(panel_, &OverlayWindowController::fullScreenChanged, view_,
                     &ReaderView::setFullScreen);
    view_->setFullScreen(panel_->isFullScreen());
}

void ReaderViewModelShell::openSettings() {
    QWidget* panel = view_ ? view_->window() : nullptr;
    const bool overPanel = panel != nullptr && panel->isVisible();
    if (!settings_) {
        auto* view = new SettingsView(*speech_, platform_.shortcut);
        view->setAttribute(Qt::WA_DeleteOnClose);
        bind(*view, *viewModel_);
        view->showCaptureSupport(captureSupport_);
        view->offerStartAtLogin(platform_.startAtLogin);
        settings_ = view;
        // Closing the window hands the keys back to the panel, not to another program.
        QObject::connect(view, &QObject::destroyed, view_, [this] {
            if (view_ && view_->window()->isVisible()) {
                view_->window()->activateWindow();
            }
        });
    }
    if (overPanel && !settings_->isVisible()) {
        // The panel stays above ordinary windows; the settings must too, or they open under it.
        settings_->setWindowFlag(Qt::WindowStaysOnTopHint);
        QRect frame(QPoint(), settings_->size());
        frame.moveCenter(panel->geometry().center());
        settings_->move(frame.topLeft());
    }
    settings_->show();
    settings_->raise();
    settings_->activateWindow();
}

} // namespace velora
