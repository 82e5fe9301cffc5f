#include "ui/ReaderView.hpp"

#include "app/HotKeyConfig.hpp"
#include "app/ImportService.hpp"
#include "app/ReaderViewModel.hpp"
#include "ui/Backdrop.hpp"
#include "ui/ControlBar.hpp"
#include "ui/Divider.hpp"
#include "ui/ElidedLabel.hpp"
#include "ui/Fade.hpp"
#include "ui/FlowReadingView.hpp"
#include "ui/FocusReaderView.hpp"
#include "ui/FocusRing.hpp"
#include "ui/KeyTable.hpp"
#include "ui/KeysCard.hpp"
#include "ui/LibraryView.hpp"
#include "ui/QuickSettingsView.hpp"
#include "ui/ReaderBindings.hpp"
#include "ui/ReaderFonts.hpp"
#include "ui/SentenceStrip.hpp"
#include "ui/SymbolButton.hpp"
#include "ui/SymbolLabel.hpp"
#include "ui/TextStyle.hpp"

#include <QApplication>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>
#include <functional>
#include <utility>

namespace velora {

namespace {

constexpr double focusPoints = 52.0;
constexpr double focusFullScreenFactor = 1.7;
constexpr double flowPoints = 24.0;
constexpr double flowFullScreenFactor = 1.5;
constexpr std::chrono::milliseconds overlayFade{150};
constexpr std::chrono::milliseconds chromeReveal{150};
constexpr std::chrono::milliseconds chromeHide{300};
constexpr std::int64_t speedKeyStep = 25;

// The dashed frame that invites a drop.
class DropOverlay final : public QWidget {
public:
    explicit DropOverlay(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        auto* row = new QHBoxLayout(this);
        row->addStretch();
        row->addWidget(new SymbolLabel("arrow.down.doc", QPalette::WindowText, 28, this));
        row->addWidget(
            styledLabel(ReaderView::tr("Drop to read"), TextStyle::title2, Tone::primary, this));
        row->addStretch();
    }

