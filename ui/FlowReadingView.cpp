#include "ui/FlowReadingView.hpp"

#include "ui/Motion.hpp"

#include <QFutureWatcher>
#include <QPaintEvent>
#include <QPainter>
#include <QPromise>
#include <QScrollBar>
#include <QThreadPool>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace velora {

QColor FlowReadingView::inactiveColour(ReadingMode mode, const ThemePalette& palette) {
    if (mode != ReadingMode::spotlight) {
        return palette.dim;
    }
    QColor faded = palette.text;
    faded.setAlphaF(static_cast<float>(spotlightOpacity));
    return faded;
}

FlowReadingView::FlowReadingView(QWidget* parent)
    : QAbstractScrollArea(parent), words_(std::make_shared<const std::vector<Word>>()),
      wholePage_(new QFutureWatcher<FlowPage>(this)),
      palette_(velora::palette(ReadingTheme::system, QWidget::palette())),
      scroll_(new QVariantAnimation(this)), ruler_(new QVariantAnimation(this)) {
    setFrameShape(QFrame::NoFrame);
    // The page follows the reading; the arrow keys step through the words instead.
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Always shown, so the page width never flips with the length of the text.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setAutoFillBackground(false);
    styleScrollBar();

    scroll_->setDuration(Motion::milliseconds(scrollSeconds));
    scroll_->setEasingCurve(Motion::easeInOut());
    connect(scroll_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        verticalScrollBar()->setValue(static_cast<int>(std::lround(value.toReal())));
    });
    ruler_->setDuration(Motion::milliseconds(rulerSeconds));
    ruler_->setEasingCurve(Motion::easeInOut());
    connect(ruler_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        rulerCentre_ = value.toReal();
        viewport()->update();
    });
    connect(wholePage_, &QFutureWatcher<FlowPage>::finished, this, [this] {
        QFuture<FlowPage> future = wholePage_->future();
        if (future.isCanceled() || future.resultCount() == 0) {
            return;
        }
        install(future.takeResult());
        emit laidOut();
    });
    measure();
}

FlowReadingView::~FlowReadingView() {
    wholePage_->future().cancel();
}

void FlowReadingView::setWords(std::shared_ptr<const std::vector<Word>> words) {
    // The last holder of a book's word list may be this view; giving it back takes longer than
    // a frame.
    QThreadPool::globalInstance()->start(
        [former = std::exchange(words_, std::move(words))]() mutable { former.reset(); });
    wordCount_ = words_->size();
    activeFirst_ = std::min(activeFirst_, wordCount_);
    activeLast_ = std::clamp(activeLast_, activeFirst_, wordCount_);
    page_ = FlowPage();
    layOut();
}

void FlowReadingView::setActiveRange(std::size_t first, std::size_t last) {
    first = std::min(first, wordCount());
    last = std::clamp(last, first, wordCount());
    if (first == activeFirst_ && last == activeLast_) {
        return;
    }
    const std::size_t formerFirst = activeFirst_;
    const std::size_t formerLast = activeLast_;
    activeFirst_ = first;
    activeLast_ = last;
    if (!isLaidOut() && first < wordCount() && !page_.holds(first)) {
        layOutNeighbourhood();
        return;
    }
    page_.restyle(formerFirst, formerLast, false, fonts_);
    page_.restyle(first, last, true, fonts_);
    // Re-wrap around the earlier of the two chunks first: its lines come before the other's.
    const std::pair former(formerFirst, formerLast);
    const std::pair current(first, last);
    const auto [earlier, later] = std::minmax(former, current);
    page_.rewrap(earlier.first, earlier.second, layout_, pageBounds());
    page_.rewrap(later.first, later.second, layout_, pageBounds());
    updateScrollRange();
    if (first != formerFirst) {
        follow(true);
    }
    viewport()->update();
}

void FlowReadingView::restyle(std::size_t first, std::size_t last, bool bold) {
    page_.restyle(first, last, bold, fonts_);
    page_.rewrap(first, last, layout_, pageBounds());
}

void FlowReadingView::setMode(ReadingMode mode) {
    mode_ = mode;
    viewport()->update();
}

void FlowReadingView::setThemePalette(const ThemePalette& palette) {
    palette_ = palette;
    styleScrollBar();
    viewport()->update();
}

void FlowReadingView::styleScrollBar() {
    // A thin indicator in the theme's own text colour, over the page rather than a grey trough.
    const QColor handle = palette_.text;
    verticalScrollBar()->setStyleSheet(
        QStringLiteral("QScrollBar:vertical { background: transparent; width: 10px; margin: 0; }"
                       "QScrollBar::handle:vertical { background: rgba(%1, %2, %3, 110);"
                       " border-radius: 3px; min-height: 28px; margin: 2px; }"
                       "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical"
                       " { height: 0; }"
                       "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical"
                       " { background: none; }")
            .arg(handle.red())
            .arg(handle.green())
            .arg(handle.blue()));
}

void FlowReadingView::setFontSize(qreal size) {
    if (size == fontSize_) {
        return;
    }
    fontSize_ = size;
    measure();
}

bool FlowReadingView::isLaidOut() const {
    return page_.text && page_.text->first == 0 && page_.sizes.size() == wordCount_;
}

void FlowReadingView::refreshFonts() {
    measure();
}

std::optional<QRectF> FlowReadingView::wordBounds(std::size_t index) const {
    if (!page_.holds(index)) {
        return std::nullopt;
    }
    const std::size_t at = index - page_.text->first;
    const FlowLayout::Line& line = page_.placement.lines[page_.placement.lineOf(at)];
    return QRectF(QPointF(page_.placement.x[at], line.y - verticalScrollBar()->value()),
                  page_.sizes[at]);
}

