#include "shell/AppDelegate.hpp"

#include "app/HotKeyConfig.hpp"
#include "app/NotificationCenter.hpp"
#include "fakes/FakeGlobalHotKeyService.hpp"
#include "fakes/FakePasteboard.hpp"
#include "fakes/FixedAccessibilityTrust.hpp"
#include "fakes/InMemoryPreferencesStore.hpp"
#include "fakes/RecordingKeyEventPoster.hpp"
#include "fakes/RecordingShellReader.hpp"
#include "platform/TimerScheduler.hpp"
#include "platform/X11Session.hpp"
#include "shell/UpdaterService.hpp"

#include <QAction>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QFile>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <xcb/xcb.h>

namespace velora {
namespace {

// Reads the file on the next turn of the event loop, as the real import answers later.
void importByReading(const std::filesystem::path& file, QObject* receiver,
                     std::function<void(std::optional<std::string>)> done) {
    QTimer::singleShot(0, receiver, [file, done = std::move(done)] {
        QFile input(QString::fromStdString(file.string()));
        if (!input.open(QIODevice::ReadOnly)) {
            done(std::nullopt);
            return;
        }
        done(input.readAll().toStdString());
    });
}

std::vector<std::uint32_t> windowProperty(xcb_window_t window, const char* name) {
    const auto x11 = X11Session::ofApplication();
    xcb_connection_t* connection = x11->connection;
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, window, atom->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 64),
        nullptr);
    std::vector<std::uint32_t> values;
    if (reply && reply->format == 32) {
        const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        values.assign(data, data + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    std::free(atom);
    return values;
}

std::uint32_t atomNamed(const char* name) {
    xcb_connection_t* connection = X11Session::ofApplication()->connection;
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr);
    const std::uint32_t atom = reply->atom;
    std::free(reply);
    return atom;
}

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        HotKeyConfig{HotKeyConfig::rKeyCode, HotKeyConfig::cmdKey | HotKeyConfig::shiftKey,
                     QStringLiteral("⌘⇧ R")}
            .save(preferences, notifications);
        delegate = std::make_unique<AppDelegate>(
            AppDelegate::Services{reader, pasteboard, keys, trust, hotKeyService, scheduler,
                                  preferences, notifications, importByReading});
        bus = QDBusConnection::sessionBus();
        ASSERT_TRUE(delegate->launch(&bus));
    }

    void TearDown() override { delegate.reset(); }

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

    QStringList menuTitles() const {
        QStringList titles;
        for (const QAction* action : delegate->menu()->actions()) {
            titles.append(action->isSeparator() ? QStringLiteral("---") : action->text());
        }
        return titles;
    }

    fakes::RecordingShellReader reader;
    fakes::FakePasteboard pasteboard;
    fakes::RecordingKeyEventPoster keys;
    fakes::FixedAccessibilityTrust trust{true};
    fakes::FakeGlobalHotKeyService hotKeyService;
    TimerScheduler scheduler;
    fakes::InMemoryPreferencesStore preferences;
    NotificationCenter notifications;
    QDBusConnection bus{QString()};
    std::unique_ptr<AppDelegate> delegate;
};

TEST_F(DesktopTest, LaunchTakesTheNameAndBuildsTheMenuForTheStoredShortcut) {
    EXPECT_EQ(bus.interface()->serviceOwner(ServiceProvider::serviceName).value(),
              bus.baseService());
    EXPECT_EQ(menuTitles(),
              (QStringList{"Read Selection  (⌘⇧ R)", "Read from Clipboard", "Show Reader",
                           "Tip: select text anywhere, press ⌘⇧ R", "---", "Settings…",
                           "Check for Updates…", "---",
                           "VeloraMac " + UpdaterService::versionString(), "Quit VeloraMac"}));
    QStringList disabled;
    for (const QAction* action : delegate->menu()->actions()) {
        if (!action->isSeparator() && !action->isEnabled()) {
            disabled.append(action->text());
        }
    }
    EXPECT_EQ(disabled, (QStringList{"Tip: select text anywhere, press ⌘⇧ R",
                                     "VeloraMac " + UpdaterService::versionString()}));
    EXPECT_TRUE(delegate->statusItem()->isVisible());
    EXPECT_EQ(hotKeyService.calls, (std::vector<std::string>{"install", "register 15-768"}));
    EXPECT_FALSE(delegate->overlay()->panel().isVisible());
    EXPECT_EQ(reader.attached, delegate->overlay());
    EXPECT_EQ(reader.shortcut, QStringLiteral("⌘⇧ R"));
}

