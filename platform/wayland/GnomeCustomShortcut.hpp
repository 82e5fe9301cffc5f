#pragma once

#include "app/platform/DesktopShortcutSettings.hpp"

#include <QLatin1String>
#include <QStringList>

namespace velora {

// The shortcut as one of GNOME's custom keyboard shortcuts, in the settings that GNOME's own
// keyboard panel edits. An entry running the same command, also one the user made by hand, is
// taken as this program's; every other entry is left as it is.
class GnomeCustomShortcut final : public DesktopShortcutSettings {
public:
    static constexpr QLatin1String listSchema{"org.gnome.settings-daemon.plugins.media-keys"};
    static constexpr QLatin1String entrySchema{
        "org.gnome.settings-daemon.plugins.media-keys.custom-keybinding"};
    static constexpr QLatin1String entriesFolder{
        "/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/"};
    static constexpr QLatin1String command{"veloramac --read-selection"};

    // Whether GNOME's schemas are installed; without them nothing can be written.
    static bool isAvailable();

    std::optional<QString> shortcut() const override;
    bool add(std::uint32_t keyCode, std::uint32_t modifiers) override;
    void remove() override;

private:
    // The settings path of this program's entry, if the list holds one.
    static std::optional<QString> ownEntry(const QStringList& entries);
    static QStringList entries();
};

} // namespace velora
