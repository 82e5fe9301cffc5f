#include "app/HotKeyConfig.hpp"

#include "app/NotificationCenter.hpp"
#include "app/StoredKey.hpp"
#include "app/platform/PreferencesStore.hpp"
#include "core/JsonFields.hpp"

#include <QHashFunctions>
#include <QStringList>
#include <algorithm>
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

bool usesForeignSymbols(const QString& display) {
    static const QString symbols = QStringLiteral("⌘⌥⌃⇧");
    return std::any_of(display.begin(), display.end(), [](QChar c) { return symbols.contains(c); });
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
        HotKeyConfig{},
        HotKeyConfig{spaceKeyCode, controlKey | optionKey | shiftKey,
                     QStringLiteral("Ctrl+Alt+Shift+Space")},
        HotKeyConfig{sKeyCode, controlKey | optionKey, QStringLiteral("Ctrl+Alt+S")},
        HotKeyConfig{sKeyCode, controlKey | optionKey | shiftKey,
                     QStringLiteral("Ctrl+Alt+Shift+S")},
    };
    return list;
}

QString HotKeyConfig::displayFor(std::uint32_t keyCode, std::uint32_t modifiers) {
    static const std::array<std::pair<std::uint32_t, QLatin1String>, 4> names = {{
        {controlKey, QLatin1String("Ctrl")},
        {optionKey, QLatin1String("Alt")},
        {shiftKey, QLatin1String("Shift")},
        {cmdKey, QLatin1String("Super")},
    }};
    QStringList parts;
    for (const auto& [bit, name] : names) {
        if (modifiers & bit) {
            parts.append(name);
        }
    }
    const auto key = StoredKey::key(keyCode);
    parts.append(key ? StoredKey::name(*key) : QStringLiteral("Key ") + QString::number(keyCode));
    return parts.join(QLatin1Char('+'));
}

std::optional<HotKeyConfig> HotKeyConfig::fromKeyPress(Qt::Key key,
                                                       Qt::KeyboardModifiers modifiers) {
    const auto keyCode = StoredKey::keyCode(key);
    if (!keyCode || !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        return std::nullopt;
    }
    std::uint32_t bits = 0;
    bits |= modifiers & Qt::ControlModifier ? controlKey : 0;
    bits |= modifiers & Qt::AltModifier ? optionKey : 0;
    bits |= modifiers & Qt::ShiftModifier ? shiftKey : 0;
    bits |= modifiers & Qt::MetaModifier ? cmdKey : 0;
    return HotKeyConfig{*keyCode, bits, displayFor(*keyCode, bits)};
}

QString HotKeyConfig::id() const {
    return QString::number(keyCode) + QLatin1Char('-') + QString::number(carbonModifiers);
}

std::optional<HotKeyConfig> HotKeyConfig::loadStored(const PreferencesStore& store) {
    const auto bytes = store.data(preferencesKey);
    auto config = bytes ? decode(*bytes) : std::nullopt;
    if (config && usesForeignSymbols(config->display)) {
        config->display = displayFor(config->keyCode, config->carbonModifiers);
    }
    return config;
}

HotKeyConfig HotKeyConfig::load(const PreferencesStore& store) {
    return loadStored(store).value_or(HotKeyConfig{});
}

void HotKeyConfig::save(PreferencesStore& store, NotificationCenter& notifications) const {
    store.setData(preferencesKey, encode(*this));
    notifications.post(hotKeyConfigChanged);
}

std::size_t qHash(const HotKeyConfig& config, std::size_t seed) noexcept {
    return qHashMulti(seed, config.keyCode, config.carbonModifiers, config.display);
}

} // namespace velora
