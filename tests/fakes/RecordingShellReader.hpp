#pragma once

#include "platform/documents/DocumentImport.hpp"
#include "shell/OverlayWindowController.hpp"
#include "shell/ShellReader.hpp"

#include <QLabel>
#include <QStringList>
#include <vector>

namespace velora::fakes {

// Reads a file as the reader does, answering its text or the failure it shows.
inline std::pair<QString, LoadOutcome> importForShell(const std::filesystem::path& file) {
    const ImportResult result = DocumentImport::readFile(file);
    if (result.ok()) {
        return {QString::fromStdString(result.text()), {}};
    }
    const std::string_view why = reason(result.failure());
    return {{},
            {LoadOutcome::Status::failed,
             QStringLiteral("Couldn't read ") + QString::fromStdString(file.filename().string()) +
                 QStringLiteral(": ") + QString::fromUtf8(why.data(), qsizetype(why.size()))}};
}

// Records what the shell asks of the reader; the view is a label showing the loaded text.
class RecordingShellReader final : public ShellReader {
public:
    void loadText(const QString& text, LoadDone done) override {
        loads.append(text);
        show(text);
        done({});
    }
    void loadFile(const std::filesystem::path& file, LoadDone done) override {
        const auto [text, outcome] = importForShell(file);
        if (outcome.status == LoadOutcome::Status::loaded) {
            loads.append(text);
            show(text);
        } else {
            setStatusMessage(outcome.message);
        }
        done(outcome);
    }
    void loadFromClipboard(LoadDone done) override {
        if (clipboard.isEmpty()) {
            const QString empty = QStringLiteral("Clipboard is empty");
            statusMessages.append(empty);
            done({LoadOutcome::Status::failed, empty});
            return;
        }
        loadText(clipboard, std::move(done));
    }
    void play() override { ++plays; }
    void move(Move move) override { moves.push_back(move); }
    bool isEmpty() const override { return empty; }
    void setStatusMessage(const QString& message) override { statusMessages.append(message); }
    std::optional<QString> statusMessage() const override {
        return statusMessages.isEmpty() ? std::nullopt : std::optional(statusMessages.back());
    }
    void whenSaved(std::function<void(std::optional<QString>)> done) override { done(saveFailure); }
    void saveNow() override { ++saves; }
    std::unique_ptr<QWidget> makeView(std::function<void()> close) override {
        closeView = std::move(close);
        auto label = std::make_unique<QLabel>();
        label->setAlignment(Qt::AlignCenter);
        view = label.get();
        return label;
    }
    void attach(OverlayWindowController& panel) override { attached = &panel; }
    void openSettings() override {}
    void showCaptureSupport(const velora::CaptureSupport&) override {}
    void offerDesktopShortcut(const QString& offer, std::function<void()> add) override {
        desktopShortcutOffers.append(offer);
        addDesktopShortcut = std::move(add);
    }
    void offerMediaControls(QDBusConnection&, std::function<void()> raise) override {
        raiseReader = std::move(raise);
    }

    // What loadFromClipboard finds.
    QString clipboard;
    QStringList loads;
    QStringList statusMessages;
    QStringList desktopShortcutOffers;
    std::function<void()> addDesktopShortcut;
    int plays = 0;
    std::vector<Move> moves;
    std::function<void()> raiseReader;
    int saves = 0;
    std::optional<QString> saveFailure;
    bool empty = false;
    QLabel* view = nullptr;
    std::function<void()> closeView;
    OverlayWindowController* attached = nullptr;

private:
    void show(const QString& text) {
        if (view) {
            view->setText(text);
        }
    }
};

} // namespace velora::fakes