    void setAccent(const QColor& accent) {
        accent_ = accent;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath frame;
        frame.addRoundedRect(QRectF(rect()).adjusted(12, 12, -12, -12), 16, 16);
        QColor fill = accent_;
        fill.setAlphaF(0.08);
        painter.fillPath(frame, fill);
        QPen pen(accent_, 2);
        // Dashes of 8 points; Qt counts them in pen widths.
        pen.setDashPattern({4, 4});
        painter.setPen(pen);
        painter.drawPath(frame);
    }

private:
    QColor accent_;
};

SymbolButton* headerButton(const char* symbol, const QString& help, QWidget* parent) {
    return new SymbolButton(symbol, QPalette::ButtonText, help, 20, parent);
}

QPalette readerPalette(const ThemePalette& theme, QPalette base) {
    const bool dark = theme.colorScheme == ColorScheme::dark;
    const QColor window = theme.windowColour();
    const QColor raised = dark ? window.lighter(150) : window.darker(106);
    base.setColor(QPalette::Window, window);
    base.setColor(QPalette::Base, raised);
    base.setColor(QPalette::AlternateBase, raised);
    base.setColor(QPalette::Button, raised);
    for (QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText}) {
        base.setColor(role, theme.text);
    }
    base.setColor(QPalette::PlaceholderText, theme.dim);
    base.setColor(QPalette::Highlight, theme.accent);
    base.setColor(QPalette::HighlightedText, theme.onAccent());
    base.setColor(QPalette::ToolTipBase, window);
    base.setColor(QPalette::ToolTipText, theme.text);
    return base;
}

std::optional<QString> firstLocalFile(const QMimeData* data) {
    if (data == nullptr) {
        return std::nullopt;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return std::nullopt;
}

} // namespace

ReaderView::ReaderView(ReaderViewModel& vm, SpeechService& speech, LibraryStore& library,
                       Scheduler& scheduler, bool closable, QWidget* parent)
    : QWidget(parent), vm_(vm), speech_(speech), libraryStore_(library), scheduler_(scheduler),
      palette_(velora::palette(vm.settings().theme, QApplication::palette())),
      area_(new QStackedWidget(this)), empty_(new QWidget(area_)),
      focus_(new FocusReaderView(area_)), flow_(new FlowReadingView(area_)),
      status_(new ElidedLabel({}, this)), barDivider_(new Divider(0.25, this)),
      barHolder_(new QWidget(this)), controlBar_(new ControlBar(barHolder_)) {
    setMinimumSize(640, 440);
    setAcceptDrops(true);
    setAttribute(Qt::WA_Hover);
    // A mirrored panel must not turn the words being read around.
    focus_->setLayoutDirection(Qt::LeftToRight);
    flow_->setLayoutDirection(Qt::LeftToRight);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    buildHeader();
    if (closable) {
        close_ = headerButton("xmark.circle.fill", tr("Close"), header_);
        header_->layout()->addWidget(close_);
        connect(close_, &QToolButton::clicked, this, [this] {
            if (isFullScreen_) {
                toggleFullScreen();
            }
            emit closeRequested();
        });
    }
    column->addWidget(header_);
    column->addWidget(headerDivider_);

    auto* emptyColumn = new QVBoxLayout(empty_);
    emptyColumn->setSpacing(12);
    emptyColumn->addStretch();
    emptyColumn->addWidget(
        new SymbolLabel("text.viewfinder", QPalette::PlaceholderText, 44, empty_), 0,
        Qt::AlignHCenter);
    emptyColumn->addWidget(styledLabel(tr("Drop a file or capture a selection"), TextStyle::title3,
                                       Tone::primary, empty_),
                           0, Qt::AlignHCenter);
    emptyHint_ = styledLabel({}, TextStyle::caption, Tone::secondary, empty_);
    setShortcutDisplay(HotKeyConfig().display());
    emptyColumn->addWidget(emptyHint_, 0, Qt::AlignHCenter);
    emptyColumn->addStretch();
    area_->addWidget(empty_);
    area_->addWidget(focus_);
    area_->addWidget(flow_);
    column->addWidget(area_, 1);

    applyTextStyle(*status_, TextStyle::caption);
    status_->setForegroundRole(QPalette::PlaceholderText);
    status_->setAlignment(Qt::AlignCenter);
    status_->setContentsMargins(22, 4, 22, 4);
    column->addWidget(status_);
    // Text recognition of a long scan takes minutes; the reader may change its mind.
    cancelLoading_ = new QPushButton(tr("Cancel"), this);
    cancelLoading_->setVisible(vm_.isRecognising());
    connect(cancelLoading_, &QPushButton::clicked, &vm_, &ReaderViewModel::cancelLoading);
    connect(&vm_, &ReaderViewModel::recognisingChanged, cancelLoading_,
            [this] { cancelLoading_->setVisible(vm_.isRecognising()); });
    column->addWidget(cancelLoading_, 0, Qt::AlignHCenter);
    column->addWidget(barDivider_);
    auto* barLayout = new QVBoxLayout(barHolder_);
    barLayout->setContentsMargins(22, 16, 22, 16);
    barLayout->addWidget(controlBar_);
    column->addWidget(barHolder_);

    buildKeys();
    buildOverlays();
    bind(*controlBar_, vm_);
    bind(*quickSettings_, vm_);
    // Keys act on the reader until a control is chosen with Tab.
    setFocusPolicy(Qt::ClickFocus);
    new FocusRing(*this);

    connect(&vm_, &ReaderViewModel::engineChanged, this, [this] {
        showEngine();
        showStatus();
        announceAtRest();
    });
    connect(&vm_, &ReaderViewModel::isPlayingChanged, this, &ReaderView::announceAtRest);
    connect(&vm_, &ReaderViewModel::modeChanged, this, &ReaderView::showEngine);
    connect(&vm_, &ReaderViewModel::isPlayingChanged, this, &ReaderView::showEngine);
    connect(&focus_->context(), &SentenceStrip::wordChosen, &vm_, &ReaderViewModel::goTo);
    connect(&vm_, &ReaderViewModel::settingsChanged, this, &ReaderView::applyTheme);
    connect(&vm_, &ReaderViewModel::statusMessageChanged, this, &ReaderView::showStatus);

    applyTheme();
    showFullScreen();
    showEngine();
    // The view may be built after a message was posted.
    showStatus();
}

ReaderView::~ReaderView() = default;

void ReaderView::buildHeader() {
    header_ = new QWidget(this);
    auto* row = new QHBoxLayout(header_);
    row->setContentsMargins(22, 12, 22, 12);
    row->setSpacing(14);
    auto* title = new QHBoxLayout;
    title->setSpacing(6);
    title->addWidget(SymbolLabel::mark(18, header_));
    title->addWidget(
        styledLabel(QStringLiteral("VeloraMac"), TextStyle::headline, Tone::primary, header_));
    row->addLayout(title);
    row->addStretch();
    clipboard_ = headerButton("doc.on.clipboard", tr("Read from clipboard"), header_);
    import_ = headerButton("tray.and.arrow.down", tr("Import a PDF, Word, ePub, or Markdown file"),
                           header_);
    libraryButton_ = headerButton("books.vertical", tr("Library & reading stats"), header_);
    fullScreen_ = headerButton("arrow.up.left.and.arrow.down.right", {}, header_);
    settingsButton_ = headerButton("slider.horizontal.3", tr("Settings"), header_);
    for (QToolButton* button :
         {clipboard_, import_, libraryButton_, fullScreen_, settingsButton_}) {
        row->addWidget(button);
    }
    connect(clipboard_, &QToolButton::clicked, &vm_, [this] { vm_.loadFromClipboard(); });
    connect(import_, &QToolButton::clicked, this, &ReaderView::importFile);
    connect(libraryButton_, &QToolButton::clicked, this,
            [this] { setLibraryShown(!showLibrary_); });
    connect(fullScreen_, &QToolButton::clicked, this, &ReaderView::toggleFullScreen);
    connect(settingsButton_, &QToolButton::clicked, this,
            [this] { setSettingsShown(!showSettings_); });
    headerDivider_ = new Divider(0.25, this);
}

void ReaderView::buildOverlays() {
    dropOverlay_ = new DropOverlay(this);
    dropOverlay_->hide();

    quickSettings_ = new QuickSettingsView(speech_);
    settingsOverlay_ = new Backdrop(
        quickSettings_, [this] { setSettingsShown(false); }, this);
    settingsOverlay_->hide();
    connect(quickSettings_, &QuickSettingsView::closeRequested, this,
            [this] { setSettingsShown(false); });
    connect(quickSettings_, &QuickSettingsView::allSettingsRequested, this, [this] {
        setSettingsShown(false);
        emit settingsWindowRequested();
    });

    keysCard_ = new KeysCard(*keys_);
    keysOverlay_ = new Backdrop(
        keysCard_, [this] { setKeysShown(false); }, this);
    keysOverlay_->hide();
    connect(keysCard_, &KeysCard::closeRequested, this, [this] { setKeysShown(false); });

    library_ = new LibraryView(libraryStore_);
    libraryOverlay_ = new Backdrop(
        library_, [this] { setLibraryShown(false); }, this);
    libraryOverlay_->hide();
    connect(library_, &LibraryView::closeRequested, this, [this] { setLibraryShown(false); });
    connect(library_, &LibraryView::openRequested, this, [this](const ReadingHistoryEntry& entry) {
        setLibraryShown(false);
        vm_.open(entry);
    });
}

void ReaderView::buildKeys() {
    keys_ = new KeyTable(*this);
    const auto step = [this](std::int64_t words) { return [this, words] { vm_.step(words); }; };
    keys_->add({{Qt::Key_Space}, tr("Play or pause"), [this] { togglePlayback(vm_); }});
    keys_->add({{Qt::Key_Left}, tr("One word back"), step(-1)});
    keys_->add({{Qt::Key_Right}, tr("One word forward"), step(1)});
    keys_->add({{Qt::SHIFT | Qt::Key_Left}, tr("Back 10 words"), [this] { vm_.stepBackward(); }});
    keys_->add(
        {{Qt::SHIFT | Qt::Key_Right}, tr("Forward 10 words"), [this] { vm_.stepForward(); }});
    keys_->add({{Qt::Key_Home}, tr("Start of the text"), [this] { vm_.restart(); }});
    keys_->add({{Qt::Key_End}, tr("Last word of the text"), [this] {
                    vm_.step(vm_.engine().count() - 1 - vm_.engine().index());
                }});
    keys_->add({{Qt::CTRL | Qt::Key_Left}, tr("Start of the sentence, or the one before"), [this] {
                    vm_.previousSentence();
                }});
    keys_->add({{Qt::CTRL | Qt::Key_Right}, tr("Next sentence"), [this] { vm_.nextSentence(); }});
    keys_->add({{Qt::CTRL | Qt::Key_Up}, tr("Start of the paragraph, or the one before"), [this] {
                    vm_.previousParagraph();
                }});
    keys_->add({{Qt::CTRL | Qt::Key_Down}, tr("Next paragraph"), [this] { vm_.nextParagraph(); }});
    keys_->add({{Qt::Key_Up}, tr("Faster, by 25 WPM"), [this] { changeSpeed(speedKeyStep); }});
    keys_->add({{Qt::Key_Down}, tr("Slower, by 25 WPM"), [this] { changeSpeed(-speedKeyStep); }});
    keys_->add({{Qt::CTRL | Qt::Key_O}, tr("Import a file"), [this] { importFile(); }});
    keys_->add({{Qt::CTRL | Qt::Key_L}, tr("Library & reading stats"), [this] {
                    setLibraryShown(!showLibrary_);
                }});
    keys_->add(
        {{Qt::CTRL | Qt::Key_V}, tr("Read from clipboard"), [this] { vm_.loadFromClipboard(); }});
    keys_->add({{Qt::CTRL | Qt::Key_Comma}, tr("Settings window"), [this] {
                    emit settingsWindowRequested();
                }});
    keys_->add({{Qt::CTRL | Qt::Key_Q}, tr("Quit VeloraMac"), [this] { emit quitRequested(); }});
    keys_->add(
        {{Qt::Key_F11, Qt::CTRL | Qt::Key_F}, tr("Full screen"), [this] { toggleFullScreen(); }});
    keys_->add({{Qt::Key_F1}, tr("This list of keys"), [this] { setKeysShown(!showKeys_); }});
    keys_->add({{Qt::Key_Escape}, tr("Close a card, leave full screen, hide the panel"), [this] {
                    handleEscape();
                }});
}

std::vector<QWidget*> ReaderView::tabStops() const {
    if (Backdrop* overlay = openOverlay()) {
        // Tab stays inside the open card; what lies under the backdrop cannot be reached.
        if (overlay == settingsOverlay_) {
            return quickSettings_->tabChain();
        }
        if (overlay == libraryOverlay_) {
            return library_->tabChain();
        }
        return {&keysCard_->closeButton()};
    }
    std::vector<QWidget*> stops{clipboard_, import_, libraryButton_, fullScreen_, settingsButton_};
    if (close_ != nullptr) {
        stops.push_back(close_);
    }
    for (QWidget* each : controlBar_->tabChain()) {
        stops.push_back(each);
    }
    return stops;
}

void ReaderView::announceAtRest() {
    if (announcePending_ || vm_.isPlaying()) {
        return;
    }
    // A step pauses, moves and plays on in one go; only what is still at rest afterwards is
    // worth saying.
    announcePending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            announcePending_ = false;
            if (!vm_.isPlaying() && area_->currentWidget() == focus_) {
                focus_->announce();
            }
        },
        Qt::QueuedConnection);
}

