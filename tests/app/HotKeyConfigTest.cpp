#include "app/HotKeyConfig.hpp"

#include "app/HotKeySetting.hpp"
#include "fakes/InMemoryPreferencesStore.hpp"

#include <QSignalSpy>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace velora {
namespace {

constexpr auto ctrlAlt = Qt::ControlModifier | Qt::AltModifier;

struct StoredCase {
    const char* name;
    const char* json; // nullptr: nothing stored
    QKeyCombination keys;
    const char* display;
};

class HotKeyConfigLoad : public ::testing::TestWithParam<StoredCase> {};

// What older builds stored reads back; the display always names the key in this desktop's terms.
TEST_P(HotKeyConfigLoad, ReadsWhatOlderBuildsStoredOrFallsBackToTheDefault) {
    fakes::InMemoryPreferencesStore store;
    if (GetParam().json) {
        store.setData("hotKeyConfig", QByteArray(GetParam().json));
    }
    const HotKeyConfig loaded = HotKeyConfig::load(store);
    EXPECT_EQ(loaded.keys, GetParam().keys);
    EXPECT_EQ(loaded.display(), QString::fromUtf8(GetParam().display));
}

const QKeyCombination ctrlAltSpace(ctrlAlt, Qt::Key_Space);

INSTANTIATE_TEST_SUITE_P(
    HotKeyConfig, HotKeyConfigLoad,
    ::testing::Values(
        StoredCase{"NothingStored", nullptr, ctrlAltSpace, "Ctrl+Alt+Space"},
        StoredCase{"CtrlAltS", R"({"keyCode":1,"carbonModifiers":6144,"display":"Ctrl+Alt+S"})",
                   QKeyCombination(ctrlAlt, Qt::Key_S), "Ctrl+Alt+S"},
        StoredCase{"SymbolDisplay", R"({"keyCode":15,"carbonModifiers":768,"display":"⌘⇧ R"})",
                   QKeyCombination(Qt::MetaModifier | Qt::ShiftModifier, Qt::Key_R),
                   "Shift+Super+R"},
        StoredCase{"StrangeDisplay", R"({"keyCode":49,"carbonModifiers":2048,"display":"x"})",
                   QKeyCombination(Qt::AltModifier, Qt::Key_Space), "Alt+Space"},
        StoredCase{"FunctionKey", R"({"keyCode":96,"carbonModifiers":4352,"display":""})",
                   QKeyCombination(Qt::ControlModifier | Qt::MetaModifier, Qt::Key_F5),
                   "Ctrl+Super+F5"},
        StoredCase{"NoDisplay", R"({"keyCode":15,"carbonModifiers":768})", ctrlAltSpace,
                   "Ctrl+Alt+Space"},
        StoredCase{"UnknownKeyCode", R"({"keyCode":52,"carbonModifiers":768,"display":"x"})",
                   ctrlAltSpace, "Ctrl+Alt+Space"},
        StoredCase{"FractionalKeyCode", R"({"keyCode":15.5,"carbonModifiers":768,"display":"x"})",
                   ctrlAltSpace, "Ctrl+Alt+Space"},
        StoredCase{"NegativeModifiers", R"({"keyCode":15,"carbonModifiers":-1,"display":"x"})",
                   ctrlAltSpace, "Ctrl+Alt+Space"},
        StoredCase{"Malformed", R"({"keyCode":15,)", ctrlAltSpace, "Ctrl+Alt+Space"}),
    [](const auto& info) { return std::string(info.param.name); });

struct SavedCase {
    HotKeyConfig config;
    unsigned keyCode;
    unsigned modifiers;
    const char* display;
};

class HotKeyConfigSave : public ::testing::TestWithParam<SavedCase> {};

// Older builds read the same three fields with the same numbers.
TEST_P(HotKeyConfigSave, WritesTheFieldsOlderBuildsRead) {
    fakes::InMemoryPreferencesStore store;
    GetParam().config.save(store);

    const auto stored = nlohmann::json::parse(store.data("hotKeyConfig").value().toStdString());
    EXPECT_EQ(stored, (nlohmann::json{{"keyCode", GetParam().keyCode},
                                      {"carbonModifiers", GetParam().modifiers},
                                      {"display", GetParam().display}}));
    EXPECT_EQ(HotKeyConfig::load(store), GetParam().config);
}

INSTANTIATE_TEST_SUITE_P(
    HotKeyConfig, HotKeyConfigSave,
    ::testing::Values(SavedCase{HotKeyConfig::presets()[0], 49, 6144, "Ctrl+Alt+Space"},
                      SavedCase{HotKeyConfig::presets()[1], 49, 6656, "Ctrl+Alt+Shift+Space"},
                      SavedCase{HotKeyConfig::presets()[2], 1, 6144, "Ctrl+Alt+S"},
                      SavedCase{HotKeyConfig::presets()[3], 1, 6656, "Ctrl+Alt+Shift+S"},
                      SavedCase{HotKeyConfig{QKeyCombination(Qt::MetaModifier, Qt::Key_PageDown)},
                                0x79, 256, "Super+Page Down"}));

struct PressCase {
    const char* name;
    QKeyCombination keys;
    const char* display; // nullptr: no shortcut
};

class HotKeyConfigFrom : public ::testing::TestWithParam<PressCase> {};

TEST_P(HotKeyConfigFrom, TakesChordsWithCtrlAltOrSuperOnStorableKeys) {
    const auto config = HotKeyConfig::from(GetParam().keys);
    ASSERT_EQ(config.has_value(), GetParam().display != nullptr);
    if (config) {
        EXPECT_EQ(config->display(), QString::fromUtf8(GetParam().display));
    }
}

INSTANTIATE_TEST_SUITE_P(
    HotKeyConfig, HotKeyConfigFrom,
    ::testing::Values(
        PressCase{"CtrlAltSpace", ctrlAltSpace, "Ctrl+Alt+Space"},
        PressCase{"SuperShiftF5", QKeyCombination(Qt::MetaModifier | Qt::ShiftModifier, Qt::Key_F5),
                  "Shift+Super+F5"},
        PressCase{"KeypadModifierDropped",
                  QKeyCombination(ctrlAlt | Qt::KeypadModifier, Qt::Key_PageDown),
                  "Ctrl+Alt+Page Down"},
        PressCase{"ShiftOnly", QKeyCombination(Qt::ShiftModifier, Qt::Key_R), nullptr},
        PressCase{"NoModifier", QKeyCombination(Qt::Key_R), nullptr},
        PressCase{"KeyWithoutStoredCode", QKeyCombination(Qt::ControlModifier, Qt::Key_Insert),
                  nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HotKeySetting, EveryChoiceIsStoredAndAnnouncedAPresetInUseIsNot) {
    fakes::InMemoryPreferencesStore store;
    HotKeySetting setting(store);
    QSignalSpy announced(&setting, &HotKeySetting::hotKeyConfigChanged);

    setting.fallBackTo(HotKeyConfig::presets()[1]);
    EXPECT_FALSE(HotKeyConfig::loadStored(store));
    EXPECT_FALSE(setting.isChosen());

    setting.choose(HotKeyConfig::presets()[2]);
    setting.choose(HotKeyConfig::presets()[2]);
    EXPECT_EQ(announced.count(), 2);
    EXPECT_EQ(HotKeySetting(store).config(), HotKeyConfig::presets()[2]);
    EXPECT_TRUE(HotKeySetting(store).isChosen());
}

} // namespace
} // namespace velora