std::optional<QRectF> FlowReadingView::rulerBounds() const {
    if (mode_ != ReadingMode::flow || !page_.holds(activeFirst_)) {
        return std::nullopt;
    }
    const qreal height = page_.sizes[activeFirst_ - page_.text->first].height() + rulerOverhang;
    const qreal width = std::max<qreal>(0, viewport()->width() - 2 * rulerInset);
    return QRectF(rulerInset, rulerCentre_ - verticalScrollBar()->value() - height / 2, width,
                  height);
}

void FlowReadingView::measure() {
    fonts_ = FlowFonts::at(fontSize_);
    layout_.paragraphSpacing = fonts_.regularHeight * paragraphGap;
    layOut();
}

void FlowReadingView::layOut() {
    laidOutWidth_ = viewport()->width();
    // A text already interned need not be again for a new width or size.
    const std::shared_ptr<const FlowText> whole = isLaidOut() ? page_.text : nullptr;
    layOutNeighbourhood();
    if (isLaidOut()) {
        wholePage_->future().cancel();
        return;
    }
    requestWholePage(whole);
}

void FlowReadingView::layOutNeighbourhood() {
    const std::vector<Word>& words = *words_;
    const auto [first, last] =
        FlowText::neighbourhood(words, std::min(activeFirst_, wordCount_), neighbourhood);
    install(*FlowPage::build(words,
                             std::make_shared<const FlowText>(FlowText::intern(words, first, last)),
                             fonts_, layout_, pageBounds(), [] { return false; }));
}

void FlowReadingView::requestWholePage(std::shared_ptr<const FlowText> reusable) {
    wholePage_->future().cancel();
    auto promise = std::make_shared<QPromise<FlowPage>>();
    wholePage_->setFuture(promise->future());
    promise->start();
    QThreadPool::globalInstance()->start([promise, words = words_, text = std::move(reusable),
                                          fonts = fonts_, layout = layout_, bounds = pageBounds()] {
        std::optional<FlowPage> page = FlowPage::build(*words, text, fonts, layout, bounds,
                                                       [&] { return promise->isCanceled(); });
        if (page) {
            promise->addResult(std::move(*page));
        }
        promise->finish();
    });
}

void FlowReadingView::install(FlowPage page) {
    page_ = std::move(page);
    restyle(activeFirst_, activeLast_, true);
    updateScrollRange();
    settle();
}

void FlowReadingView::updateScrollRange() {
    const int range = static_cast<int>(std::ceil(pageHeight())) - viewport()->height();
    verticalScrollBar()->setRange(0, std::max(0, range));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(static_cast<int>(std::ceil(fonts_.regularHeight)));
}

QRectF FlowReadingView::pageBounds() const {
    return {padding, padding, std::max<qreal>(0, laidOutWidth_ - 2 * padding),
            std::numeric_limits<qreal>::max()};
}

qreal FlowReadingView::pageHeight() const {
    const std::vector<FlowLayout::Line>& lines = page_.placement.lines;
    if (lines.empty()) {
        return 2 * padding;
    }
    return lines.back().y + lines.back().height + padding;
}

int FlowReadingView::scrollValueCentring(std::size_t index) const {
    const qreal value = page_.centreOf(index) - viewport()->height() / 2.0;
    return std::clamp(static_cast<int>(std::lround(value)), 0, verticalScrollBar()->maximum());
}

void FlowReadingView::settle() {
    follow(false);
    viewport()->update();
}

void FlowReadingView::follow(bool animated) {
    scroll_->stop();
    ruler_->stop();
    if (!page_.holds(activeFirst_)) {
        return;
    }
    const int scrollTarget = scrollValueCentring(activeFirst_);
    const qreal rulerTarget = page_.centreOf(activeFirst_);
    if (!animated) {
        verticalScrollBar()->setValue(scrollTarget);
        rulerCentre_ = rulerTarget;
        return;
    }
    scroll_->setStartValue(qreal(verticalScrollBar()->value()));
    scroll_->setEndValue(qreal(scrollTarget));
    scroll_->start();
    ruler_->setStartValue(rulerCentre_);
    ruler_->setEndValue(rulerTarget);
    ruler_->start();
}

void FlowReadingView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (viewport()->width() != laidOutWidth_) {
        layOut();
    } else {
        updateScrollRange();
    }
}

void FlowReadingView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    // A painter takes the application's direction, which a mirrored interface reverses; words
    // carry their own direction instead, left to right unless they are right-to-left text.
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (palette_.background) {
        painter.fillRect(event->rect(), *palette_.background);
    }
    if (const std::optional<QRectF> band = rulerBounds()) {
        QColor ruler = palette_.ruler;
        ruler.setAlphaF(static_cast<float>(ruler.alphaF() * rulerOpacity));
        painter.setPen(Qt::NoPen);
        painter.setBrush(ruler);
        painter.drawRoundedRect(*band, band->height() / 2, band->height() / 2);
    }
    const int scroll = verticalScrollBar()->value();
    const qreal top = event->rect().top() + scroll;
    const qreal bottom = event->rect().bottom() + 1 + scroll;
    if (!page_.text) {
        return;
    }
    const QColor active = mode_ == ReadingMode::flow ? palette_.accent : palette_.text;
    page_.draw(painter, fonts_, {top, bottom, scroll},
               {activeFirst_, activeLast_, active, inactiveColour(mode_, palette_)});
}

} // namespace velora
