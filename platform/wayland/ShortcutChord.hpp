#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace velora {

// A stored shortcut (key code and modifier bits in the stored convention) in the terms that the
// desktops' own shortcut services take. Option is Alt, Control is Ctrl, Command is Super.
struct ShortcutChord {
    std::uint32_t keyCode = 0;
    std::uint32_t modifiers = 0;

    // "CTRL+ALT+r", the trigger syntax of the desktop portal; none for a key without a name.
    std::optional<QString> portalTrigger() const;
    // Qt's key code with its modifier bits, as KDE's shortcut service stores keys.
    std::optional<int> qtKey() const;
    // "<Control><Alt>r", the accelerator syntax of GNOME's settings.
    std::optional<QString> gtkAccelerator() const;

    // "Ctrl+Alt+R" for an accelerator in GNOME's syntax.
    static QString readableAccelerator(const QString& accelerator);
};

} // namespace velora
