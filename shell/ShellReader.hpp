#pragma once

#include "app/LoadOutcome.hpp"
#include "app/platform/ShortcutRoute.hpp"

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class QDBusConnection;
class QWidget;

namespace velora {

class OverlayWindowController;

// The reader controller as the shell drives it: loads, playback, the status line, and the views
// that show it. A seam, not a forwarder: the tray's tests put a recording reader in its place,
// and what lives inside the real reader (its media controls) talks to the view model directly.
class ShellReader {
public:
    enum class Move { previousSentence, nextSentence, previousParagraph, nextParagraph };

    virtual ~ShellReader();

    // Each load ends with `done` on the main thread, once the document is on show or could not be.
    virtual void loadText(const QString& text, LoadDone done) = 0;
    virtual void loadFile(const std::filesystem::path& file, LoadDone done) = 0;
    virtual void loadFromClipboard(LoadDone done) = 0;
    virtual void play() = 0;
    virtual void move(Move move) = 0;
    // Whether the loaded text has no words.
    virtual bool isEmpty() const = 0;
    virtual void setStatusMessage(const QString& message) = 0;
    virtual std::optional<QString> statusMessage() const = 0;
    // Called with none once what the reader holds now is on disk, or with the failure to show.
    virtual void whenSaved(std::function<void(std::optional<QString> failure)> done) = 0;
    // Writes the position, the words read and the library before it returns, playback going on.
    virtual void saveNow() = 0;

    // The reader view hosted by the panel; `close` hides the panel.
    virtual std::unique_ptr<QWidget> makeView(std::function<void()> close) = 0;
    // Full screen in both directions and the theme's appearance, for the life of the panel.
    virtual void attach(OverlayWindowController& panel) = 0;
    virtual void openSettings() = 0;
    // How the session lets the shortcut reach the program, and whether it may send key strokes.
    virtual void showCaptureSupport(const CaptureSupport& support) = 0;
    // A one-line offer in the panel to add the shortcut to the desktop's settings; `add` runs if
    // the user takes it. Shown once, in the first panel made.
    virtual void offerDesktopShortcut(const QString& offer, std::function<void()> add) = 0;
    // Hands playback to the desktop's media controls on `bus`; `raise` shows the reader.
    virtual void offerMediaControls(QDBusConnection& bus, std::function<void()> raise) = 0;
};

} // namespace velora
