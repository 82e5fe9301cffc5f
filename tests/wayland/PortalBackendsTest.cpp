#include "platform/wayland/PortalBackends.hpp"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace velora {
namespace {

struct BackendCase {
    const char* name;
    QStringList desktops;
    bool served;

    friend void PrintTo(const BackendCase& c, std::ostream* out) { *out << c.name; }
};

// The back ends of a machine that has GNOME's and KDE's, as Debian installs them, and a file
// that is not a key file at all.
class PortalBackendsTest : public ::testing::TestWithParam<BackendCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        write("gnome-shell.portal", "[portal]\nDBusName=org.gnome.Shell.Portal\n"
                                    "Interfaces=org.freedesktop.impl.portal.Access\nUseIn=gnome\n");
        write("kde.portal", "[portal]\nDBusName=org.freedesktop.impl.portal.desktop.kde\n"
                            "Interfaces=org.freedesktop.impl.portal.Access;"
                            "org.freedesktop.impl.portal.GlobalShortcuts\nUseIn=KDE\n");
        write("broken.portal", "UseIn=GNOME\n\x01\x02[portal\n");
    }

    void write(const QString& name, const QByteArray& text) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QTemporaryDir folder;
};

TEST_P(PortalBackendsTest, GlobalShortcutsCountOnlyFromTheSessionsOwnBackend) {
    EXPECT_EQ(PortalBackends::inFolder(folder.path()).offerGlobalShortcuts(GetParam().desktops),
              GetParam().served);
}

INSTANTIATE_TEST_SUITE_P(Desktops, PortalBackendsTest,
                         ::testing::Values(BackendCase{"kde", {"KDE"}, true},
                                           BackendCase{"gnomeWithKdeInstalled", {"GNOME"}, false},
                                           BackendCase{"ubuntuGnome", {"ubuntu", "GNOME"}, false},
                                           BackendCase{"caseOfTheName", {"kde"}, true},
                                           BackendCase{"noDesktopNamed", {}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velora
