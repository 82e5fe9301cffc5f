#pragma once

#include "app/platform/DesktopShortcutSettings.hpp"

#include <QLatin1String>
#include <QStringList>
#include <memory>

namespace velora {

// The shortcut as one of GNOME's custom keyboard shortcuts, in the settings that GNOME's own
// keyboard panel edits. The entry runs this program by its absolute path, since GNOME's daemon
// has a PATH of its own. An entry running a program of this name with the same option, also one
// the user made by hand, is taken as this program's; every other entry is left as it is.
class GnomeCustomShortcut final : public DesktopShortcutSettings {
public:
    static constexpr QLatin1String listSchema{"org.gnome.settings-daemon.plugins.media-keys"};
    static constexpr QLatin1String entrySchema{
        "org.gnome.settings-daemon.plugins.media-keys.custom-keybinding"};
    static constexpr QLatin1String entriesFolder{
        "/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/"};
    static constexpr QLatin1String option{"--read-selection"};

    // Points an entry made by a copy of the program elsewhere at this one.
    GnomeCustomShortcut();
    ~GnomeCustomShortcut() override;

    GnomeCustomShortcut(const GnomeCustomShortcut&) = delete;
    GnomeCustomShortcut& operator=(const GnomeCustomShortcut&) = delete;

    // Whether GNOME's schemas are installed; without them nothing can be written.
    static bool isAvailable();
    // The command line the entry runs: this program, quoted for GNOME's shell-like parsing.
    static QString command();

    std::optional<QString> shortcut() const override;
    bool add(QKeyCombination keys) override;
    void remove() override;
    void watch(std::function<void()> changed) override;

private:
    struct Watch;

    // The settings path of this program's entry, if the list holds one.
    static std::optional<QString> ownEntry(const QStringList& entries);
    static QStringList entries();

    std::unique_ptr<Watch> watch_;
};

} // namespace velora
