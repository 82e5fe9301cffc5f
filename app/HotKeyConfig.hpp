#pragma once

#include <QKeyCombination>
#include <QLatin1String>
#include <QString>
#include <array>
#include <optional>

namespace velora {

class PreferencesStore;

// The chosen global shortcut, in Qt's terms.
struct HotKeyConfig {
    static constexpr QLatin1String preferencesKey{"hotKeyConfig"};

    QKeyCombination keys{Qt::ControlModifier | Qt::AltModifier, Qt::Key_Space};

    // The shortcuts the settings offer, in the order shown; the first is the default. None is
    // bound in the default configuration of the common Linux desktops and window managers.
    static const std::array<HotKeyConfig, 4>& presets();

    // A chord that can serve as a global shortcut: a key the stored form can hold, with at least
    // one of Ctrl, Alt or Super (Qt's Meta).
    static std::optional<HotKeyConfig> from(QKeyCombination keys);

    // "Ctrl+Alt+Space": the modifiers as Linux desktops name them, then the key.
    QString display() const;

    // The stored shortcut, none when nothing readable is stored.
    static std::optional<HotKeyConfig> loadStored(const PreferencesStore& store);
    // The stored shortcut, or the default when nothing readable is stored.
    static HotKeyConfig load(const PreferencesStore& store);
    void save(PreferencesStore& store) const;

    friend bool operator==(const HotKeyConfig&, const HotKeyConfig&) = default;
};

} // namespace velora
