#pragma once

#include "app/platform/PreferencesStore.hpp"
#include "core/ReadingMode.hpp"
#include "core/ReadingSettings.hpp"

// The reading settings, the reading mode and the speech switch as kept in the preferences store.
// Anything missing or unreadable loads as the default and stays stored until the next write
// replaces it.
namespace velora::ReadingPreferences {

inline const QString settingsKey = QStringLiteral("readingSettings");
inline const QString modeKey = QStringLiteral("readingMode");
// Speech starts off at every start; the last choice is still stored, as the settings file has
// always carried it.
inline const QString speechEnabledKey = QStringLiteral("speechEnabled");

ReadingSettings loadSettings(const PreferencesStore& store);
void storeSettings(PreferencesStore& store, const ReadingSettings& settings);

ReadingMode loadMode(const PreferencesStore& store);
void storeMode(PreferencesStore& store, ReadingMode mode);

void storeSpeechEnabled(PreferencesStore& store, bool enabled);

} // namespace velora::ReadingPreferences
