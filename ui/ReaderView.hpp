#pragma once

#include "app/platform/Scheduler.hpp"
#include "ui/ThemePalette.hpp"

#include <QWidget>
#include <filesystem>

class QFileDialog;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace velora {

class ControlBar;
class ElidedLabel;
class FileDropTarget;
class KeyTable;
class LibraryViewModel;
class ReaderCards;
class ReaderChrome;
class ReaderHeader;
class ReaderViewModel;
class ReadingArea;

// The whole content of the reader panel: header, the current mode's view, status line, control
// bar, and the cards laid over them. Turns keys, clicks and drops into calls on the controller.
class ReaderView : public QWidget {
    Q_OBJECT

public:
    // `closable`: the panel can be hidden from here (the Close button and the last Escape).
    ReaderView(ReaderViewModel& vm, LibraryViewModel& library, Scheduler& scheduler, bool closable,
               QWidget* parent = nullptr);
    ~ReaderView() override;

    bool isDropTargeted() const;
    // The window that holds the view owns the full-screen state; this shows its layout.
    void setFullScreen(bool fullScreen);
    bool isFullScreen() const;

    // Closes the open card, else leaves full screen, else asks to hide the panel.
    void handleEscape();
    void importFile();
    // Imports the file and loads its text; a file without text leaves the document as it is.
    void load(const std::filesystem::path& file);
    // The global shortcut in use, as the empty state names it; empty when there is none.
    void setShortcutDisplay(const QString& display);
    // A one-line question above the status line, such as a first start's.
    void addQuestion(QWidget* line);

    ReaderCards& cards() const { return *cards_; }
    QWidget& header() const;
    ControlBar& controlBar() const { return *controlBar_; }
    ElidedLabel& statusLine() const { return *status_; }
    QStackedWidget& readingArea() const;
    const KeyTable& keys() const { return *keys_; }
    QToolButton* closeButton() const;
    QToolButton& fullScreenButton() const;

signals:
    // Hide the reader panel.
    void closeRequested();
    // The settings window and quitting belong to the program, not to the panel.
    void settingsWindowRequested();
    void quitRequested();
    // Full screen on or off, as Ctrl+F and the header's button ask.
    void fullScreenToggleRequested();

protected:
    bool focusNextPrevChild(bool next) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildLayout();
    void buildCards(LibraryViewModel& library);
    void connectHeader();
    void connectViewModel();
    QFileDialog* makeImportDialog();
    // Where Tab goes, in order: the open card's controls, or the panel's.
    std::vector<QWidget*> tabStops() const;
    void applyTheme();
    void showStatus();

    ReaderViewModel& vm_;
    ThemePalette palette_;
    ReaderHeader* header_;
    QWidget* headerDivider_;
    ReadingArea* area_;
    ElidedLabel* status_;
    QPushButton* cancelLoading_;
    QWidget* barDivider_;
    QWidget* barHolder_;
    ControlBar* controlBar_;
    FileDropTarget* drop_;
    ReaderChrome* chrome_;
    KeyTable* keys_;
    ReaderCards* cards_ = nullptr;
};

} // namespace velora
