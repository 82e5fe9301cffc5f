#include "fakes/FakeGlobalHotKeyService.hpp"
#include "shell/InstalledVersion.hpp"
#include "support/TrayParts.hpp"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace velora {
namespace {

class DesktopTest : public ::testing::Test, protected testsupport::TrayParts {
protected:
    void SetUp() override {
        HotKeyConfig{QKeyCombination(Qt::MetaModifier | Qt::ShiftModifier, Qt::Key_R)}.save(
            preferences);
        tray = launch(hotKeyService);
    }

    void TearDown() override { tray.reset(); }

    // Calls the service as another program would and returns the error text, empty on success.
    QString callService(const QString& method, const QString& argument) {
        QDBusConnection client =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("client"));
        QDBusMessage request = QDBusMessage::createMethodCall(
            ServiceProvider::serviceName, ServiceProvider::objectPath,
            ServiceProvider::interfaceName, method);
        request.setArguments({argument});
        QDBusPendingCallWatcher watcher(client.asyncCall(request));
        EXPECT_TRUE(QTest::qWaitFor([&] { return watcher.isFinished(); }, 10000));
        QDBusConnection::disconnectFromBus(QStringLiteral("client"));
        return watcher.isError() ? watcher.error().message() : QString();
    }

    fakes::FakeGlobalHotKeyService hotKeyService;
    std::unique_ptr<TrayController> tray;
};

TEST_F(DesktopTest, LaunchTakesTheNameAndBuildsTheMenuForTheStoredShortcut) {
    EXPECT_EQ(bus.interface()->serviceOwner(ServiceProvider::serviceName).value(),
              bus.baseService());
    EXPECT_EQ(menuTitles(*tray),
              (QStringList{"Read Selection  (Shift+Super+R)", "Read from Clipboard", "Show Reader",
                           "Tip: select text anywhere, press Shift+Super+R (off)", "---",
                           "Settings…", "Check for Updates…", "---",
                           "VeloraMac " + InstalledVersion::versionString() + " (off)",
                           "Quit VeloraMac"}));
    EXPECT_EQ(hotKeyService.calls, (std::vector<std::string>{"install", "register Shift+Super+R"}));
    EXPECT_FALSE(tray->overlay()->panel().isVisible());
}

// The tip, the capture messages and the empty reader name the configured shortcut, not a fixed
// one, and follow a change of it.
TEST_F(DesktopTest, ChangingTheShortcutReregistersAndRetitles) {
    tray->captureAndShow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !reader.statusMessages.isEmpty(); }, 5000));
    shortcut->choose(HotKeyConfig::presets()[1]);

    EXPECT_EQ(reader.statusMessage(), QStringLiteral("Nothing to read — select text and press "
                                                     "Ctrl+Alt+Shift+Space, or copy it first."));
    EXPECT_EQ(tray->menu()->actions().front()->text(),
              QStringLiteral("Read Selection  (Ctrl+Alt+Shift+Space)"));
    EXPECT_EQ(tray->menu()->actions()[3]->text(),
              QStringLiteral("Tip: select text anywhere, press Ctrl+Alt+Shift+Space"));
    EXPECT_EQ(tray->serviceProvider().shortcut(), QStringLiteral("Ctrl+Alt+Shift+Space"));
    EXPECT_EQ(hotKeyService.calls.back(), "register Ctrl+Alt+Shift+Space");
}

// A desktop that answers later (the portal, KDE's service) is asked for one chord, not for every
// preset in turn, and the texts wait for its answer and then name the chord it bound.
TEST_F(DesktopTest, DesktopThatAnswersLaterIsAskedOnceAndItsChordNamed) {
    tray.reset();
    preferences.remove(QString(HotKeyConfig::preferencesKey));
    hotKeyService.calls.clear();
    hotKeyService.answerLater = true;
    tray = launch(hotKeyService, {ShortcutRoute::portal}, false);

    EXPECT_EQ(hotKeyService.calls,
              (std::vector<std::string>{"install", "register Ctrl+Alt+Space"}));
    EXPECT_FALSE(tray->serviceProvider().shortcutRegistered());
    EXPECT_FALSE(shortcut->isRegistered());

    hotKeyService.answer({hotKeyService.lastHandle(), 0, QStringLiteral("Super+R")});
    EXPECT_EQ(tray->menu()->actions().front()->text(), QStringLiteral("Read Selection  (Super+R)"));
    EXPECT_EQ(tray->serviceProvider().shortcut(), QStringLiteral("Super+R"));
    EXPECT_TRUE(tray->serviceProvider().shortcutRegistered());
    EXPECT_EQ(shortcut->display(), QStringLiteral("Super+R"));
}

