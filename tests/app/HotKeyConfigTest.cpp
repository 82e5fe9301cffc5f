#include "app/HotKeyConfig.hpp"

#include "app/NotificationCenter.hpp"
#include "fakes/InMemoryPreferencesStore.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

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
    ::testing::Values(
        StoredCase{"NothingStored", nullptr, optionSpace},
        StoredCase{"Valid", R"({"keyCode":15,"carbonModifiers":768,"display":"⌘⇧ R"})",
                   HotKeyConfig{15, 768, QStringLiteral("⌘⇧ R")}},
        StoredCase{"MissingDisplay", R"({"keyCode":15,"carbonModifiers":768})", optionSpace},
        StoredCase{"KeyCodeAsText", R"({"keyCode":"15","carbonModifiers":768,"display":"x"})",
                   optionSpace},
        StoredCase{"NegativeModifiers", R"({"keyCode":15,"carbonModifiers":-1,"display":"x"})",
                   optionSpace},
        StoredCase{"FractionalKeyCode", R"({"keyCode":15.5,"carbonModifiers":768,"display":"x"})",
                   optionSpace},
        StoredCase{"Malformed", R"({"keyCode":15,)", optionSpace},
        StoredCase{"BrokenUtf8", "{\"keyCode\":15,\"carbonModifiers\":768,\"display\":\"\xff\"}",
                   optionSpace}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HotKeyConfig, PresetsInOrderStartingWithTheDefault) {
    const auto& presets = HotKeyConfig::presets();
    EXPECT_EQ(presets[0], HotKeyConfig{});
    EXPECT_EQ(presets[1], (HotKeyConfig{49, 4096, QStringLiteral("⌃ Space")}));
    EXPECT_EQ(presets[2], (HotKeyConfig{49, 768, QStringLiteral("⌘⇧ Space")}));
    EXPECT_EQ(presets[3], (HotKeyConfig{15, 768, QStringLiteral("⌘⇧ R")}));
    EXPECT_EQ(presets[3].id(), QStringLiteral("15-768"));
}

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
    const auto stored = nlohmann::json::parse(store.data("hotKeyConfig")->toStdString());
    EXPECT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored.at("keyCode"), GetParam().keyCode);
    EXPECT_EQ(stored.at("carbonModifiers"), GetParam().carbonModifiers);
    EXPECT_EQ(stored.at("display"), GetParam().display.toStdString());
    EXPECT_EQ(posted, std::vector<QString>(2, QStringLiteral("VeloraMac.hotKeyConfigChanged")));
}

INSTANTIATE_TEST_SUITE_P(HotKeyConfig, HotKeyConfigSave,
                         ::testing::ValuesIn(HotKeyConfig::presets()));

TEST(HotKeyConfig, BrokenDisplayTextIsStoredReadably) {
    fakes::InMemoryPreferencesStore store;
    NotificationCenter notifications;
    const HotKeyConfig broken{15, 768, QString(QChar(0xD800)) + QStringLiteral(" R")};
    broken.save(store, notifications);

    const HotKeyConfig loaded = HotKeyConfig::load(store);
    EXPECT_EQ(loaded.id(), QStringLiteral("15-768"));
    EXPECT_TRUE(loaded.display.endsWith(QStringLiteral(" R")));
}

} // namespace
} // namespace velora
