#include "app/HotKeyConfig.hpp"
#include "app/HotKeyManager.hpp"
#include "app/TextCapture.hpp"
#include "platform/desktop/ClipboardPasteboard.hpp"
#include "platform/desktop/TimerScheduler.hpp"
#include "platform/x11/X11AccessibilityTrust.hpp"
#include "platform/x11/X11GlobalHotKeyService.hpp"
#include "platform/x11/X11KeyEventPoster.hpp"
#include "platform/x11/X11Session.hpp"
#include "x11/ClipboardSamples.hpp"
#include "x11/OtherClient.hpp"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <X11/keysym.h>
#include <csignal>
#include <gtest/gtest.h>

namespace velora {
namespace {

using testsupport::ClipboardItem;
using testsupport::usersClipboard;

constexpr int patienceMs = 20000;

// Another program, played by this test program (see main.cpp), running until the test ends.
class OtherProgram {
public:
    explicit OtherProgram(const QStringList& arguments) {
        process_.start(QCoreApplication::applicationFilePath(), arguments);
        ready = process_.waitForReadyRead(patienceMs) && process_.readLine().trimmed() == "ready";
    }
    ~OtherProgram() {
        process_.kill();
        process_.waitForFinished(patienceMs);
    }

    bool ready = false;

private:
    QProcess process_;
};

// The clipboard as another program reads it, leaving out the names X11 lists beside the formats.
ClipboardItem clipboardSeenByAStranger() {
    QProcess printer;
    printer.start(QCoreApplication::applicationFilePath(), {"--print-clipboard"});
    // This process owns the clipboard and must keep answering while the stranger reads it.
    if (!QTest::qWaitFor([&printer] { return printer.state() == QProcess::NotRunning; },
                         patienceMs)) {
        printer.kill();
        printer.waitForFinished();
        return {};
    }
    ClipboardItem item;
    const QList<QByteArray> lines = printer.readAllStandardOutput().split('\n');
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.split('\t');
        static const QList<QByteArray> meta = {"TARGETS", "MULTIPLE", "TIMESTAMP", "SAVE_TARGETS",
                                               "application/x-qt-image"};
        if (fields.size() == 2 && !meta.contains(fields[0])) {
            item.emplace_back(QString::fromLatin1(fields[0]), QByteArray::fromBase64(fields[1]));
        }
    }
    return item;
}

ClipboardItem asItem(const std::vector<TextCapture::StoredItem>& items) {
    ClipboardItem item;
    for (const auto& stored : items) {
        item.emplace_back(stored.type, stored.data);
    }
    return item;
}

class CaptureOnX11 : public ::testing::Test {
protected:
    std::optional<QString> captureSelection() {
        bool answered = false;
        std::optional<QString> text;
        capture.grabSelection([&](std::optional<QString> result) {
            answered = true;
            text = std::move(result);
        });
        EXPECT_TRUE(QTest::qWaitFor([&answered] { return answered; }, patienceMs));
        return text;
    }

    ClipboardPasteboard pasteboard;
    X11KeyEventPoster keys{*X11Session::ofApplication()};
    X11AccessibilityTrust trust{*X11Session::ofApplication()};
    TimerScheduler scheduler;
    TextCapture capture{pasteboard, keys, trust, scheduler};
};

TEST_F(CaptureOnX11, SelectionIsCopiedAndTheOtherProgramsClipboardComesBack) {
    ASSERT_TRUE(trust.isProcessTrusted());
    const auto before = pasteboard.changeCount();
    OtherProgram holder({"--hold-clipboard"});
    ASSERT_TRUE(holder.ready);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pasteboard.changeCount() != before; }, patienceMs))
        << "another program's copy was not counted";
    ASSERT_EQ(asItem(TextCapture::snapshot(pasteboard)), usersClipboard());

    OtherProgram editor({"--select", "  words to read  "});
    ASSERT_TRUE(editor.ready);

    EXPECT_EQ(captureSelection(), QStringLiteral("  words to read  "));
    EXPECT_EQ(clipboardSeenByAStranger(), usersClipboard());
}

// A terminal running a job, whose shell writes its process id to a file before it becomes the
// job, so the test can see whether a stray Ctrl+C interrupted it.
class TerminalWithJob {
public:
    TerminalWithJob() {
        const QString script = QStringLiteral("echo $$ > %1; echo line to read; exec sleep 1000")
                                   .arg(folder.filePath(QStringLiteral("pid")));
        terminal_.start(QStringLiteral("xterm"),
                        {QStringLiteral("-geometry"), QStringLiteral("40x4+0+0"),
                         QStringLiteral("-e"), QStringLiteral("sh"), QStringLiteral("-c"), script});
        QFile pidFile(folder.filePath(QStringLiteral("pid")));
        started_ = QTest::qWaitFor(
            [&] {
                if (pidFile.open(QIODevice::ReadOnly)) {
                    job_ = pidFile.readAll().trimmed().toInt();
                    pidFile.close();
                }
                return job_ > 0;
            },
            patienceMs);
    }
    ~TerminalWithJob() {
        terminal_.kill();
        terminal_.waitForFinished(patienceMs);
    }

