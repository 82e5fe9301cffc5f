#include "platform/desktop/AutostartEntry.hpp"

#include "platform/desktop/ProgramCommand.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace velora {
namespace {

using State = StartAtLogin::State;

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// desktop-file-validate's complaints; empty when the entry is valid.
QString validationErrors(const QString& path) {
    QProcess validate;
    validate.start(QStringLiteral("desktop-file-validate"), {path});
    validate.waitForFinished();
    return QString::fromUtf8(validate.readAllStandardOutput() + validate.readAllStandardError());
}

class AutostartEntryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(configHome_.isValid());
        qputenv("XDG_CONFIG_HOME", configHome_.path().toUtf8());
    }

    QString folder() const { return configHome_.path() + QStringLiteral("/autostart"); }

    QTemporaryDir configHome_;
};

class ProgramPath : public AutostartEntryTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ProgramPath, IsWrittenValidAndRemoved) {
    const QString program = configHome_.path() + QString::fromUtf8(GetParam());
    AutostartEntry entry({}, program);
    EXPECT_EQ(entry.filePath(), folder() + QStringLiteral("/org.veloramac.VeloraMac.desktop"));
    EXPECT_EQ(entry.state(), State::off);

    ASSERT_TRUE(entry.setEnabled(true));
    EXPECT_EQ(entry.state(), State::on);
    EXPECT_EQ(validationErrors(entry.filePath()), QString());
    // Not the program on the PATH, so the entry names this one by its absolute path.
    EXPECT_THAT(
        read(entry.filePath()).toStdString(),
        ::testing::HasSubstr("\nExec=" + AutostartEntry::execArgument(program).toStdString() +
                             " --autostart\n"));

    ASSERT_TRUE(entry.setEnabled(false));
    EXPECT_FALSE(QFile::exists(entry.filePath()));
    EXPECT_EQ(entry.state(), State::off);
    EXPECT_TRUE(entry.setEnabled(false));
}

INSTANTIATE_TEST_SUITE_P(Names, ProgramPath,
                         ::testing::Values("/bin/veloramac", "/my programs/velora$mac",
                                           "/quote\"and\\back%slash/veloramac"));

TEST_F(AutostartEntryTest, ExecQuotesWhatTheRulesReserve) {
    EXPECT_EQ(AutostartEntry::execArgument(QStringLiteral("/opt/velora/veloramac")),
              QStringLiteral("/opt/velora/veloramac"));
    EXPECT_EQ(AutostartEntry::execArgument(QStringLiteral("/my apps/100%/a\"b")),
              QStringLiteral("\"/my apps/100%%/a\\\\\"b\""));
    EXPECT_EQ(AutostartEntry::execArgument(QStringLiteral("/a\\b")),
              QStringLiteral("\"/a\\\\\\\\b\""));
}

TEST_F(AutostartEntryTest, AUserTurnedOffCopyIsLeftAlone) {
    for (const QByteArray& off : {QByteArray("Hidden=true\n"), QByteArray("Hidden = true\n"),
                                  QByteArray("X-GNOME-Autostart-enabled=false\n")}) {
        AutostartEntry entry({}, QStringLiteral("/usr/bin/veloramac"));
        const QByteArray copy = "[Desktop Entry]\nType=Application\nName=VeloraMac\n"
                                "Exec=veloramac --autostart\n" +
                                off;
        write(entry.filePath(), copy);
        EXPECT_EQ(entry.state(), State::disabledByUser) << off.toStdString();
        EXPECT_FALSE(entry.setEnabled(true));
        EXPECT_TRUE(entry.setEnabled(false));
        EXPECT_EQ(read(entry.filePath()), copy);
    }
}

TEST_F(AutostartEntryTest, HiddenInAnotherGroupDoesNotTurnItOff) {
    AutostartEntry entry({}, QStringLiteral("/usr/bin/veloramac"));
    write(entry.filePath(), "[Desktop Entry]\nType=Application\nName=VeloraMac\nExec=veloramac\n"
                            "[Desktop Action x]\nHidden=true\n");
    EXPECT_EQ(entry.state(), State::on);
}

TEST_F(AutostartEntryTest, AnUnwritableFolderIsReportedNotClaimed) {
    write(folder(), "a file where the folder should be");
    AutostartEntry entry({}, QStringLiteral("/usr/bin/veloramac"));
    EXPECT_FALSE(entry.setEnabled(true));
    EXPECT_EQ(entry.state(), State::off);
}

// The tray program runs from `veloramac`, which names itself in VELORAMAC_PROGRAM: the entry
// must start `veloramac`, and only a usable path may take the running program's place.
struct Launcher {
    const char* name;
    // Relative to the temporary folder; empty: the variable is unset.
    const char* path;
    bool executable;
    bool named;
};

class LaunchedBy : public AutostartEntryTest, public ::testing::WithParamInterface<Launcher> {
protected:
    void TearDown() override { qunsetenv(ProgramCommand::variable); }
};

TEST_P(LaunchedBy, TheEntryStartsTheProgramUsersRun) {
    const Launcher launcher = GetParam();
    const QString front = configHome_.path() + QStringLiteral("/bin/veloramac");
    write(front, "#!/bin/sh\n");
    if (launcher.executable) {
        QFile::setPermissions(front, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    if (*launcher.path != '\0') {
        const QString given = QString::fromUtf8(launcher.path);
        qputenv(ProgramCommand::variable,
                QFile::encodeName(given.startsWith(QLatin1Char('/')) ? configHome_.path() + given
                                                                     : given));
    }
    AutostartEntry entry;
    ASSERT_TRUE(entry.setEnabled(true));
    const QString expected = launcher.named ? front : QCoreApplication::applicationFilePath();
    EXPECT_THAT(
        read(entry.filePath()).toStdString(),
        ::testing::HasSubstr("\nExec=" + AutostartEntry::execArgument(expected).toStdString() +
                             " --autostart\n"));
}

INSTANTIATE_TEST_SUITE_P(Paths, LaunchedBy,
                         ::testing::Values(Launcher{"front", "/bin/veloramac", true, true},
                                           Launcher{"unset", "", true, false},
                                           Launcher{"relative", "bin/veloramac", true, false},
                                           Launcher{"notExecutable", "/bin/veloramac", false,
                                                    false},
                                           Launcher{"folder", "/bin", true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velora