struct BusRequest {
    const char* name;
    const char* method;
    QString argument;
    QString error;
    QStringList loads;
    // What the reader's library answers about its write.
    std::optional<QString> saveFailure = std::nullopt;
};

class BusRequestTest : public DesktopTest, public ::testing::WithParamInterface<BusRequest> {};

// Whatever is loaded is also played and shown; a refused request shows nothing.
TEST_P(BusRequestTest, AnswersAndReads) {
    const BusRequest& request = GetParam();
    QTemporaryDir folder;
    QFile notes(folder.filePath(QStringLiteral("notes.txt")));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly) && notes.write("Words from a file") > 0);
    notes.close();
    QString argument = request.argument;
    argument.replace(QStringLiteral("FOLDER"), folder.path());
    reader.saveFailure = request.saveFailure;

    EXPECT_EQ(callService(QString::fromLatin1(request.method), argument), request.error);
    EXPECT_EQ(reader.loads, request.loads);
    EXPECT_EQ(reader.plays, request.loads.size());
    const bool failedImport = request.error.startsWith(QStringLiteral("Couldn't read"));
    EXPECT_EQ(tray->overlay()->panel().isVisible(),
              request.error.isEmpty() || failedImport || request.saveFailure);
    if (failedImport) {
        EXPECT_EQ(reader.statusMessages, QStringList{request.error});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Requests, BusRequestTest,
    ::testing::Values(
        BusRequest{"text", "readSelection", "  Hello there ", "", {"  Hello there "}},
        BusRequest{"blanks", "readSelection", " \n\t ", "No readable text was selected.", {}},
        BusRequest{"fileUrl", "readFile", "file://FOLDER/notes.txt", "", {"Words from a file"}},
        BusRequest{"missingFile",
                   "readFile",
                   "FOLDER/gone.pdf",
                   "Couldn't read gone.pdf: there is no such file",
                   {}},
        BusRequest{"relativePath", "readFile", "notes.txt", "No readable file was provided.", {}},
        BusRequest{"textUnsaved",
                   "readSelection",
                   "Hello",
                   "Couldn't save the library: full",
                   {"Hello"},
                   "Couldn't save the library: full"},
        BusRequest{"fileUnsaved",
                   "readFile",
                   "FOLDER/notes.txt",
                   "Couldn't save the library: full",
                   {"Words from a file"},
                   "Couldn't save the library: full"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DesktopTest, SentenceAndParagraphMovesArriveOverTheBusAndMediaControlsRaiseThePanel) {
    using Move = ShellReader::Move;
    for (const char* method :
         {"nextSentence", "previousSentence", "nextParagraph", "previousParagraph"}) {
        QDBusMessage request = QDBusMessage::createMethodCall(
            ServiceProvider::serviceName, ServiceProvider::objectPath,
            ServiceProvider::interfaceName, QString::fromLatin1(method));
        QDBusPendingCallWatcher watcher(bus.asyncCall(request));
        ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.isFinished(); }, 10000));
        EXPECT_FALSE(watcher.isError()) << watcher.error().message().toStdString();
    }
    EXPECT_EQ(reader.moves, (std::vector<Move>{Move::nextSentence, Move::previousSentence,
                                               Move::nextParagraph, Move::previousParagraph}));
    ASSERT_TRUE(reader.raiseReader);
    reader.raiseReader();
    EXPECT_TRUE(tray->overlay()->panel().isVisible());
}

class ClipboardMenuTest : public DesktopTest, public ::testing::WithParamInterface<const char*> {};

