#pragma once

#include "app/HotKeyConfig.hpp"
#include "shell/DesktopProgram.hpp"
#include "shell/ShellReader.hpp"

#include <QPointer>
#include <memory>

namespace velora {

class MediaPlayerService;
class NotificationCenter;
class PreferencesStore;
class ReaderViewModel;
class ReaderView;
class SettingsView;

// The reader controller as the shell drives it, with the views that show it.
class ReaderViewModelShell final : public ShellReader {
public:
    ReaderViewModelShell(std::unique_ptr<ReaderViewModel> viewModel,
                         const DesktopProgram::Platform& platform);
    ~ReaderViewModelShell() override;

    // The controller with the desktop's speech, library and the platform's parts.
    static std::unique_ptr<ShellReader> create(const DesktopProgram::Platform& platform);

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
    void showShortcut(const HotKeyConfig& shortcut, bool registered) override;
    void showCaptureSupport(const CaptureSupport& support) override;
    void offerMediaControls(QDBusConnection& bus, std::function<void()> raise) override;

    ReaderViewModel& viewModel() { return *viewModel_; }

private:
    std::unique_ptr<ReaderViewModel> viewModel_;
    DesktopProgram::Platform platform_;
    QPointer<ReaderView> view_;
    QPointer<SettingsView> settings_;
    HotKeyConfig shortcut_;
    bool shortcutRegistered_ = false;
    CaptureSupport captureSupport_;
    std::unique_ptr<MediaPlayerService> mediaPlayer_;
};

} // namespace velora