    bool started() const { return started_; }
    bool jobAlive() const { return job_ > 0 && ::kill(job_, 0) == 0; }

private:
    QTemporaryDir folder;
    QProcess terminal_;
    pid_t job_ = 0;
    bool started_ = false;
};

// The terminal draws its first line at the top left; a triple click there selects it.
bool selectFirstLine(testsupport::OtherClient& user, ClipboardPasteboard& pasteboard) {
    return QTest::qWaitFor(
        [&] {
            user.click(30, 8, 3);
            QTest::qWait(100);
            return pasteboard.primarySelection().value_or(QString()).contains(
                QStringLiteral("line to read"));
        },
        patienceMs);
}

class CaptureWithShortcut : public CaptureOnX11 {
protected:
    void SetUp() override {
        QObject::connect(&manager, &HotKeyManager::triggered, [this] {
            capture.grabSelection([this](std::optional<QString> result) {
                answered = true;
                text = std::move(result);
            });
        });
        ASSERT_TRUE(manager.registerKeys(HotKeyConfig().keys));
    }

    // Types Ctrl+Alt+Space as the user would and waits for the capture's answer.
    void pressShortcut(testsupport::OtherClient& user) {
        user.press(XK_Control_L);
        user.press(XK_Alt_L);
        user.press(XK_space);
        user.release(XK_space);
        user.release(XK_Alt_L);
        user.release(XK_Control_L);
        user.sync();
        EXPECT_TRUE(QTest::qWaitFor([this] { return answered; }, patienceMs));
    }

    X11GlobalHotKeyService service;
    HotKeyManager manager{service, scheduler};
    bool answered = false;
    std::optional<QString> text;
};

TEST_F(CaptureWithShortcut, TerminalLineIsReadFromTheSelectionAndTheJobRunsOn) {
    OtherProgram holder({"--hold-clipboard"});
    ASSERT_TRUE(holder.ready);
    TerminalWithJob terminal;
    ASSERT_TRUE(terminal.started());
    testsupport::OtherClient user;
    ASSERT_TRUE(selectFirstLine(user, pasteboard));

    pressShortcut(user);
    EXPECT_EQ(text.value_or(QString()).trimmed(), QStringLiteral("line to read"));
    QTest::qWait(200);
    EXPECT_TRUE(terminal.jobAlive());
    EXPECT_EQ(clipboardSeenByAStranger(), usersClipboard());
}

// Nothing selected anywhere: the copy stroke would be Ctrl+C to the terminal, so none is sent.
TEST_F(CaptureWithShortcut, TerminalInFrontWithoutASelectionGetsNoCopyStroke) {
    TerminalWithJob terminal;
    ASSERT_TRUE(terminal.started());
    testsupport::OtherClient user;
    user.click(30, 30, 0);
    ASSERT_FALSE(pasteboard.primarySelection().has_value());

    pressShortcut(user);
    EXPECT_EQ(text, std::nullopt);
    QTest::qWait(200);
    EXPECT_TRUE(terminal.jobAlive());
}

TEST_F(CaptureOnX11, ShortcutStillHeldDoesNotSpoilTheCopy) {
    X11GlobalHotKeyService service;
    HotKeyManager manager(service, scheduler);
    std::optional<QString> text;
    bool answered = false;
    QObject::connect(&manager, &HotKeyManager::triggered, [&] {
        capture.grabSelection([&](std::optional<QString> result) {
            answered = true;
            text = std::move(result);
        });
    });
    manager.registerKeys(HotKeyConfig().keys);
    OtherProgram editor({"--select", "held shortcut"});
    ASSERT_TRUE(editor.ready);

    testsupport::OtherClient user;
    user.press(XK_Control_L);
    user.press(XK_Alt_L);
    user.press(XK_space);
    ASSERT_TRUE(QTest::qWaitFor([&answered] { return answered; }, patienceMs));
    user.release(XK_space);
    user.release(XK_Alt_L);
    user.release(XK_Control_L);
    user.sync();
    EXPECT_EQ(text, QStringLiteral("held shortcut"));
}

} // namespace
} // namespace velora
