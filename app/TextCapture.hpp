#pragma once

#include "app/platform/Pasteboard.hpp"
#include "app/platform/Scheduler.hpp"

#include <QByteArray>
#include <QLatin1String>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace velora {

class AccessibilityTrust;
class KeyEventPoster;

// Captures the text selected in the front application. Selecting text publishes it as the
// primary selection in nearly every X11 program, so that is read first and the clipboard is left
// alone. Only when no other program holds one does it save the clipboard, send the copy key
// stroke, wait a bounded time for the clipboard to change, read the plain text and put the saved
// clipboard back. Main thread only; nothing blocks.
class TextCapture {
public:
    struct StoredItem {
        QString type;
        QByteArray data;

        friend bool operator==(const StoredItem&, const StoredItem&) = default;
    };

    using Completion = std::function<void(std::optional<QString>)>;

    static constexpr Scheduler::Seconds copyTimeout{0.4};
    static constexpr const char* accessibilityMessage = QT_TRANSLATE_NOOP(
        "TextCapture",
        "This session lets no program send key strokes, so only selected text is captured; on "
        "Wayland, bind veloramac --read-selection to a shortcut in the desktop's settings.");

    // The services must outlive the capture object.
    TextCapture(Pasteboard& pasteboard, KeyEventPoster& keys, AccessibilityTrust& trust,
                Scheduler& scheduler);

    TextCapture(const TextCapture&) = delete;
    TextCapture& operator=(const TextCapture&) = delete;

    // `done` runs on a later turn of the event loop with the captured text, or none when nothing
    // but blanks arrived. A call made while a capture runs joins it and gets the same answer, so
    // the two never interleave their saving and restoring of the user's clipboard. Text this
    // program selected itself is never captured.
    void grabSelection(Completion done);

    // Every representation that has bytes, in the clipboard's order.
    static std::vector<StoredItem> snapshot(const Pasteboard& pasteboard);
    static void simulateCopy(KeyEventPoster& keys);
    // Calls `done` with whether the change count differs from `base`, as soon as the pasteboard
    // reports a change or when `timeout` has passed. A change made before the call answers at
    // once, before this returns. Holds the pasteboard's change listener until it answers; the
    // pasteboard must outlive the wait.
    static void waitForChange(Pasteboard& pasteboard, Scheduler& scheduler,
                              Pasteboard::ChangeCount base, Scheduler::Seconds timeout,
                              std::function<void(bool)> done);
    // Empties the clipboard and writes the saved representations back as one item.
    static void restore(const std::vector<StoredItem>& items, Pasteboard& pasteboard);

    // Calls `showStatus` with accessibilityMessage when the process may not send key strokes.
    static void
    promptForAccessibilityIfNeeded(AccessibilityTrust& trust,
                                   const std::function<void(const QString&)>& showStatus);

private:
    std::optional<QString> othersPrimarySelection() const;
    void copyAndRestore();
    void finish(std::optional<QString> text);

    Pasteboard& pasteboard_;
    KeyEventPoster& keys_;
    AccessibilityTrust& trust_;
    Scheduler& scheduler_;
    // Non-empty exactly while a capture runs.
    std::vector<Completion> waiting_;
    std::shared_ptr<TextCapture*> self_;
};

} // namespace velora
