#include "platform/wayland/GnomeCustomShortcut.hpp"

#include <QProcess>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace velora {
namespace {

using ::testing::ElementsAre;

const QString usersEntry = GnomeCustomShortcut::entriesFolder + QLatin1String("custom0/");

// GNOME's real schemas, written through GIO's key-file back end in the test's own folder; what
// the program wrote is read back with the gsettings tool, as another program would see it.
class GnomeCustomShortcutTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(GnomeCustomShortcut::isAvailable());
        write(usersEntry,
              {{"name", "Terminal"}, {"command", "x-terminal-emulator"}, {"binding", "<Super>t"}});
        setEntries({usersEntry});
    }

    void TearDown() override {
        GSettings* list = g_settings_new(GnomeCustomShortcut::listSchema.data());
        g_settings_reset(list, "custom-keybindings");
        g_settings_sync();
        g_object_unref(list);
    }

    static void write(const QString& path,
                      std::initializer_list<std::pair<const char*, const char*>> values) {
        GSettings* entry = g_settings_new_with_path(GnomeCustomShortcut::entrySchema.data(),
                                                    path.toUtf8().constData());
        for (const auto& [key, value] : values) {
            g_settings_set_string(entry, key, value);
        }
        g_settings_sync();
        g_object_unref(entry);
    }

    static void setEntries(const QStringList& paths) {
        std::vector<QByteArray> bytes;
        std::vector<const gchar*> strings;
        for (const QString& path : paths) {
            bytes.push_back(path.toUtf8());
        }
        for (const QByteArray& path : bytes) {
            strings.push_back(path.constData());
        }
        strings.push_back(nullptr);
        GSettings* list = g_settings_new(GnomeCustomShortcut::listSchema.data());
        g_settings_set_strv(list, "custom-keybindings", strings.data());
        g_settings_sync();
        g_object_unref(list);
    }

    static std::string gsettings(const QStringList& arguments) {
        QProcess tool;
        tool.start(QStringLiteral("gsettings"), arguments);
        EXPECT_TRUE(tool.waitForFinished(10000));
        return tool.readAllStandardOutput().trimmed().toStdString();
    }

    static std::string entryValue(const QString& path, const QString& key) {
        return gsettings({QStringLiteral("get"),
                          GnomeCustomShortcut::entrySchema + QLatin1Char(':') + path, key});
    }

    static std::string listed() {
        return gsettings({QStringLiteral("get"), GnomeCustomShortcut::listSchema,
                          QStringLiteral("custom-keybindings")});
    }

    static std::string listOf(const QStringList& paths) {
        return (QStringLiteral("['") + paths.join(QStringLiteral("', '")) + QStringLiteral("']"))
            .toStdString();
    }

    // A string as the gsettings tool prints it.
    static std::string printed(const QString& text) {
        GVariant* value = g_variant_ref_sink(g_variant_new_string(text.toUtf8().constData()));
        gchar* shown = g_variant_print(value, FALSE);
        std::string result(shown);
        g_free(shown);
        g_variant_unref(value);
        return result;
    }

    static constexpr QKeyCombination ctrlAltR{Qt::ControlModifier | Qt::AltModifier, Qt::Key_R};
};
TEST_F(GnomeCustomShortcutTest, AddsItsEntryBesideTheUsersAndRemovesOnlyIt) {
    GnomeCustomShortcut shortcut;
    EXPECT_EQ(shortcut.shortcut(), std::nullopt);
    ASSERT_TRUE(shortcut.add(ctrlAltR));

    const QString ours = GnomeCustomShortcut::entriesFolder + QLatin1String("veloramac/");
    EXPECT_EQ(listed(), listOf({usersEntry, ours}));
    EXPECT_EQ(entryValue(ours, QStringLiteral("command")), printed(GnomeCustomShortcut::command()));
    EXPECT_EQ(entryValue(ours, QStringLiteral("binding")), "'<Control><Alt>r'");
    EXPECT_EQ(shortcut.shortcut(), QStringLiteral("Ctrl+Alt+R"));

    // Adding again moves the one entry to the new chord.
    ASSERT_TRUE(shortcut.add(QKeyCombination(Qt::MetaModifier, Qt::Key_Space)));
    EXPECT_EQ(listed(), listOf({usersEntry, ours}));
    EXPECT_EQ(shortcut.shortcut(), QStringLiteral("Super+Space"));

    shortcut.remove();
    EXPECT_EQ(listed(), listOf({usersEntry}));
    EXPECT_EQ(entryValue(ours, QStringLiteral("command")), "''");
    EXPECT_EQ(shortcut.shortcut(), std::nullopt);
    EXPECT_EQ(entryValue(usersEntry, QStringLiteral("name")), "'Terminal'");
    EXPECT_EQ(entryValue(usersEntry, QStringLiteral("command")), "'x-terminal-emulator'");
    EXPECT_EQ(entryValue(usersEntry, QStringLiteral("binding")), "'<Super>t'");
}

