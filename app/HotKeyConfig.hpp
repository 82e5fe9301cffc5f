#pragma once

#include <QLatin1String>
#include <QString>
#include <array>
#include <cstdint>

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

    static constexpr std::uint32_t cmdKey = 0x100;
    static constexpr std::uint32_t shiftKey = 0x200;
    static constexpr std::uint32_t optionKey = 0x800;
    static constexpr std::uint32_t controlKey = 0x1000;

    static constexpr QLatin1String preferencesKey{"hotKeyConfig"};

    std::uint32_t keyCode = spaceKeyCode;
    std::uint32_t carbonModifiers = optionKey;
    QString display = QStringLiteral("⌥ Space");

    // The shortcuts the settings offer, in the order shown; the first is the default.
    static const std::array<HotKeyConfig, 4>& presets();

    // "49-2048" for Option-Space.
    QString id() const;

    // The stored shortcut, or the default when nothing readable is stored.
    static HotKeyConfig load(const PreferencesStore& store);
    // Stores this shortcut and announces hotKeyConfigChanged.
    void save(PreferencesStore& store, NotificationCenter& notifications) const;

    friend bool operator==(const HotKeyConfig&, const HotKeyConfig&) = default;
};

std::size_t qHash(const HotKeyConfig& config, std::size_t seed = 0) noexcept;

} // namespace velora