TEST_F(DesktopTest, ChangingTheShortcutReregistersAndRetitles) {
    delegate->captureAndShow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !reader.statusMessages.isEmpty(); }, 5000));
    HotKeyConfig::presets()[1].save(preferences, notifications);

    EXPECT_EQ(reader.statusMessage(),
              QStringLiteral("Nothing to read — select text and press ⌃ Space, or copy it first."));
    EXPECT_EQ(menuTitles().front(), QStringLiteral("Read Selection  (⌃ Space)"));
    EXPECT_EQ(menuTitles()[3], QStringLiteral("Tip: select text anywhere, press ⌃ Space"));
    EXPECT_EQ(reader.shortcut, QStringLiteral("⌃ Space"));
    EXPECT_EQ(hotKeyService.calls.back(), "register 49-4096");
    EXPECT_EQ(hotKeyService.calls[hotKeyService.calls.size() - 2], "unregister 1");
}

TEST_F(DesktopTest, ASecondProgramIsRefusedTheName) {
    QDBusConnection other =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("other"));
    ServiceProvider second;
    EXPECT_FALSE(second.registerOn(other));
    QDBusConnection::disconnectFromBus(QStringLiteral("other"));
}

struct BusRequest {
    const char* name;
    const char* method;
    QString argument;
    QString error;
    QStringList loads;
    int plays;
    bool panelShown;
};

void PrintTo(const BusRequest& request, std::ostream* out) {
    *out << request.name;
}

class BusRequestTest : public DesktopTest, public ::testing::WithParamInterface<BusRequest> {};

