#include "ui/FlowReadingView.hpp"

#include "ui/Motion.hpp"
#include "ui/ReaderFonts.hpp"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>
#include <unordered_map>
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
    : QAbstractScrollArea(parent),
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
    measure();
}

void FlowReadingView::setWords(const std::vector<Word>& words) {
    wordText_.clear();
    paragraphEnds_.clear();
    paragraphEnds_.reserve(words.size());
    wordText_.reserve(words.size());
    distinct_.clear();
    shaped_.clear();
    std::vector<BidiLevels::Direction> textDirections;
    std::vector<BidiLevels::Direction> directions;
    directions.reserve(words.size());
    std::unordered_map<std::string_view, std::uint32_t> seen;
    seen.reserve(std::min<std::size_t>(words.size(), 1 << 16));
    for (const Word& word : words) {
        const auto [at, added] =
            seen.try_emplace(word.text, static_cast<std::uint32_t>(distinct_.size()));
        if (added) {
            distinct_.push_back(
                QString::fromUtf8(word.text.data(), static_cast<qsizetype>(word.text.size())));
            shaped_.push_back(ReaderFonts::needsShaping(distinct_.back()) ? 1 : 0);
            textDirections.push_back(BidiLevels::of(distinct_.back()));
        }
        wordText_.push_back(at->second);
        directions.push_back(textDirections[at->second]);
        paragraphEnds_.push_back(word.isParagraphEnd ? 1 : 0);
    }
    levels_ = BidiLevels::resolve(directions, paragraphEnds_);
    activeFirst_ = std::min(activeFirst_, words.size());
    activeLast_ = std::clamp(activeLast_, activeFirst_, words.size());
    measure();
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
    for (std::size_t i = formerFirst; i < formerLast; ++i) {
        sizes_[i] = sizeOf(i, false);
    }
    for (std::size_t i = first; i < last; ++i) {
        sizes_[i] = sizeOf(i, true);
    }
    // Re-wrap around the earlier of the two chunks first: its lines come before the other's.
    const std::pair former(formerFirst, formerLast);
    const std::pair current(first, last);
    const auto [earlier, later] = std::minmax(former, current);
    const QRectF bounds = pageBounds();
    layout_.replace(placement_, sizes_, bounds, earlier.first, earlier.second, paragraphEnds_,
                    levels_);
    layout_.replace(placement_, sizes_, bounds, later.first, later.second, paragraphEnds_, levels_);
    updateScrollRange();
    if (first != formerFirst) {
        follow(true);
    }
    viewport()->update();
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

void FlowReadingView::refreshFonts() {
    measure();
}

std::optional<QRectF> FlowReadingView::wordBounds(std::size_t index) const {
    if (index >= wordCount() || placement_.lines.empty()) {
        return std::nullopt;
    }
    const FlowLayout::Line& line = placement_.lines[placement_.lineOf(index)];
    return QRectF(QPointF(placement_.x[index], line.y - verticalScrollBar()->value()),
                  sizes_[index]);
}

std::optional<QRectF> FlowReadingView::rulerBounds() const {
    if (mode_ != ReadingMode::flow || activeFirst_ >= wordCount()) {
        return std::nullopt;
    }
    const qreal height = sizes_[activeFirst_].height() + rulerOverhang;
    const qreal width = std::max<qreal>(0, viewport()->width() - 2 * rulerInset);
    return QRectF(rulerInset, rulerCentre_ - verticalScrollBar()->value() - height / 2, width,
                  height);
}

bool FlowReadingView::isActive(std::size_t index) const {
    return index >= activeFirst_ && index < activeLast_;
}

QSizeF FlowReadingView::sizeOf(std::size_t index, bool bold) {
    const std::uint32_t text = wordText_[index];
    if (!bold) {
        return {regularWidth_[text], regularHeight_};
    }
    if (boldWidth_[text] < 0) {
        boldWidth_[text] = static_cast<float>(
            QFontMetricsF(fontFor(text, true)).horizontalAdvance(distinct_[text]));
    }
    return {boldWidth_[text], boldHeight_};
}

const QFont& FlowReadingView::fontFor(std::uint32_t text, bool bold) const {
    if (shaped_[text]) {
        return bold ? boldShaped_ : regularShaped_;
    }
    return bold ? bold_ : regular_;
}

void FlowReadingView::measure() {
    regular_ = ReaderFonts::page(fontSize_, false);
    bold_ = ReaderFonts::page(fontSize_, true);
    regularShaped_ = ReaderFonts::shaped(regular_);
    boldShaped_ = ReaderFonts::shaped(bold_);
    const QFontMetricsF regular(regular_);
    const QFontMetricsF regularShaped(regularShaped_);
    const QFontMetricsF bold(bold_);
    regularHeight_ = regular.height();
    boldHeight_ = bold.height();
    regularAscent_ = regular.ascent();
    boldAscent_ = bold.ascent();
    layout_.paragraphSpacing = regularHeight_ * paragraphGap;
    regularWidth_.resize(distinct_.size());
    for (std::size_t i = 0; i < distinct_.size(); ++i) {
        regularWidth_[i] = static_cast<float>(
            (shaped_[i] ? regularShaped : regular).horizontalAdvance(distinct_[i]));
    }
    boldWidth_.assign(distinct_.size(), -1);
    sizes_.resize(wordText_.size());
    for (std::size_t i = 0; i < wordText_.size(); ++i) {
        sizes_[i] = sizeOf(i, isActive(i));
    }
    layOut();
}

void FlowReadingView::layOut() {
    laidOutWidth_ = viewport()->width();
    placement_ = layout_.place(sizes_, pageBounds(), paragraphEnds_, levels_);
    updateScrollRange();
    settle();
}

void FlowReadingView::updateScrollRange() {
    const int range = static_cast<int>(std::ceil(pageHeight())) - viewport()->height();
    verticalScrollBar()->setRange(0, std::max(0, range));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(static_cast<int>(std::ceil(regularHeight_)));
}

QRectF FlowReadingView::pageBounds() const {
    return {padding, padding, std::max<qreal>(0, laidOutWidth_ - 2 * padding),
            std::numeric_limits<qreal>::max()};
}

qreal FlowReadingView::pageHeight() const {
    if (placement_.lines.empty()) {
        return 2 * padding;
    }
    return placement_.lines.back().y + placement_.lines.back().height + padding;
}

qreal FlowReadingView::centreOf(std::size_t index) const {
    return placement_.lines[placement_.lineOf(index)].y + sizes_[index].height() / 2;
}

int FlowReadingView::scrollValueCentring(std::size_t index) const {
    const qreal value = centreOf(index) - viewport()->height() / 2.0;
    return std::clamp(static_cast<int>(std::lround(value)), 0, verticalScrollBar()->maximum());
}

void FlowReadingView::settle() {
    follow(false);
    viewport()->update();
}

void FlowReadingView::follow(bool animated) {
    scroll_->stop();
    ruler_->stop();
    if (activeFirst_ >= wordCount()) {
        return;
    }
    const int scrollTarget = scrollValueCentring(activeFirst_);
    const qreal rulerTarget = centreOf(activeFirst_);
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
    const auto& lines = placement_.lines;
    auto line = std::partition_point(lines.begin(), lines.end(), [top](const FlowLayout::Line& l) {
        return l.y + l.height < top;
    });

    const QColor inactive = inactiveColour(mode_, palette_);
    const QColor active = mode_ == ReadingMode::flow ? palette_.accent : palette_.text;
    const QFont* fontSet = nullptr;
    std::optional<bool> boldSet;
    for (; line != lines.end() && line->y < bottom; ++line) {
        const std::size_t end = line + 1 == lines.end() ? wordCount() : (line + 1)->first;
        for (std::size_t i = line->first; i < end; ++i) {
            const bool bold = isActive(i);
            const std::uint32_t text = wordText_[i];
            if (const QFont& font = fontFor(text, bold); fontSet != &font) {
                painter.setFont(font);
                fontSet = &font;
            }
            if (boldSet != bold) {
                painter.setPen(bold ? active : inactive);
                boldSet = bold;
            }
            if (!levels_.empty()) {
                painter.setLayoutDirection(levels_[i].level % 2 != 0 ? Qt::RightToLeft
                                                                     : Qt::LeftToRight);
            }
            const qreal baseline = line->y - scroll + (bold ? boldAscent_ : regularAscent_);
            painter.drawText(QPointF(placement_.x[i], baseline), distinct_[text]);
        }
    }
}

} // namespace velora
