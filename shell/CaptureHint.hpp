#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <utility>

namespace velora {

class HotKeySetting;
class ShellReader;

// The status lines with which a capture falls back to the clipboard or finds nothing. One on
// show is said again when the shortcut changes, since it tells how to use the shortcut.
class CaptureHint final : public QObject {
    Q_OBJECT

public:
    enum class Kind {
        readFromClipboard,
        // The clipboard was read because this session cannot send the copy key stroke.
        clipboardInstead,
        nothingToRead,
    };

    CaptureHint(ShellReader& reader, const HotKeySetting& shortcut, QObject* parent = nullptr);

    void show(Kind kind);
    QString text(Kind kind) const;

private:
    // "press Ctrl+Alt+Space", or the menu command while the shortcut is unavailable.
    QString gesture() const;
    void shortcutChanged();

    ShellReader& reader_;
    const HotKeySetting& shortcut_;
    // What this hint put on show; another message since then is left alone.
    std::optional<std::pair<Kind, QString>> shown_;
};

} // namespace velora