TEST_P(BusRequestTest, AnswersAndReads) {
    const BusRequest& request = GetParam();
    QTemporaryDir folder;
    QFile notes(folder.filePath(QStringLiteral("notes.txt")));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("Words from a file");
    notes.close();
    QString argument = request.argument;
    argument.replace(QStringLiteral("FOLDER"), folder.path());

    EXPECT_EQ(callService(QString::fromLatin1(request.method), argument), request.error);

    EXPECT_EQ(reader.loads, request.loads);
    EXPECT_EQ(reader.plays, request.plays);
    EXPECT_EQ(delegate->overlay()->panel().isVisible(), request.panelShown);
    if (request.error.startsWith(QStringLiteral("Couldn't"))) {
        EXPECT_EQ(reader.statusMessages, QStringList{request.error});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Requests, BusRequestTest,
    ::testing::Values(
        BusRequest{"text", "readSelection", "  Hello there ", "", {"  Hello there "}, 1, true},
        BusRequest{
            "blanks", "readSelection", " \n\t ", "No readable text was selected.", {}, 0, false},
        BusRequest{"file", "readFile", "FOLDER/notes.txt", "", {"Words from a file"}, 1, true},
        BusRequest{
            "fileUrl", "readFile", "file://FOLDER/notes.txt", "", {"Words from a file"}, 1, true},
        BusRequest{
            "missingFile", "readFile", "FOLDER/gone.pdf", "Couldn't read gone.pdf", {}, 0, true},
        BusRequest{"relativePath",
                   "readFile",
                   "notes.txt",
                   "No readable file was provided.",
                   {},
                   0,
                   false},
        BusRequest{"webUrl",
                   "readFile",
                   "https://example.org/a.pdf",
                   "No readable file was provided.",
                   {},
                   0,
                   false}),
    [](const auto& info) { return std::string(info.param.name); });

struct CaptureCase {
    const char* name;
    bool trusted;
    std::optional<QString> clipboard;
    QStringList loads;
    QStringList messages;
};

void PrintTo(const CaptureCase& capture, std::ostream* out) {
    *out << capture.name;
}

class CaptureFallbackTest : public DesktopTest,
                            public ::testing::WithParamInterface<CaptureCase> {};

// Nothing answers the copy stroke here, so every capture falls back to the clipboard.
TEST_P(CaptureFallbackTest, NamesTheConfiguredShortcut) {
    const CaptureCase& capture = GetParam();
    trust.trusted = capture.trusted;
    if (capture.clipboard) {
        pasteboard.replaceFromOutside(
            {{fakes::FakePasteboard::plainText, capture.clipboard->toUtf8()}});
    }
    reader.statusMessages.clear();

    delegate->captureAndShow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !reader.statusMessages.isEmpty(); }, 5000));

    EXPECT_EQ(reader.loads, capture.loads);
    EXPECT_EQ(reader.statusMessages, capture.messages);
    EXPECT_TRUE(delegate->overlay()->panel().isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Paths, CaptureFallbackTest,
    ::testing::Values(
        CaptureCase{"blankClipboard",
                    true,
                    QStringLiteral(" \n "),
                    {},
                    {"Nothing to read — select text and press ⌘⇧ R, or copy it first."}},
        CaptureCase{"trusted",
                    true,
                    QStringLiteral("copied words"),
                    {"copied words"},
                    {"Read from clipboard"}},
        CaptureCase{"untrusted",
                    false,
                    QStringLiteral("copied words"),
                    {"copied words"},
                    {"Read from clipboard — grant Accessibility to capture selections "
                     "directly, or use ⌘⇧ R anywhere."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DesktopTest, TextWithoutWordsIsShownButNotPlayed) {
    reader.empty = true;
    delegate->readText(QStringLiteral("—"));
    EXPECT_EQ(reader.loads, QStringList{"—"});
    EXPECT_EQ(reader.plays, 0);
    EXPECT_TRUE(delegate->overlay()->panel().isVisible());
}

TEST_F(DesktopTest, OpeningSeveralDocumentsReadsOnlyTheFirstFile) {
    QTemporaryDir folder;
    for (const char* name : {"first.txt", "second.txt"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(name);
    }
    delegate->openFiles({QStringLiteral("https://example.org/x.txt"),
                         folder.filePath(QStringLiteral("first.txt")),
                         folder.filePath(QStringLiteral("second.txt"))});
    ASSERT_TRUE(QTest::qWaitFor([&] { return reader.plays > 0; }, 5000));
    EXPECT_EQ(reader.loads, QStringList{"first.txt"});
}

TEST_F(DesktopTest, PanelIsAFloatingToolWindowOnEveryWorkspace) {
    QWidget& panel = delegate->overlay()->panel();
    EXPECT_EQ(panel.size(), QSize(760, 520));
    const Qt::WindowFlags flags = panel.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::Tool));
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));

    delegate->showReader();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    EXPECT_EQ(panel.geometry().center(), panel.screen()->availableGeometry().center());
    const auto window = static_cast<xcb_window_t>(panel.winId());
    EXPECT_EQ(windowProperty(window, "_NET_WM_DESKTOP"), std::vector<std::uint32_t>{0xFFFFFFFF});
    const std::vector<std::uint32_t> states = windowProperty(window, "_NET_WM_STATE");
    for (const char* state : {"_NET_WM_STATE_ABOVE", "_NET_WM_STATE_STICKY",
                              "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
        EXPECT_NE(std::find(states.begin(), states.end(), atomNamed(state)), states.end()) << state;
    }

    reader.closeView();
    EXPECT_FALSE(panel.isVisible());
}

TEST_F(DesktopTest, FullScreenTwiceReturnsTheExactFrame) {
    OverlayWindowController& overlay = *delegate->overlay();
    QWidget& panel = overlay.panel();
    delegate->showReader();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    panel.setGeometry(QRect(37, 61, 701, 433));
    const QRect before = panel.geometry();
    QSignalSpy changes(&overlay, &OverlayWindowController::fullScreenChanged);

    overlay.toggleFullScreen();
    EXPECT_EQ(panel.geometry(), panel.screen()->availableGeometry());
    EXPECT_TRUE(overlay.isFullScreen());
    // A hidden panel comes back in the layout it had, not centred.
    overlay.close();
    delegate->showReader();
    EXPECT_EQ(panel.geometry(), panel.screen()->availableGeometry());

    overlay.toggleFullScreen();
    EXPECT_EQ(panel.geometry(), before);
    EXPECT_FALSE(overlay.isFullScreen());
    ASSERT_EQ(changes.size(), 2);
    EXPECT_TRUE(changes[0][0].toBool());
    EXPECT_FALSE(changes[1][0].toBool());
}

TEST_F(DesktopTest, AWindowedPanelMovedAndHiddenIsCentredAgain) {
    QWidget& panel = delegate->overlay()->panel();
    delegate->showReader();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    panel.move(5, 7);
    delegate->showReader();
    EXPECT_EQ(panel.pos(), QPoint(5, 7));
    delegate->overlay()->close();
    delegate->showReader();
    EXPECT_EQ(panel.geometry().center(), panel.screen()->availableGeometry().center());
}

} // namespace
} // namespace velora
