#pragma once

#include "app/ScheduledTask.hpp"
#include "app/platform/Scheduler.hpp"
#include "ui/SymbolButton.hpp"
#include "ui/ThemePalette.hpp"

#include <QEasingCurve>
#include <QWidget>
#include <chrono>
#include <filesystem>
#include <optional>

class QFileDialog;
class QLabel;
class QPushButton;
class QStackedWidget;

namespace velora {

class Backdrop;
class ControlBar;
class ElidedLabel;
class KeyTable;
class KeysCard;
class FlowReadingView;
class FocusReaderView;
class ImportService;
class LibraryStore;
class LibraryView;
class QuickSettingsView;
class ReaderViewModel;
class SpeechService;

// The whole content of the reader panel: header, the current mode's view, status line, control
// bar, and the drop, settings and library overlays. Turns keys, clicks, drops and pointer
// movement into calls on the controller, and hides its own controls while reading full screen.
class ReaderView : public QWidget {
    Q_OBJECT

public:
    // `closable`: the panel can be hidden from here (the Close button and the last Escape).
    // The speech and library services feed the quick settings and library cards.
    ReaderView(ReaderViewModel& vm, SpeechService& speech, LibraryStore& library,
               Scheduler& scheduler, bool closable, QWidget* parent = nullptr);
    ~ReaderView() override;

    static constexpr Scheduler::Seconds chromeHideDelay{2.5};

    bool isChromeVisible() const { return chromeVisible_; }
    bool isSettingsShown() const { return showSettings_; }
    bool isLibraryShown() const { return showLibrary_; }
    bool isKeysShown() const { return showKeys_; }
    bool isDropTargeted() const { return dropTargeted_; }
    double focusFontSize() const;
    double flowFontSize() const;
    const ThemePalette& themePalette() const { return palette_; }

    // The window that holds the view owns the full-screen state; this shows its layout.
    void setFullScreen(bool fullScreen);
    bool isFullScreen() const { return isFullScreen_; }

    // Closes the overlays, else leaves full screen, else asks to hide the panel.
    void handleEscape();
    // Shows the chrome; in full screen it hides again after chromeHideDelay without movement.
    void revealChrome();
    // The open dialog limited to the files the importer reads; not yet shown.
    QFileDialog* makeImportDialog();
    void importFile();
    // Imports the file and loads its text; a file without text leaves the document as it is.
    void load(const std::filesystem::path& file);

    void setSettingsShown(bool shown);
    // The global shortcut in use, as the empty state names it; empty when there is none.
    void setShortcutDisplay(const QString& display);
    void setLibraryShown(bool shown);
    // The card listing the keys.
    void setKeysShown(bool shown);
    // A one-line question above the status line, such as a first start's.
    void addQuestion(QWidget* line);

    QWidget& header() const { return *header_; }
    ControlBar& controlBar() const { return *controlBar_; }
    ElidedLabel& statusLine() const { return *status_; }
    QPushButton& cancelLoadingButton() const { return *cancelLoading_; }
    QStackedWidget& readingArea() const { return *area_; }
    QuickSettingsView& quickSettings() const { return *quickSettings_; }
    LibraryView& library() const { return *library_; }
    KeysCard& keysCard() const { return *keysCard_; }
    const KeyTable& keys() const { return *keys_; }
    QToolButton* closeButton() const { return close_; }
    QToolButton& fullScreenButton() const { return *fullScreen_; }

signals:
    // Hide the reader panel.
    void closeRequested();
    // The settings window and quitting belong to the program, not to the panel.
    void settingsWindowRequested();
    void quitRequested();
    // Full screen on or off, as Ctrl+F and the header's button ask.
    void fullScreenToggleRequested();

protected:
    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildHeader();
    void buildOverlays();
    void buildKeys();
    // Where Tab goes, in order: the open card's controls, or the panel's.
    std::vector<QWidget*> tabStops() const;
    void showOverlay(Backdrop& overlay, bool& flag, bool shown);
    // The overlay open now, if any; only one is open at a time.
    Backdrop* openOverlay() const;
    void focusFirstControl(Backdrop& overlay);
    void changeSpeed(std::int64_t by);
    void announceAtRest();
    void bindControlBar();
    void bindQuickSettings();
    void toggleFullScreen();
    void setDropTargeted(bool targeted);
    void applyTheme();
    void showEngine();
    void showReadingArea();
    void showFullScreen();
    void showStatus();
    void updateChrome(std::chrono::milliseconds duration,
                      QEasingCurve::Type curve = QEasingCurve::InOutQuad);
    void layOutOverlays();

    ReaderViewModel& vm_;
    SpeechService& speech_;
    LibraryStore& libraryStore_;
    Scheduler& scheduler_;
    ThemePalette palette_;

    bool dropTargeted_ = false;
    bool showSettings_ = false;
    bool showLibrary_ = false;
    bool showKeys_ = false;
    bool announcePending_ = false;
    bool chromeVisible_ = true;
    bool isFullScreen_ = false;
    ScheduledTask chromeHideTask_{scheduler_};
    // The load whose words the flow page holds, so that it is laid out again only after a load.
    std::optional<std::uint64_t> shownLoad_;

    QWidget* header_ = nullptr;
    QWidget* headerDivider_ = nullptr;
    SymbolButton* clipboard_ = nullptr;
    SymbolButton* import_ = nullptr;
    SymbolButton* libraryButton_ = nullptr;
    SymbolButton* fullScreen_ = nullptr;
    SymbolButton* settingsButton_ = nullptr;
    SymbolButton* close_ = nullptr;
    QStackedWidget* area_;
    QWidget* empty_;
    QLabel* emptyHint_;
    FocusReaderView* focus_;
    FlowReadingView* flow_;
    ElidedLabel* status_;
    QPushButton* cancelLoading_;
    QWidget* barDivider_;
    QWidget* barHolder_;
    ControlBar* controlBar_;
    QWidget* dropOverlay_ = nullptr;
    Backdrop* settingsOverlay_ = nullptr;
    Backdrop* libraryOverlay_ = nullptr;
    QuickSettingsView* quickSettings_ = nullptr;
    LibraryView* library_ = nullptr;
    KeyTable* keys_ = nullptr;
    Backdrop* keysOverlay_ = nullptr;
    KeysCard* keysCard_ = nullptr;
};

} // namespace velora
