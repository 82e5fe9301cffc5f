#include "platform/wayland/GnomeCustomShortcut.hpp"
#include "shell/CommandLine.hpp"
#include "shell/DesktopProgram.hpp"
#include "shell/ReaderViewModelShell.hpp"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QRasterWindow>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// The program's real reader, taking the one-line offer to add the desktop's shortcut at once,
// as a user who clicks it.
class AcceptingReader final : public velora::ShellReader {
public:
    explicit AcceptingReader(std::unique_ptr<velora::ShellReader> reader)
        : reader_(std::move(reader)) {}

    void loadText(const QString& text, velora::LoadDone done) override {
        reader_->loadText(text, std::move(done));
    }
    void loadFile(const std::filesystem::path& file, velora::LoadDone done) override {
        reader_->loadFile(file, std::move(done));
    }
    void loadFromClipboard(velora::LoadDone done) override {
        reader_->loadFromClipboard(std::move(done));
    }
    void play() override { reader_->play(); }
    void move(Move move) override { reader_->move(move); }
    bool isEmpty() const override { return reader_->isEmpty(); }
    void setStatusMessage(const QString& message) override { reader_->setStatusMessage(message); }
    std::optional<QString> statusMessage() const override { return reader_->statusMessage(); }
    void whenSaved(std::function<void(std::optional<QString>)> done) override {
        reader_->whenSaved(std::move(done));
    }
    void saveNow() override { reader_->saveNow(); }
    std::unique_ptr<QWidget> makeView(std::function<void()> close) override {
        return reader_->makeView(std::move(close));
    }
    void attach(velora::OverlayWindowController& panel) override { reader_->attach(panel); }
    void openSettings() override { reader_->openSettings(); }
    void showCaptureSupport(const velora::CaptureSupport& support) override {
        reader_->showCaptureSupport(support);
    }
    void offerDesktopShortcut(const QString& offer, std::function<void()> add) override {
        std::printf("offer %s\n", offer.toUtf8().constData());
        std::fflush(stdout);
        add();
    }
    void offerMediaControls(QDBusConnection& bus, std::function<void()> raise) override {
        reader_->offerMediaControls(bus, std::move(raise));
    }

private:
    std::unique_ptr<velora::ShellReader> reader_;
};

// A window that takes the primary selection when it gets the keyboard, and again at each key
// typed into it: some compositors take a selection only with the serial of a key press.
class SelectionHolder final : public QRasterWindow {
public:
    explicit SelectionHolder(QString text) : text_(std::move(text)) {}

    void hold() {
        QGuiApplication::clipboard()->setText(text_, QClipboard::Selection);
        std::printf("holding\n");
        std::fflush(stdout);
    }

protected:
    void focusInEvent(QFocusEvent*) override { hold(); }
    void keyPressEvent(QKeyEvent*) override { hold(); }

private:
    QString text_;
};

// A Wayland client of the test's own holding `text` as the primary selection: the compositor
// takes a selection only from the client with keyboard focus.
int holdSelection(int argc, char** argv, const QString& text) {
    QGuiApplication application(argc, argv);
    SelectionHolder window(text);
    window.resize(200, 100);
    window.show();
    return QGuiApplication::exec();
}

} // namespace

// Besides the tests, this program stands in for the desktop's own clients, and for the program
// itself where the desktop runs it by its path.
int main(int argc, char** argv) {
    if (argc > 2 && std::strcmp(argv[1], "--hold-selection") == 0) {
        return holdSelection(argc - 2, argv + 2, QString::fromUtf8(argv[2]));
    }
    if (argc > 1 && std::strcmp(argv[1], "--remove-gnome-shortcut") == 0) {
        // As the Shortcut tab's button removes it, from a process of the desktop's session.
        const QCoreApplication application(argc, argv);
        velora::GnomeCustomShortcut().remove();
        return 0;
    }
    velora::CommandLine::takeVerbose(argc, argv);
    if (argc > 1 &&
        (std::strcmp(argv[1], "--program") == 0 || std::strcmp(argv[1], "--read-selection") == 0)) {
        const bool forwarded = std::strcmp(argv[1], "--read-selection") == 0;
        return velora::DesktopProgram::run(forwarded ? argc : argc - 1, forwarded ? argv : argv + 1,
                                           [](const velora::DesktopProgram::Platform& platform) {
                                               return std::make_unique<AcceptingReader>(
                                                   velora::ReaderViewModelShell::create(platform));
                                           });
    }
    // The tests talk to the desktop's buses and need no screen of their own.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