void ReaderView::changeSpeed(std::int64_t by) {
    ReadingSettings settings = vm_.settings();
    settings.wpm =
        std::clamp(settings.clampedWPM() + by, ReadingSettings::minWPM, ReadingSettings::maxWPM);
    vm_.setSettings(settings);
}

double ReaderView::focusFontSize() const {
    return vm_.settings().clampedFontScale() * focusPoints *
           (isFullScreen_ ? focusFullScreenFactor : 1.0);
}

double ReaderView::flowFontSize() const {
    return vm_.settings().clampedFontScale() * flowPoints *
           (isFullScreen_ ? flowFullScreenFactor : 1.0);
}

void ReaderView::addQuestion(QWidget* line) {
    auto* column = static_cast<QVBoxLayout*>(layout());
    column->insertWidget(column->indexOf(status_), line);
}

void ReaderView::handleEscape() {
    if (showSettings_ || showLibrary_ || showKeys_) {
        setSettingsShown(false);
        setLibraryShown(false);
        setKeysShown(false);
    } else if (isFullScreen_) {
        toggleFullScreen();
    } else if (close_ != nullptr) {
        emit closeRequested();
    }
}

void ReaderView::revealChrome() {
    chromeHideTask_.cancel();
    if (!isFullScreen_) {
        chromeVisible_ = true;
        updateChrome({});
        return;
    }
    if (!chromeVisible_) {
        chromeVisible_ = true;
        updateChrome(chromeReveal, QEasingCurve::OutQuad);
    }
    chromeHideTask_.start(chromeHideDelay, [self = QPointer(this)] {
        if (!self) {
            return;
        }
        if (self->isFullScreen_) {
            self->chromeVisible_ = false;
            self->updateChrome(chromeHide);
        }
    });
}

