#include "ui/ReaderView.hpp"

#include "app/HotKeyConfig.hpp"
#include "app/ImportService.hpp"
#include "app/ReaderViewModel.hpp"
#include "ui/ControlBar.hpp"
#include "ui/Divider.hpp"
#include "ui/ElidedLabel.hpp"
#include "ui/FileDropTarget.hpp"
#include "ui/FocusReaderView.hpp"
#include "ui/FocusRing.hpp"
#include "ui/KeyTable.hpp"
#include "ui/KeysCard.hpp"
#include "ui/LibraryView.hpp"
#include "ui/QuickSettingsView.hpp"
#include "ui/ReaderBindings.hpp"
#include "ui/ReaderCards.hpp"
#include "ui/ReaderChrome.hpp"
#include "ui/ReaderHeader.hpp"
#include "ui/ReaderKeys.hpp"
#include "ui/ReadingArea.hpp"
#include "ui/SentenceStrip.hpp"
#include "ui/TextStyle.hpp"

#include <QApplication>
#include <QFileDialog>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

namespace velora {

ReaderView::ReaderView(ReaderViewModel& vm, LibraryViewModel& library, Scheduler& scheduler,
                       bool closable, QWidget* parent)
    : QWidget(parent), vm_(vm),
      palette_(velora::palette(vm.settings().theme, QApplication::palette())),
      header_(new ReaderHeader(closable, this)), headerDivider_(new Divider(0.25, this)),
      area_(new ReadingArea(vm, this)), status_(new ElidedLabel({}, this)),
      cancelLoading_(new QPushButton(tr("Cancel"), this)), barDivider_(new Divider(0.25, this)),
      barHolder_(new QWidget(this)), controlBar_(new ControlBar(barHolder_)),
      drop_(new FileDropTarget(*this, tr("Drop to read"))),
      chrome_(new ReaderChrome(*this, scheduler, {header_, headerDivider_, barDivider_, barHolder_},
                               *status_)),
      keys_(new KeyTable(*this)) {
    setMinimumSize(640, 440);
    buildLayout();
    area_->setShortcutDisplay(HotKeyConfig().display());
    addReaderKeys(*keys_, *this, vm_);
    buildCards(library);
    // Keys act on the reader until a control is chosen with Tab.
    setFocusPolicy(Qt::ClickFocus);
    new FocusRing(*this);
    connectHeader();
    connectViewModel();
    applyTheme();
    area_->showEngine();
    // The view may be built after a message was posted.
    showStatus();
}

ReaderView::~ReaderView() = default;

void ReaderView::buildLayout() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(header_);
    column->addWidget(headerDivider_);
    column->addWidget(area_, 1);
    applyTextStyle(*status_, TextStyle::caption);
    status_->setForegroundRole(QPalette::PlaceholderText);
    status_->setAlignment(Qt::AlignCenter);
    status_->setContentsMargins(22, 4, 22, 4);
    column->addWidget(status_);
    // Text recognition of a long scan takes minutes; the reader may change its mind.
    cancelLoading_->setVisible(vm_.isRecognising());
    column->addWidget(cancelLoading_, 0, Qt::AlignHCenter);
    column->addWidget(barDivider_);
    auto* barLayout = new QVBoxLayout(barHolder_);
    barLayout->setContentsMargins(22, 16, 22, 16);
    barLayout->addWidget(controlBar_);
    column->addWidget(barHolder_);
}

void ReaderView::buildCards(LibraryViewModel& library) {
    auto* settings = new QuickSettingsView(vm_.speech());
    auto* libraryCard = new LibraryView(library);
    cards_ = new ReaderCards(*this, settings, libraryCard, new KeysCard(*keys_));
    connect(settings, &QuickSettingsView::allSettingsRequested, this, [this] {
        cards_->close();
        emit settingsWindowRequested();
    });
    connect(libraryCard, &LibraryView::openRequested, this,
            [this](const ReadingHistoryEntry& entry) {
                cards_->close();
                vm_.open(entry);
            });
}

