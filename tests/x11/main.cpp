#include "x11/ClipboardSamples.hpp"
#include "x11/XvfbServer.hpp"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

// Besides the tests, this program plays the other applications the tests need: one that holds
// the user's clipboard, an editor with selected text and keyboard focus, and one that prints the
// clipboard as a stranger sees it.

namespace {

int argumentCount = 1;
char programName[] = "test_x11";
char* arguments[] = {programName, nullptr};

class X11Environment : public ::testing::Environment {
public:
    void SetUp() override {
        server_ = std::make_unique<velora::testsupport::XvfbServer>();
        ASSERT_FALSE(server_->display().isEmpty()) << "Xvfb did not start";
        qputenv("DISPLAY", server_->display().toLocal8Bit());
        application_ = std::make_unique<QApplication>(argumentCount, arguments);
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    }

    void TearDown() override {
        application_.reset();
        server_.reset();
    }

private:
    std::unique_ptr<velora::testsupport::XvfbServer> server_;
    std::unique_ptr<QApplication> application_;
};

int holdClipboard(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    auto* mime = new QMimeData;
    for (const auto& [format, bytes] : velora::testsupport::usersClipboard()) {
        mime->setData(format, bytes);
    }
    QGuiApplication::clipboard()->setMimeData(mime);
    std::puts("ready");
    std::fflush(stdout);
    return application.exec();
}

int showSelection(int argc, char** argv, const char* text) {
    QApplication application(argc, argv);
    QLineEdit edit(QString::fromUtf8(text));
    edit.selectAll();
    edit.show();
    edit.activateWindow();
    if (!QTest::qWaitForWindowActive(&edit)) {
        return 1;
    }
    std::puts("ready");
    std::fflush(stdout);
    return application.exec();
}

int printClipboard(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime) {
        return 1;
    }
    for (const QString& format : mime->formats()) {
        std::printf("%s\t%s\n", qPrintable(format), mime->data(format).toBase64().constData());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--hold-clipboard") == 0) {
        return holdClipboard(argc, argv);
    }
    if (argc > 2 && std::strcmp(argv[1], "--select") == 0) {
        return showSelection(argc, argv, argv[2]);
    }
    if (argc > 1 && std::strcmp(argv[1], "--print-clipboard") == 0) {
        return printClipboard(argc, argv);
    }
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new X11Environment);
    return RUN_ALL_TESTS();
}