QFileDialog* ReaderView::makeImportDialog() {
    auto* dialog = new QFileDialog(this, tr("Import"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters(ImportService::nameFilters());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The panel is a tool window: without this the desktop gives focus to another program.
    connect(dialog, &QDialog::finished, this, [this] {
        window()->activateWindow();
        setFocus(Qt::OtherFocusReason);
    });
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& file) {
        if (!file.isEmpty()) {
            load(std::filesystem::path(file.toStdString()));
        }
    });
    return dialog;
}

void ReaderView::importFile() {
    makeImportDialog()->open();
}

void ReaderView::load(const std::filesystem::path& file) {
    vm_.loadFile(file, ReaderViewModel::couldNotRead());
}

void ReaderView::setShortcutDisplay(const QString& display) {
    emptyHint_->setText(display.isEmpty()
                            ? tr("PDF · ePub · Markdown")
                            : tr("PDF · ePub · Markdown · or %1 anywhere").arg(display));
}

void ReaderView::setSettingsShown(bool shown) {
    showOverlay(*settingsOverlay_, showSettings_, shown);
}

void ReaderView::setLibraryShown(bool shown) {
    showOverlay(*libraryOverlay_, showLibrary_, shown);
}

void ReaderView::setKeysShown(bool shown) {
    showOverlay(*keysOverlay_, showKeys_, shown);
}

