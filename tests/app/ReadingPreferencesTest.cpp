#include "app/ReadingPreferences.hpp"

#include "fakes/InMemoryPreferencesStore.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

TEST(ReadingPreferences, StoredSettingsAndModeLoadBack) {
    fakes::InMemoryPreferencesStore store;
    ReadingSettings settings;
    settings.wpm = 5000;
    settings.theme = ReadingTheme::paper;
    ReadingPreferences::storeSettings(store, settings);
    ReadingPreferences::storeMode(store, ReadingMode::spotlight);
    EXPECT_EQ(ReadingPreferences::loadSettings(store), settings);
    EXPECT_EQ(ReadingPreferences::loadMode(store), ReadingMode::spotlight);
    EXPECT_EQ(store.string("readingMode"), QString("spotlight"));
}

struct StoredValue {
    const char* name;
    std::function<void(PreferencesStore&)> write;
};

class UnusableValues : public ::testing::TestWithParam<StoredValue> {};

// A bad value anywhere gives all defaults, and is left in place.
TEST_P(UnusableValues, LoadAsDefaultsAndStayStored) {
    fakes::InMemoryPreferencesStore store;
    GetParam().write(store);
    const auto bytesBefore = store.data("readingSettings");
    EXPECT_EQ(ReadingPreferences::loadSettings(store), ReadingSettings{});
    EXPECT_EQ(ReadingPreferences::loadMode(store), ReadingMode::focus);
    EXPECT_EQ(store.data("readingSettings"), bytesBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Values, UnusableValues,
    ::testing::Values(
        StoredValue{"Nothing", [](PreferencesStore&) {}},
        StoredValue{"UnknownTheme",
                    [](PreferencesStore& s) {
                        s.setData("readingSettings", R"({"wpm":400,"theme":"solarized"})");
                        s.setString("readingMode", "Flow");
                    }},
        StoredValue{"NotJson", [](PreferencesStore& s) { s.setData("readingSettings", "\xff"); }}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace velora
