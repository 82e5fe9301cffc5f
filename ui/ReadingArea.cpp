#include "ui/ReadingArea.hpp"

#include "app/ReaderViewModel.hpp"
#include "ui/FlowReadingView.hpp"
#include "ui/FocusReaderView.hpp"
#include "ui/ReaderFonts.hpp"
#include "ui/ReaderView.hpp"
#include "ui/SymbolLabel.hpp"
#include "ui/TextStyle.hpp"
#include "ui/ThemePalette.hpp"

#include <QLabel>
#include <QVBoxLayout>

namespace velora {

namespace {

constexpr double focusPoints = 52.0;
constexpr double focusFullScreenFactor = 1.7;
constexpr double flowPoints = 24.0;
constexpr double flowFullScreenFactor = 1.5;

} // namespace

ReadingArea::ReadingArea(const ReaderViewModel& vm, QWidget* parent)
    : QStackedWidget(parent), vm_(vm), invitation_(new QWidget(this)),
      focus_(new FocusReaderView(this)), flow_(new FlowReadingView(this)) {
    // A mirrored panel must not turn the words being read around.
    focus_->setLayoutDirection(Qt::LeftToRight);
    flow_->setLayoutDirection(Qt::LeftToRight);
    buildInvitation(invitation_);
    addWidget(invitation_);
    addWidget(focus_);
    addWidget(flow_);
}

void ReadingArea::buildInvitation(QWidget* page) {
    auto* column = new QVBoxLayout(page);
    column->setSpacing(12);
    column->addStretch();
    column->addWidget(new SymbolLabel("text.viewfinder", QPalette::PlaceholderText, 44, page), 0,
                      Qt::AlignHCenter);
    column->addWidget(styledLabel(ReaderView::tr("Drop a file or capture a selection"),
                                  TextStyle::title3, Tone::primary, page),
                      0, Qt::AlignHCenter);
    hint_ = styledLabel({}, TextStyle::caption, Tone::secondary, page);
    column->addWidget(hint_, 0, Qt::AlignHCenter);
    column->addStretch();
}

void ReadingArea::setShortcutDisplay(const QString& display) {
    hint_->setText(display.isEmpty()
                       ? ReaderView::tr("PDF · ePub · Markdown")
                       : ReaderView::tr("PDF · ePub · Markdown · or %1 anywhere").arg(display));
}

void ReadingArea::showEngine() {
    const ReaderEngine& engine = vm_.engine();
    if (engine.isEmpty()) {
        setCurrentWidget(invitation_);
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
        setCurrentWidget(focus_);
        return;
    }
    // The page is laid out again only for a new text, not for every step through it.
    if (shownLoad_ != vm_.loadCount()) {
        flow_->setWords(engine.words());
        shownLoad_ = vm_.loadCount();
    }
    const auto [first, last] = vm_.currentRange();
    flow_->setMode(vm_.mode());
    flow_->setActiveRange(static_cast<std::size_t>(first),
                          static_cast<std::size_t>(vm_.showsBlankBeat() ? first : last));
    setCurrentWidget(flow_);
}

void ReadingArea::announceAtRest() {
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
            if (!vm_.isPlaying() && currentWidget() == focus_) {
                focus_->announce();
            }
        },
        Qt::QueuedConnection);
}

void ReadingArea::applySettings(const ThemePalette& palette) {
    const ReadingSettings& settings = vm_.settings();
    if (ReaderFonts::setReadingFamily(QString::fromStdString(settings.readingFont))) {
        flow_->refreshFonts();
    }
    focus_->setThemePalette(palette);
    focus_->setSettings(settings);
    focus_->setFontSize(focusFontSize());
    flow_->setThemePalette(palette);
    flow_->setFontSize(flowFontSize());
}

void ReadingArea::setFullScreen(bool fullScreen) {
    fullScreen_ = fullScreen;
    focus_->setFontSize(focusFontSize());
    flow_->setFontSize(flowFontSize());
}

double ReadingArea::focusFontSize() const {
    return vm_.settings().clampedFontScale() * focusPoints *
           (fullScreen_ ? focusFullScreenFactor : 1.0);
}

double ReadingArea::flowFontSize() const {
    return vm_.settings().clampedFontScale() * flowPoints *
           (fullScreen_ ? flowFullScreenFactor : 1.0);
}

} // namespace velora
