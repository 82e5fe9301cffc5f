#pragma once

#include "shell/DesktopProgram.hpp"
#include "shell/ShellReader.hpp"

#include <QPointer>
#include <memory>

namespace velora {

class LibraryStore;
class LibraryViewModel;
class MediaPlayerService;
class PreferencesStore;
class ReaderViewModel;
class ReaderView;
class SettingsView;
class SpeechService;

// The reader controller as the shell drives it, with the views that show it.
class ReaderViewModelShell final : public ShellReader {
public:
    // The controller with the desktop's speech, the library and the platform's parts.
    explicit ReaderViewModelShell(const DesktopProgram::Platform& platform);
    static std::unique_ptr<ShellReader> create(const DesktopProgram::Platform& platform);
    ~ReaderViewModelShell() override;

    void loadText(const QString& text, LoadDone done) override;
    void loadFile(const std::filesystem::path& file, LoadDone done) override;
    void loadFromClipboard(LoadDone done) override;
    void play() override;
    void move(Move move) override;
    bool isEmpty() const override;
    void setStatusMessage(const QString& message) override;
    std::optional<QString> statusMessage() const override;
    void whenSaved(std::function<void(std::optional<QString> failure)> done) override;
    void saveNow() override;
    std::unique_ptr<QWidget> makeView(std::function<void()> close) override;
    void attach(OverlayWindowController& panel) override;
    void openSettings() override;
    void showCaptureSupport(const CaptureSupport& support) override;
    void offerDesktopShortcut(const QString& offer, std::function<void()> add) override;
    void offerMediaControls(QDBusConnection& bus, std::function<void()> raise) override;

    ReaderViewModel& viewModel() { return *viewModel_; }
    SpeechService& speech() { return *speech_; }
    LibraryStore& library() { return *library_; }

private:
    // The panel's window owns the full-screen state; the view shows it and asks to change it.
    void connectFullScreen();
    // A first start asks once whether to start at login.
    void offerStartAtLogin(ReaderView& view);
    void showDesktopShortcutOffer();
    void showShortcut();

    DesktopProgram::Platform platform_;
    // Declared before the controller, which uses them until it is gone.
    std::unique_ptr<SpeechService> speech_;
    std::unique_ptr<LibraryStore> library_;
    std::unique_ptr<LibraryViewModel> libraryView_;
    std::unique_ptr<ReaderViewModel> viewModel_;
    QPointer<ReaderView> view_;
    QPointer<OverlayWindowController> panel_;
    QPointer<SettingsView> settings_;
    CaptureSupport captureSupport_;
    // Waits for a view to show in.
    std::optional<std::pair<QString, std::function<void()>>> desktopShortcutOffer_;
    std::unique_ptr<MediaPlayerService> mediaPlayer_;
};

} // namespace velora