void ReaderView::connectHeader() {
    connect(header_, &ReaderHeader::clipboardRequested, &vm_, [this] { vm_.loadFromClipboard(); });
    connect(header_, &ReaderHeader::importRequested, this, &ReaderView::importFile);
    connect(header_, &ReaderHeader::libraryRequested, this,
            [this] { cards_->toggle(ReaderCard::library); });
    connect(header_, &ReaderHeader::fullScreenRequested, this,
            &ReaderView::fullScreenToggleRequested);
    connect(header_, &ReaderHeader::settingsRequested, this,
            [this] { cards_->toggle(ReaderCard::settings); });
    connect(header_, &ReaderHeader::closeRequested, this, [this] {
        if (isFullScreen()) {
            emit fullScreenToggleRequested();
        }
        emit closeRequested();
    });
    connect(drop_, &FileDropTarget::fileDropped, this,
            [this](const QString& file) { load(file.toStdString()); });
}

void ReaderView::connectViewModel() {
    bind(*controlBar_, vm_);
    bind(cards_->settings(), vm_);
    connect(cancelLoading_, &QPushButton::clicked, &vm_, &ReaderViewModel::cancelLoading);
    connect(&vm_, &ReaderViewModel::recognisingChanged, cancelLoading_,
            [this] { cancelLoading_->setVisible(vm_.isRecognising()); });
    connect(&vm_, &ReaderViewModel::engineChanged, this, [this] {
        area_->showEngine();
        showStatus();
        area_->announceAtRest();
    });
    connect(&vm_, &ReaderViewModel::isPlayingChanged, area_, &ReadingArea::announceAtRest);
    connect(&vm_, &ReaderViewModel::modeChanged, area_, &ReadingArea::showEngine);
    connect(&vm_, &ReaderViewModel::isPlayingChanged, area_, &ReadingArea::showEngine);
    connect(&area_->focus().context(), &SentenceStrip::wordChosen, &vm_, &ReaderViewModel::goTo);
    connect(&vm_, &ReaderViewModel::settingsChanged, this, &ReaderView::applyTheme);
    connect(&vm_, &ReaderViewModel::statusMessageChanged, this, &ReaderView::showStatus);
}

bool ReaderView::isDropTargeted() const {
    return drop_->isTargeted();
}

bool ReaderView::isFullScreen() const {
    return chrome_->isFullScreen();
}

void ReaderView::setFullScreen(bool fullScreen) {
    if (fullScreen == isFullScreen()) {
        return;
    }
    header_->showFullScreen(fullScreen);
    area_->setFullScreen(fullScreen);
    chrome_->setFullScreen(fullScreen);
}

QWidget& ReaderView::header() const {
    return *header_;
}

QStackedWidget& ReaderView::readingArea() const {
    return *area_;
}

QToolButton* ReaderView::closeButton() const {
    return header_->closeButton();
}

QToolButton& ReaderView::fullScreenButton() const {
    return header_->fullScreenButton();
}

std::vector<QWidget*> ReaderView::tabStops() const {
    if (cards_->open()) {
        // Tab stays inside the open card; what lies under the backdrop cannot be reached.
        return cards_->tabChain();
    }
    std::vector<QWidget*> stops = header_->tabChain();
    std::ranges::copy(controlBar_->tabChain(), std::back_inserter(stops));
    return stops;
}

void ReaderView::addQuestion(QWidget* line) {
    auto* column = static_cast<QVBoxLayout*>(layout());
    column->insertWidget(column->indexOf(status_), line);
}

void ReaderView::handleEscape() {
    if (cards_->close()) {
        return;
    }
    if (isFullScreen()) {
        emit fullScreenToggleRequested();
    } else if (closeButton() != nullptr) {
        emit closeRequested();
    }
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
    area_->setShortcutDisplay(display);
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

void ReaderView::paintEvent(QPaintEvent*) {
    if (palette_.background) {
        QPainter(this).fillRect(rect(), *palette_.background);
    }
}

void ReaderView::applyTheme() {
    palette_ = velora::palette(vm_.settings().theme, QApplication::palette());
    setPalette(widgetPalette(palette_, QApplication::palette()));
    area_->applySettings(palette_);
    controlBar_->setThemePalette(palette_);
    drop_->setAccent(palette_.accent);
    update();
}

void ReaderView::showStatus() {
    const std::optional<QString>& message = vm_.statusMessage();
    status_->setText(message.value_or(QString()));
    chrome_->setStatusShown(message.has_value());
}

} // namespace velora
