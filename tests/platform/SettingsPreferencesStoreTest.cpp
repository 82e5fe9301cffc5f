#include "platform/desktop/SettingsPreferencesStore.hpp"

#include "fakes/InMemoryPreferencesStore.hpp"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace velora {
namespace {

// Both stores must agree on the contract callers rely on.
template <typename Store> class PreferencesStoreContract : public ::testing::Test {
protected:
    void SetUp() override { qputenv("XDG_CONFIG_HOME", configHome_.path().toUtf8()); }

    QTemporaryDir configHome_;
};

using Stores = ::testing::Types<SettingsPreferencesStore, fakes::InMemoryPreferencesStore>;
TYPED_TEST_SUITE(PreferencesStoreContract, Stores);

TYPED_TEST(PreferencesStoreContract, ReadsBackEachKindAndNothingOfAnotherKind) {
    TypeParam store;
    store.setData("readingSettings", QByteArray("{\"wpm\":300}"));
    store.setString("readingMode", "flow");
    store.setBoolean("speechEnabled", false);

    EXPECT_EQ(store.data("readingSettings"), QByteArray("{\"wpm\":300}"));
    EXPECT_EQ(store.string("readingMode"), QString("flow"));
    EXPECT_EQ(store.boolean("speechEnabled"), false);

    EXPECT_FALSE(store.string("readingSettings"));
    EXPECT_FALSE(store.boolean("readingMode"));
    EXPECT_FALSE(store.string("speechEnabled"));
    EXPECT_FALSE(store.data("missing"));
}

TEST(SettingsPreferencesStore, ValuesSurviveANewStore) {
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    {
        SettingsPreferencesStore store;
        store.setData("hotKeyConfig", QByteArray("\x00\xff{}", 4));
        store.setBoolean("speechEnabled", true);
        store.setString("readingMode", "true");
    }
    SettingsPreferencesStore reopened;
    EXPECT_EQ(reopened.data("hotKeyConfig"), QByteArray("\x00\xff{}", 4));
    EXPECT_EQ(reopened.boolean("speechEnabled"), true);
    EXPECT_EQ(reopened.string("readingMode"), QString("true"));
    EXPECT_FALSE(reopened.boolean("readingMode"));
    EXPECT_TRUE(QFile::exists(configHome.path() + "/VeloraMac/VeloraMac.conf"));
}

} // namespace
} // namespace velora