void ReaderView::showOverlay(Backdrop& overlay, bool& flag, bool shown) {
    if (flag == shown) {
        return;
    }
    flag = shown;
    // Focus leaves a closing card before the card hides, which would hand it on by itself.
    if (const QWidget* focus = QApplication::focusWidget();
        !shown && (focus == nullptr || overlay.isAncestorOf(focus))) {
        if (Backdrop* below = openOverlay()) {
            focusFirstControl(*below);
        } else {
            setFocus(Qt::OtherFocusReason);
        }
    }
    // Focus moves into an opening card once it is there to take it.
    overlay.animateCard(shown, overlayFade, [this, &overlay, &flag] {
        if (flag && openOverlay() == &overlay) {
            focusFirstControl(overlay);
        }
    });
    fade(overlay, shown, overlayFade);
    if (shown) {
        overlay.raise();
    }
}

void ReaderView::focusFirstControl(Backdrop& overlay) {
    overlay.card().setFocus(Qt::OtherFocusReason);
    focusNextPrevChild(true);
}

Backdrop* ReaderView::openOverlay() const {
    const QObjectList& stack = children();
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        for (auto [overlay, shown] :
             {std::pair{settingsOverlay_, showSettings_}, std::pair{libraryOverlay_, showLibrary_},
              std::pair{keysOverlay_, showKeys_}}) {
            if (*it == overlay && shown) {
                return overlay;
            }
        }
    }
    return nullptr;
}

// The order is the panel's reading order, kept here rather than in the order the widgets were
// made, which also lets the library's rows, made anew on every change, fall into place.
bool ReaderView::focusNextPrevChild(bool next) {
    std::vector<QWidget*> stops = tabStops();
    std::erase_if(stops, [](QWidget* stop) { return !stop->isVisible() || !stop->isEnabled(); });
    if (stops.empty()) {
        return true;
    }
    const QWidget* focus = QApplication::focusWidget();
    const auto at = std::ranges::find_if(stops, [focus](QWidget* stop) {
        return focus != nullptr && (stop == focus || stop->isAncestorOf(focus));
    });
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    std::ptrdiff_t index = next ? 0 : count - 1;
    if (at != stops.end()) {
        index = ((at - stops.begin()) + (next ? 1 : -1) + count) % count;
    }
    stops[static_cast<std::size_t>(index)]->setFocus(next ? Qt::TabFocusReason
                                                          : Qt::BacktabFocusReason);
    return true;
}

void ReaderView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (window()->focusWidget() == nullptr) {
        setFocus(Qt::OtherFocusReason);
    }
}

bool ReaderView::event(QEvent* event) {
    if (event->type() == QEvent::HoverMove || event->type() == QEvent::HoverEnter) {
        revealChrome();
    }
    return QWidget::event(event);
}

void ReaderView::paintEvent(QPaintEvent*) {
    if (palette_.background) {
        QPainter(this).fillRect(rect(), *palette_.background);
    }
}

void ReaderView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOutOverlays();
}

