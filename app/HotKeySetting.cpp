#include "app/HotKeySetting.hpp"

#include "app/LogCategories.hpp"

namespace velora {

HotKeySetting::HotKeySetting(PreferencesStore& preferences, QObject* parent)
    : QObject(parent), preferences_(preferences) {
    const auto stored = HotKeyConfig::loadStored(preferences);
    config_ = stored.value_or(HotKeyConfig{});
    chosen_ = stored.has_value();
}

void HotKeySetting::choose(const HotKeyConfig& config) {
    config_ = config;
    chosen_ = true;
    config.save(preferences_);
    qCDebug(lcHotKey, "VeloraMac.hotKeyConfigChanged: %s", qUtf8Printable(config.display()));
    emit hotKeyConfigChanged();
}

void HotKeySetting::fallBackTo(const HotKeyConfig& config) {
    config_ = config;
}

void HotKeySetting::showRegistration(bool registered, std::optional<QString> desktopName) {
    registered_ = registered;
    desktopName_ = std::move(desktopName);
    emit changed();
}

} // namespace velora
