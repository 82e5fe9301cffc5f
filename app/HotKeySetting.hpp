#pragma once

#include "app/HotKeyConfig.hpp"

#include <QObject>
#include <QString>
#include <optional>

namespace velora {

class PreferencesStore;

// The one global shortcut of the process: the user's choice, kept in the preferences, and how
// the desktop holds it. Main thread only.
class HotKeySetting final : public QObject {
    Q_OBJECT

public:
    explicit HotKeySetting(PreferencesStore& preferences, QObject* parent = nullptr);

    // The shortcut in use: the stored choice or, with none stored, the preset in use.
    const HotKeyConfig& config() const { return config_; }
    // Without a choice of the user's, the default may give way to a free preset.
    bool isChosen() const { return chosen_; }
    // Stores the choice and announces it, also when it is the one in use: the desktop is then
    // asked again.
    void choose(const HotKeyConfig& config);
    // A preset the desktop granted while nothing is stored; it stays unstored.
    void fallBackTo(const HotKeyConfig& config);

    // The chord as the texts name it: the desktop's own name where it bound one.
    QString display() const { return desktopName_.value_or(config_.display()); }
    bool isRegistered() const { return registered_; }
    void showRegistration(bool registered, std::optional<QString> desktopName = std::nullopt);

    // The program added or removed its shortcut in the desktop's own settings.
    void desktopShortcutEdited() { emit desktopShortcutChanged(); }

signals:
    // A new choice was stored.
    void hotKeyConfigChanged();
    void desktopShortcutChanged();
    // What the texts show: the chord's name or whether the desktop holds it.
    void changed();

private:
    PreferencesStore& preferences_;
    HotKeyConfig config_;
    bool chosen_ = false;
    bool registered_ = false;
    std::optional<QString> desktopName_;
};

} // namespace velora