// "Read from Clipboard" over a text already loaded: only new text is played; an empty clipboard
// says so and leaves the old text where it stood.
TEST_P(ClipboardMenuTest, PlaysOnlyWhatItLoaded) {
    reader.loadText(QStringLiteral("Earlier words"), [](const LoadOutcome&) {});
    reader.clipboard = QString::fromUtf8(GetParam());
    tray->readClipboard();
    EXPECT_TRUE(tray->overlay()->panel().isVisible());
    EXPECT_EQ(reader.plays, reader.clipboard.isEmpty() ? 0 : 1);
    EXPECT_EQ(reader.loads.size(), reader.clipboard.isEmpty() ? 1 : 2);
}

INSTANTIATE_TEST_SUITE_P(Clipboard, ClipboardMenuTest, ::testing::Values("", "Copied words"));

TEST_F(DesktopTest, PanelIsAFloatingToolWindowCentredOnTheScreen) {
    QWidget& panel = tray->overlay()->panel();
    EXPECT_EQ(panel.size(), QSize(760, 520));
    const Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
    EXPECT_EQ(panel.windowFlags() & flags, flags);
    tray->showReader();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    EXPECT_EQ(panel.geometry().center(), panel.screen()->availableGeometry().center());
    reader.closeView();
    EXPECT_FALSE(panel.isVisible());
}

TEST_F(DesktopTest, FullScreenTwiceReturnsTheExactFrame) {
    OverlayWindowController& overlay = *tray->overlay();
    QWidget& panel = overlay.panel();
    tray->showReader();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    panel.setGeometry(QRect(37, 61, 701, 433));
    const QRect before = panel.geometry();

    overlay.toggleFullScreen();
    EXPECT_EQ(panel.geometry(), panel.screen()->availableGeometry());
    EXPECT_TRUE(overlay.isFullScreen());
    // A hidden panel comes back in the layout it had, not centred.
    overlay.close();
    tray->showReader();
    EXPECT_EQ(panel.geometry(), panel.screen()->availableGeometry());

    overlay.toggleFullScreen();
    EXPECT_EQ(panel.geometry(), before);
    EXPECT_FALSE(overlay.isFullScreen());
}

class TrayIconTest : public DesktopTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        ASSERT_TRUE(icons.isValid());
        if (GetParam()) {
            const QString apps = icons.filePath(QStringLiteral("hicolor/scalable/apps"));
            ASSERT_TRUE(QDir().mkpath(apps));
            ASSERT_TRUE(QFile::copy(QStringLiteral(":/symbols/veloramac.svg"),
                                    apps + QStringLiteral("/org.veloramac.VeloraMac.svg")));
            QFile index(icons.filePath(QStringLiteral("hicolor/index.theme")));
            ASSERT_TRUE(index.open(QIODevice::WriteOnly));
            index.write("[Icon Theme]\nName=Hicolor\nDirectories=scalable/apps\n\n"
                        "[scalable/apps]\nSize=64\nType=Scalable\nMinSize=8\nMaxSize=512\n");
        }
        searchPaths = QIcon::themeSearchPaths();
        QIcon::setThemeSearchPaths({icons.path()});
        QIcon::setThemeName(QStringLiteral("hicolor"));
        DesktopTest::SetUp();
    }
    void TearDown() override {
        DesktopTest::TearDown();
        QIcon::setThemeSearchPaths(searchPaths);
    }

    QTemporaryDir icons;
    QStringList searchPaths;
};

// Hosts look the item's icon up by its name, which must then be the installed one; where there
// is none, a name would send them looking in vain, and the picture itself goes instead.
TEST_P(TrayIconTest, ItemNamesTheInstalledIconOrCarriesThePicture) {
    const QIcon icon = tray->trayMenu().item()->icon();
    EXPECT_EQ(icon.name(), GetParam() ? QStringLiteral("org.veloramac.VeloraMac") : QString());
    EXPECT_FALSE(icon.pixmap(22).isNull());
}

INSTANTIATE_TEST_SUITE_P(Installed, TrayIconTest, ::testing::Bool());

} // namespace
} // namespace velora
