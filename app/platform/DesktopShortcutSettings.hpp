#pragma once

#include <QKeyCombination>
#include <QString>
#include <functional>
#include <optional>

namespace velora {

// A keyboard shortcut kept in the desktop's own settings that runs `veloramac --read-selection`,
// for desktops that let no program register a global shortcut itself.
class DesktopShortcutSettings {
public:
    virtual ~DesktopShortcutSettings();

    // The chord as the user reads it ("Ctrl+Alt+R"); none while there is no such shortcut.
    virtual std::optional<QString> shortcut() const = 0;
    // Adds the shortcut, or moves the one there to this chord. False when nothing was written.
    virtual bool add(QKeyCombination keys) = 0;
    // Removes this program's shortcut and nothing else.
    virtual void remove() = 0;
    // `changed` runs on the main thread whenever the shortcut changes, also when the user edits
    // or removes it in the desktop's own settings.
    virtual void watch(std::function<void()> changed) = 0;
};

} // namespace velora