void ReaderView::dragEnterEvent(QDragEnterEvent* event) {
    if (firstLocalFile(event->mimeData())) {
        event->acceptProposedAction();
        setDropTargeted(true);
    } else {
        event->ignore();
    }
}

void ReaderView::dragMoveEvent(QDragMoveEvent* event) {
    if (firstLocalFile(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void ReaderView::dragLeaveEvent(QDragLeaveEvent*) {
    setDropTargeted(false);
}

void ReaderView::dropEvent(QDropEvent* event) {
    setDropTargeted(false);
    const std::optional<QString> file = firstLocalFile(event->mimeData());
    if (!file) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    load(std::filesystem::path(file->toStdString()));
}

void ReaderView::toggleFullScreen() {
    emit fullScreenToggleRequested();
}

void ReaderView::setFullScreen(bool fullScreen) {
    if (fullScreen == isFullScreen_) {
        return;
    }
    isFullScreen_ = fullScreen;
    showFullScreen();
}

void ReaderView::setDropTargeted(bool targeted) {
    dropTargeted_ = targeted;
    dropOverlay_->setVisible(targeted);
    if (targeted) {
        dropOverlay_->raise();
    }
}

void ReaderView::applyTheme() {
    const ReadingSettings& settings = vm_.settings();
    palette_ = velora::palette(settings.theme, QApplication::palette());
    setPalette(readerPalette(palette_, QApplication::palette()));
    if (ReaderFonts::setReadingFamily(QString::fromStdString(settings.readingFont))) {
        flow_->refreshFonts();
    }
    focus_->setThemePalette(palette_);
    focus_->setSettings(settings);
    focus_->setFontSize(focusFontSize());
    flow_->setThemePalette(palette_);
    flow_->setFontSize(flowFontSize());
    controlBar_->setThemePalette(palette_);
    static_cast<DropOverlay*>(dropOverlay_)->setAccent(palette_.accent);
    update();
}

void ReaderView::showEngine() {
    const ReaderEngine& engine = vm_.engine();
    if (engine.isEmpty()) {
        area_->setCurrentWidget(empty_);
        return;
    }
    if (vm_.mode() == ReadingMode::focus) {
        if (vm_.showsBlankBeat()) {
            focus_->setBlank(true);
        } else {
            focus_->setChunk(vm_.shownChunk());
        }
        focus_->showContext(vm_.isPlaying() ? std::span<const Word>() : engine.sentence(),
                            engine.index());
        area_->setCurrentWidget(focus_);
        return;
    }
    // The page is laid out again only for a new text, not for every step through it.
    const std::vector<Word>& words = engine.words();
    if (shownLoad_ != vm_.loadCount()) {
        flow_->setWords(words);
        shownLoad_ = vm_.loadCount();
    }
    const auto [first, last] = vm_.currentRange();
    flow_->setMode(vm_.mode());
    flow_->setActiveRange(static_cast<std::size_t>(first),
                          static_cast<std::size_t>(vm_.showsBlankBeat() ? first : last));
    area_->setCurrentWidget(flow_);
}

void ReaderView::showFullScreen() {
    const bool full = isFullScreen_;
    fullScreen_->setHelp(full ? tr("Exit full screen (Ctrl+F)") : tr("Full screen (Ctrl+F)"));
    fullScreen_->setSymbol(full ? "arrow.down.right.and.arrow.up.left"
                                : "arrow.up.left.and.arrow.down.right");
    focus_->setFontSize(focusFontSize());
    flow_->setFontSize(flowFontSize());
    if (full) {
        revealChrome();
    } else {
        chromeHideTask_.cancel();
        chromeVisible_ = true;
        updateChrome({});
    }
}

void ReaderView::showStatus() {
    const std::optional<QString>& message = vm_.statusMessage();
    status_->setText(message.value_or(QString()));
    updateChrome({});
}

void ReaderView::updateChrome(std::chrono::milliseconds duration, QEasingCurve::Type curve) {
    const bool shown = !isFullScreen_ || chromeVisible_;
    for (QWidget* part : {header_, headerDivider_, barDivider_, barHolder_}) {
        fade(*part, shown, duration, curve);
    }
    fade(*status_, shown && vm_.statusMessage(), duration, curve);
}

void ReaderView::layOutOverlays() {
    for (QWidget* overlay : std::initializer_list<QWidget*>{dropOverlay_, settingsOverlay_,
                                                            libraryOverlay_, keysOverlay_}) {
        overlay->setGeometry(rect());
    }
}

} // namespace velora
