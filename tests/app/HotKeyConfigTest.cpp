#include "app/HotKeyConfig.hpp"

#include "app/NotificationCenter.hpp"
#include "fakes/InMemoryPreferencesStore.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

const HotKeyConfig optionSpace{49, 2048, QStringLiteral("⌥ Space")};

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

INSTANTIATE_TEST_SUITE_P(
    HotKeyConfig, HotKeyConfigLoad,
    ::testing::Values(StoredCase{"NothingStored", nullptr, optionSpace},
                      StoredCase{"Valid",
                                 R"({"keyCode":15,"carbonModifiers":768,"display":"⌘⇧ R"})",
                                 HotKeyConfig{15, 768, QStringLiteral("⌘⇧ R")}},
                      StoredCase{"FractionalKeyCode",
                                 R"({"keyCode":15.5,"carbonModifiers":768,"display":"x"})",
                                 optionSpace},
                      StoredCase{"Malformed", R"({"keyCode":15,)", optionSpace}),
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

} // namespace
} // namespace velora
