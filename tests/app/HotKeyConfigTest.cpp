#include "app/HotKeyConfig.hpp"

#include "app/NotificationCenter.hpp"
#include "fakes/InMemoryPreferencesStore.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

const HotKeyConfig ctrlAltSpace{49, 6144, QStringLiteral("Ctrl+Alt+Space")};

struct StoredCase {
    const char* name;
    const char* json; // nullptr: nothing stored
    HotKeyConfig expected;
};

class HotKeyConfigLoad : public ::testing::TestWithParam<StoredCase> {};

TEST_P(HotKeyConfigLoad, ReadsWhatIsStoredOrFallsBackToTheDefault) {
    fakes::InMemoryPreferencesStore store;
    if (GetParam().json) {
        store.setData("hotKeyConfig", QByteArray(GetParam().json));
    }
    EXPECT_EQ(HotKeyConfig::load(store), GetParam().expected);
}

// Displays stored by earlier versions in another platform's key symbols read in Linux terms;
// the numbers keep their meaning.
INSTANTIATE_TEST_SUITE_P(
    HotKeyConfig, HotKeyConfigLoad,
    ::testing::Values(
        StoredCase{"NothingStored", nullptr, ctrlAltSpace},
        StoredCase{"Valid", R"({"keyCode":1,"carbonModifiers":6144,"display":"Ctrl+Alt+S"})",
                   HotKeyConfig{1, 6144, QStringLiteral("Ctrl+Alt+S")}},
        StoredCase{"OldSymbols", R"({"keyCode":15,"carbonModifiers":768,"display":"⌘⇧ R"})",
                   HotKeyConfig{15, 768, QStringLiteral("Shift+Super+R")}},
        StoredCase{"OldOptionSpace", R"({"keyCode":49,"carbonModifiers":2048,"display":"⌥ Space"})",
                   HotKeyConfig{49, 2048, QStringLiteral("Alt+Space")}},
        StoredCase{"FractionalKeyCode", R"({"keyCode":15.5,"carbonModifiers":768,"display":"x"})",
                   ctrlAltSpace},
        StoredCase{"Malformed", R"({"keyCode":15,)", ctrlAltSpace}),
    [](const auto& info) { return std::string(info.param.name); });

class HotKeyConfigSave : public ::testing::TestWithParam<HotKeyConfig> {};

TEST_P(HotKeyConfigSave, StoresTheThreeFieldsAndAnnouncesEverySave) {
    fakes::InMemoryPreferencesStore store;
    NotificationCenter notifications;
    std::vector<QString> posted;
    QObject::connect(&notifications, &NotificationCenter::posted,
                     [&posted](const QString& name) { posted.push_back(name); });

    GetParam().save(store, notifications);
    GetParam().save(store, notifications);

    EXPECT_EQ(HotKeyConfig::load(store), GetParam());
    EXPECT_EQ(posted, std::vector<QString>(2, QStringLiteral("VeloraMac.hotKeyConfigChanged")));
}

INSTANTIATE_TEST_SUITE_P(HotKeyConfig, HotKeyConfigSave,
                         ::testing::ValuesIn(HotKeyConfig::presets()));

TEST(HotKeyConfigPresets, EachNamesItsOwnChord) {
    for (const HotKeyConfig& preset : HotKeyConfig::presets()) {
        EXPECT_EQ(preset.display, HotKeyConfig::displayFor(preset.keyCode, preset.carbonModifiers));
    }
}

struct PressCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::optional<HotKeyConfig> expected;
};

class HotKeyConfigPress : public ::testing::TestWithParam<PressCase> {};

TEST_P(HotKeyConfigPress, TakesChordsWithCtrlAltOrSuperOnKnownKeys) {
    EXPECT_EQ(HotKeyConfig::fromKeyPress(GetParam().key, GetParam().modifiers),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    HotKeyConfig, HotKeyConfigPress,
    ::testing::Values(
        PressCase{"CtrlAltSpace", Qt::Key_Space, Qt::ControlModifier | Qt::AltModifier,
                  ctrlAltSpace},
        PressCase{"SuperShiftF5", Qt::Key_F5, Qt::MetaModifier | Qt::ShiftModifier,
                  HotKeyConfig{0x60, 768, QStringLiteral("Shift+Super+F5")}},
        PressCase{"CtrlAltPageDown", Qt::Key_PageDown, Qt::ControlModifier | Qt::AltModifier,
                  HotKeyConfig{0x79, 6144, QStringLiteral("Ctrl+Alt+Page Down")}},
        PressCase{"ShiftOnly", Qt::Key_R, Qt::ShiftModifier, std::nullopt},
        PressCase{"NoModifier", Qt::Key_R, Qt::NoModifier, std::nullopt},
        PressCase{"KeyWithoutStoredCode", Qt::Key_Insert, Qt::ControlModifier, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velora
