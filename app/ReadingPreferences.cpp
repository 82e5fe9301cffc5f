#include "app/ReadingPreferences.hpp"

namespace velora::ReadingPreferences {

ReadingSettings loadSettings(const PreferencesStore& store) {
    const auto bytes = store.data(settingsKey);
    if (!bytes) {
        return {};
    }
    return ReadingSettings::decode(
               std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())))
        .value_or(ReadingSettings{});
}

void storeSettings(PreferencesStore& store, const ReadingSettings& settings) {
    store.setData(settingsKey, QByteArray::fromStdString(settings.encode()));
}

ReadingMode loadMode(const PreferencesStore& store) {
    const auto raw = store.string(modeKey);
    if (!raw) {
        return ReadingMode::focus;
    }
    return readingModeFromString(raw->toStdString()).value_or(ReadingMode::focus);
}

void storeMode(PreferencesStore& store, ReadingMode mode) {
    store.setString(modeKey, QString::fromUtf8(toString(mode)));
}

void storeSpeechEnabled(PreferencesStore& store, bool enabled) {
    store.setBoolean(speechEnabledKey, enabled);
}

} // namespace velora::ReadingPreferences
