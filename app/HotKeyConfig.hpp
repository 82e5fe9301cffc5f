#pragma once

#include <QLatin1String>
#include <QString>
#include <Qt>
#include <array>
#include <cstdint>
#include <optional>

namespace velora {

class NotificationCenter;
class PreferencesStore;

// Posted after every save of the shortcut.
inline constexpr QLatin1String hotKeyConfigChanged{"VeloraMac.hotKeyConfigChanged"};

// The chosen global shortcut. Key codes and modifier bits keep the numbers stored since the
// first version, so stored settings stay readable; the platform layer maps them.
struct HotKeyConfig {
    static constexpr std::uint32_t spaceKeyCode = 49;
    static constexpr std::uint32_t rKeyCode = 15;
    static constexpr std::uint32_t sKeyCode = 1;

    static constexpr std::uint32_t cmdKey = 0x100;
    static constexpr std::uint32_t shiftKey = 0x200;
    static constexpr std::uint32_t optionKey = 0x800;
    static constexpr std::uint32_t controlKey = 0x1000;

    static constexpr QLatin1String preferencesKey{"hotKeyConfig"};

    std::uint32_t keyCode = spaceKeyCode;
    std::uint32_t carbonModifiers = controlKey | optionKey;
    QString display = QStringLiteral("Ctrl+Alt+Space");

    // The shortcuts the settings offer, in the order shown; the first is the default. None is
    // bound in the default configuration of the common Linux desktops and window managers.
    static const std::array<HotKeyConfig, 4>& presets();

    // "Ctrl+Alt+Space": the modifiers as Linux desktops name them, then the key.
    static QString displayFor(std::uint32_t keyCode, std::uint32_t modifiers);
    // A chord pressed on the keyboard, when it can serve as a global shortcut: a key with a
    // stored code and at least one of Ctrl, Alt or Super (Qt's Meta).
    static std::optional<HotKeyConfig> fromKeyPress(Qt::Key key, Qt::KeyboardModifiers modifiers);

    // "49-6144" for Ctrl+Alt+Space.
    QString id() const;

    // The stored shortcut, none when nothing readable is stored. A display written in another
    // platform's key symbols is given in Linux terms; the stored bytes stay as they are.
    static std::optional<HotKeyConfig> loadStored(const PreferencesStore& store);
    // The stored shortcut, or the default when nothing readable is stored.
    static HotKeyConfig load(const PreferencesStore& store);
    // Stores this shortcut and announces hotKeyConfigChanged.
    void save(PreferencesStore& store, NotificationCenter& notifications) const;

    friend bool operator==(const HotKeyConfig&, const HotKeyConfig&) = default;
};

std::size_t qHash(const HotKeyConfig& config, std::size_t seed = 0) noexcept;

} // namespace velora
