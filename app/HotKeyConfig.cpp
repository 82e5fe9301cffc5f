#include "app/HotKeyConfig.hpp"

#include "app/NotificationCenter.hpp"
#include "app/platform/PreferencesStore.hpp"
#include "core/JsonFields.hpp"

#include <QHashFunctions>
#include <limits>
#include <nlohmann/json.hpp>

namespace velora {

namespace {

std::optional<std::uint32_t> readKeyNumber(const nlohmann::json& object, const char* key) {
    auto found = object.find(key);
    if (found == object.end() || !found->is_number_unsigned()) {
        return std::nullopt;
    }
    const auto value = found->get<std::uint64_t>();
    if (value > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::optional<HotKeyConfig> decode(const QByteArray& bytes) {
    const nlohmann::json json = JsonFields::parse(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!json.is_object()) {
        return std::nullopt;
    }
    const auto keyCode = readKeyNumber(json, "keyCode");
    const auto modifiers = readKeyNumber(json, "carbonModifiers");
    const auto display = json.find("display");
    if (!keyCode || !modifiers || display == json.end() || !display->is_string()) {
        return std::nullopt;
    }
    return HotKeyConfig{*keyCode, *modifiers,
                        QString::fromStdString(display->get_ref<const std::string&>())};
}

QByteArray encode(const HotKeyConfig& config) {
    const nlohmann::json json = {{"keyCode", config.keyCode},
                                 {"carbonModifiers", config.carbonModifiers},
                                 {"display", config.display.toStdString()}};
    return QByteArray::fromStdString(JsonFields::dump(json));
}

} // namespace

const std::array<HotKeyConfig, 4>& HotKeyConfig::presets() {
    static const std::array<HotKeyConfig, 4> list = {
        HotKeyConfig{spaceKeyCode, optionKey, QStringLiteral("⌥ Space")},
        HotKeyConfig{spaceKeyCode, controlKey, QStringLiteral("⌃ Space")},
        HotKeyConfig{spaceKeyCode, cmdKey | shiftKey, QStringLiteral("⌘⇧ Space")},
        HotKeyConfig{rKeyCode, cmdKey | shiftKey, QStringLiteral("⌘⇧ R")},
    };
    return list;
}

QString HotKeyConfig::id() const {
    return QString::number(keyCode) + QLatin1Char('-') + QString::number(carbonModifiers);
}

HotKeyConfig HotKeyConfig::load(const PreferencesStore& store) {
    const auto bytes = store.data(preferencesKey);
    if (!bytes) {
        return {};
    }
    return decode(*bytes).value_or(HotKeyConfig{});
}

void HotKeyConfig::save(PreferencesStore& store, NotificationCenter& notifications) const {
    store.setData(preferencesKey, encode(*this));
    notifications.post(hotKeyConfigChanged);
}

std::size_t qHash(const HotKeyConfig& config, std::size_t seed) noexcept {
    return qHashMulti(seed, config.keyCode, config.carbonModifiers, config.display);
}

} // namespace velora