TEST_F(GnomeCustomShortcutTest, TakesAnEntryTheUserMadeForTheCommandAsItsOwn) {
    const QString handMade = GnomeCustomShortcut::entriesFolder + QLatin1String("custom1/");
    write(handMade, {{"name", "Speed read"},
                     {"command", "veloramac --read-selection"},
                     {"binding", "<Primary><Shift>r"}});
    setEntries({usersEntry, handMade});

    GnomeCustomShortcut shortcut;
    EXPECT_EQ(shortcut.shortcut(), QStringLiteral("Ctrl+Shift+R"));
    ASSERT_TRUE(shortcut.add(ctrlAltR));
    EXPECT_EQ(listed(), listOf({usersEntry, handMade}));
    EXPECT_EQ(entryValue(handMade, QStringLiteral("binding")), "'<Control><Alt>r'");
    shortcut.remove();
    EXPECT_EQ(listed(), listOf({usersEntry}));
}

struct CommandCase {
    const char* name;
    const char* command;
    bool ours;

    friend void PrintTo(const CommandCase& c, std::ostream* out) { *out << c.name; }
};

class GnomeCommandTest : public GnomeCustomShortcutTest,
                         public ::testing::WithParamInterface<CommandCase> {};

// An entry of this program made by a copy elsewhere is pointed at the running program; anyone
// else's is left alone.
TEST_P(GnomeCommandTest, EntryOfAMovedProgramFollowsItAndOthersStay) {
    const QString entry = GnomeCustomShortcut::entriesFolder + QLatin1String("custom1/");
    write(entry, {{"name", "Read"}, {"command", GetParam().command}, {"binding", "<Super>r"}});
    setEntries({usersEntry, entry});

    const GnomeCustomShortcut shortcut;
    EXPECT_EQ(entryValue(entry, QStringLiteral("command")),
              printed(GetParam().ours ? GnomeCustomShortcut::command()
                                      : QString::fromUtf8(GetParam().command)));
    EXPECT_EQ(shortcut.shortcut().has_value(), GetParam().ours);
    EXPECT_EQ(entryValue(usersEntry, QStringLiteral("command")), "'x-terminal-emulator'");
}

INSTANTIATE_TEST_SUITE_P(
    Commands, GnomeCommandTest,
    ::testing::Values(CommandCase{"onThePath", "veloramac --read-selection", true},
                      CommandCase{"movedCopy", "'/opt/old place/veloramac' --read-selection", true},
                      CommandCase{"moreArguments", "/usr/bin/veloramac --read-selection --x",
                                  false},
                      CommandCase{"otherProgram", "/usr/bin/reader --read-selection", false},
                      CommandCase{"unparsable", "veloramac '--read-selection", false}),
    [](const auto& info) { return std::string(info.param.name); });

// What the user does in GNOME's keyboard settings reaches the program, also from another process.
TEST_F(GnomeCustomShortcutTest, ChangesMadeElsewhereAreReported) {
    GnomeCustomShortcut shortcut;
    ASSERT_TRUE(shortcut.add(ctrlAltR));
    int changes = 0;
    shortcut.watch([&changes] { ++changes; });
    const QString ours = GnomeCustomShortcut::entriesFolder + QLatin1String("veloramac/");

    gsettings({QStringLiteral("set"), GnomeCustomShortcut::entrySchema + QLatin1Char(':') + ours,
               QStringLiteral("binding"), QStringLiteral("<Super>F8")});
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return shortcut.shortcut() == QStringLiteral("Super+F8") && changes > 0; }, 10000));

    const int before = changes;
    gsettings({QStringLiteral("set"), GnomeCustomShortcut::listSchema,
               QStringLiteral("custom-keybindings"), QString::fromStdString(listOf({usersEntry}))});
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !shortcut.shortcut().has_value() && changes > before; }, 10000));
}

} // namespace
} // namespace velora
