#pragma once

#include "app/platform/PreferencesStore.hpp"
#include "core/ReadingMode.hpp"
#include "core/ReadingSettings.hpp"

// The reading settings and the reading mode as kept in the preferences store. Anything missing
// or unreadable loads as the default and stays stored until the next write replaces it.
namespace velora::ReadingPreferences {

inline const QString settingsKey = QStringLiteral("readingSettings");
inline const QString modeKey = QStringLiteral("readingMode");

ReadingSettings loadSettings(const PreferencesStore& store);
void storeSettings(PreferencesStore& store, const ReadingSettings& settings);

ReadingMode loadMode(const PreferencesStore& store);
void storeMode(PreferencesStore& store, ReadingMode mode);

} // namespace velora::ReadingPreferences
