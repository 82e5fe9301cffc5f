#pragma once

#include <QKeyCombination>
#include <QString>
#include <optional>

namespace velora {

// A shortcut in the terms that the desktops' own shortcut services take.
struct ShortcutChord {
    QKeyCombination keys;

    // "CTRL+ALT+r", the trigger syntax of the desktop portal; none for a key without a name.
    std::optional<QString> portalTrigger() const;
    // "<Control><Alt>r", the accelerator syntax of GNOME's settings.
    std::optional<QString> gtkAccelerator() const;

    // "Ctrl+Alt+R" for an accelerator in GNOME's syntax.
    static QString readableAccelerator(const QString& accelerator);
};

} // namespace velora
