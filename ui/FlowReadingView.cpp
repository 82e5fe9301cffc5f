#include "ui/FlowReadingView.hpp"

#include "ui/Motion.hpp"
#include "ui/ReaderFonts.hpp"

#include <QFontMetricsF>
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
#include <string_view>
#include <unordered_map>
#include <utility>

namespace velora {

namespace {

constexpr std::size_t averageWordBytes = 8;

} // namespace

QColor FlowReadingView::inactiveColour(ReadingMode mode, const ThemePalette& palette) {
    if (mode != ReadingMode::spotlight) {
        return palette.dim;
    }
    QColor faded = palette.text;
    faded.setAlphaF(static_cast<float>(spotlightOpacity));
    return faded;
}

std::string_view FlowReadingView::Source::word(std::size_t index) const {
    const std::size_t begin = index == 0 ? 0 : ends[index - 1];
    return std::string_view(bytes).substr(begin, ends[index] - begin);
}

const QFont& FlowReadingView::Fonts::of(bool shaped, bool bold) const {
    if (shaped) {
        return bold ? boldShaped : regularShaped;
    }
    return bold ? this->bold : regular;
}

bool FlowReadingView::Page::holds(std::size_t index) const {
    return text && index >= text->first && index - text->first < text->wordText.size();
}

FlowReadingView::FlowReadingView(QWidget* parent)
    : QAbstractScrollArea(parent), source_(std::make_shared<Source>()),
      wholePage_(new QFutureWatcher<Page>(this)),
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
    connect(wholePage_, &QFutureWatcher<Page>::finished, this, [this] {
        QFuture<Page> future = wholePage_->future();
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

void FlowReadingView::setWords(const std::vector<Word>& words) {
    // One copy into a single block: a pass over memory the main thread can afford, unlike
    // interning, measuring and wrapping a book.
    auto source = std::make_shared<Source>();
    // A guess rather than a second pass over the words.
    source->bytes.reserve(words.size() * averageWordBytes);
    source->ends.reserve(words.size());
    source->paragraphEnds.reserve(words.size());
    for (const Word& word : words) {
        source->bytes += word.text;
        source->ends.push_back(source->bytes.size());
        source->paragraphEnds.push_back(word.isParagraphEnd ? 1 : 0);
    }
    source_ = std::move(source);
    wordCount_ = words.size();
    activeFirst_ = std::min(activeFirst_, wordCount_);
    activeLast_ = std::clamp(activeLast_, activeFirst_, wordCount_);
    page_ = Page();
    layOut();
}

FlowReadingView::Text FlowReadingView::intern(const Source& source, std::size_t first,
                                              std::size_t last) {
    Text text;
    text.first = first;
    const std::size_t count = last - first;
    text.wordText.reserve(count);
    text.paragraphEnds.assign(source.paragraphEnds.begin() + static_cast<std::ptrdiff_t>(first),
                              source.paragraphEnds.begin() + static_cast<std::ptrdiff_t>(last));
    std::vector<BidiLevels::Direction> textDirections;
    std::vector<BidiLevels::Direction> directions;
    directions.reserve(count);
    std::unordered_map<std::string_view, std::uint32_t> seen;
    seen.reserve(std::min<std::size_t>(count, 1 << 16));
    for (std::size_t i = first; i < last; ++i) {
        const std::string_view word = source.word(i);
        const auto [at, added] =
            seen.try_emplace(word, static_cast<std::uint32_t>(text.distinct.size()));
        if (added) {
            text.distinct.push_back(
                QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size())));
            text.shaped.push_back(ReaderFonts::needsShaping(text.distinct.back()) ? 1 : 0);
            textDirections.push_back(BidiLevels::of(text.distinct.back()));
        }
        text.wordText.push_back(at->second);
        directions.push_back(textDirections[at->second]);
    }
    text.levels = BidiLevels::resolve(directions, text.paragraphEnds);
    return text;
}

std::optional<FlowReadingView::Page>
FlowReadingView::build(const Source& source, std::shared_ptr<const Text> text, const Fonts& fonts,
                       const FlowLayout& layout, qreal width, const Stopped& stopped) {
    Page page;
    page.text = text ? std::move(text)
                     : std::make_shared<const Text>(intern(source, 0, source.ends.size()));
    if (stopped()) {
        return std::nullopt;
    }
    // Qt renders and so measures text on any thread (fontconfig keeps a font cache per thread).
    const QFontMetricsF regular(fonts.regular);
    const QFontMetricsF regularShaped(fonts.regularShaped);
    const std::vector<QString>& distinct = page.text->distinct;
    page.regularWidth.resize(distinct.size());
    for (std::size_t i = 0; i < distinct.size(); ++i) {
        page.regularWidth[i] = static_cast<float>(
            (page.text->shaped[i] ? regularShaped : regular).horizontalAdvance(distinct[i]));
    }
    page.boldWidth.assign(distinct.size(), -1);
    if (stopped()) {
        return std::nullopt;
    }
    page.sizes.reserve(page.text->wordText.size());
    for (const std::uint32_t word : page.text->wordText) {
        page.sizes.emplace_back(page.regularWidth[word], fonts.regularHeight);
    }
    page.width = width;
    page.placement = layout.place(page.sizes,
                                  QRectF(padding, padding, std::max<qreal>(0, width - 2 * padding),
                                         std::numeric_limits<qreal>::max()),
                                  page.text->paragraphEnds, page.text->levels);
    return page;
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
    restyle(formerFirst, formerLast, false);
    restyle(first, last, true);
    // Re-wrap around the earlier of the two chunks first: its lines come before the other's.
    const std::pair former(formerFirst, formerLast);
    const std::pair current(first, last);
    const auto [earlier, later] = std::minmax(former, current);
    rewrap(earlier.first, earlier.second);
    rewrap(later.first, later.second);
    updateScrollRange();
    if (first != formerFirst) {
        follow(true);
    }
    viewport()->update();
}

void FlowReadingView::restyle(std::size_t first, std::size_t last, bool bold) {
    for (std::size_t i = first; i < last; ++i) {
        if (page_.holds(i)) {
            page_.sizes[i - page_.text->first] = sizeOf(i, bold);
        }
    }
}

void FlowReadingView::rewrap(std::size_t first, std::size_t last) {
    if (!page_.text) {
        return;
    }
    const std::size_t base = page_.text->first;
    const std::size_t count = page_.sizes.size();
    const std::size_t begin = std::clamp(first, base, base + count) - base;
    const std::size_t end = std::clamp(last, base, base + count) - base;
    if (begin < end) {
        layout_.replace(page_.placement, page_.sizes, pageBounds(), begin, end,
                        page_.text->paragraphEnds, page_.text->levels);
    }
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

bool FlowReadingView::isActive(std::size_t index) const {
    return index >= activeFirst_ && index < activeLast_;
}

QSizeF FlowReadingView::sizeOf(std::size_t index, bool bold) {
    const std::uint32_t text = page_.text->wordText[index - page_.text->first];
    if (!bold) {
        return {page_.regularWidth[text], fonts_.regularHeight};
    }
    if (page_.boldWidth[text] < 0) {
        page_.boldWidth[text] = static_cast<float>(
            QFontMetricsF(fontFor(text, true)).horizontalAdvance(page_.text->distinct[text]));
    }
    return {page_.boldWidth[text], fonts_.boldHeight};
}

const QFont& FlowReadingView::fontFor(std::uint32_t text, bool bold) const {
    return fonts_.of(page_.text->shaped[text] != 0, bold);
}

void FlowReadingView::measure() {
    fonts_.regular = ReaderFonts::page(fontSize_, false);
    fonts_.bold = ReaderFonts::page(fontSize_, true);
    fonts_.regularShaped = ReaderFonts::shaped(fonts_.regular);
    fonts_.boldShaped = ReaderFonts::shaped(fonts_.bold);
    const QFontMetricsF regular(fonts_.regular);
    const QFontMetricsF bold(fonts_.bold);
    fonts_.regularHeight = regular.height();
    fonts_.boldHeight = bold.height();
    fonts_.regularAscent = regular.ascent();
    fonts_.boldAscent = bold.ascent();
    layout_.paragraphSpacing = fonts_.regularHeight * paragraphGap;
    layOut();
}

void FlowReadingView::layOut() {
    laidOutWidth_ = viewport()->width();
    // A text already interned need not be again for a new width or size.
    const std::shared_ptr<const Text> whole = isLaidOut() ? page_.text : nullptr;
    layOutNeighbourhood();
    if (isLaidOut()) {
        wholePage_->future().cancel();
        return;
    }
    requestWholePage(whole);
}

void FlowReadingView::layOutNeighbourhood() {
    const Source& source = *source_;
    const std::size_t at = std::min(activeFirst_, wordCount_);
    // From a paragraph's start the neighbourhood wraps as the whole page does; the earliest in
    // reach leaves the most words above the current one. Without one in reach, lines there may
    // break elsewhere until the whole page arrives.
    std::size_t first = at > neighbourhood ? at - neighbourhood : 0;
    for (std::size_t i = first; i > 0 && i <= at; ++i) {
        if (source.paragraphEnds[i - 1] != 0) {
            first = i;
            break;
        }
    }
    const std::size_t last = std::min(wordCount_, at + neighbourhood);
    install(*build(source, std::make_shared<const Text>(intern(source, first, last)), fonts_,
                   layout_, laidOutWidth_, [] { return false; }));
}

void FlowReadingView::requestWholePage(std::shared_ptr<const Text> reusable) {
    wholePage_->future().cancel();
    auto promise = std::make_shared<QPromise<Page>>();
    wholePage_->setFuture(promise->future());
    promise->start();
    QThreadPool::globalInstance()->start([promise, source = source_, text = std::move(reusable),
                                          fonts = fonts_, layout = layout_, width = laidOutWidth_] {
        std::optional<Page> page =
            build(*source, text, fonts, layout, width, [&] { return promise->isCanceled(); });
        if (page) {
            promise->addResult(std::move(*page));
        }
        promise->finish();
    });
}

void FlowReadingView::install(Page page) {
    page_ = std::move(page);
    restyle(activeFirst_, activeLast_, true);
    rewrap(activeFirst_, activeLast_);
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

qreal FlowReadingView::centreOf(std::size_t index) const {
    const std::size_t at = index - page_.text->first;
    return page_.placement.lines[page_.placement.lineOf(at)].y + page_.sizes[at].height() / 2;
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
    if (!page_.holds(activeFirst_)) {
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
    // A painter takes the application's direction, which a mirrored interface reverses.
    painter.setLayoutDirection(layoutDirection());
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
    const Text& text = *page_.text;
    const auto& lines = page_.placement.lines;
    auto line = std::partition_point(lines.begin(), lines.end(), [top](const FlowLayout::Line& l) {
        return l.y + l.height < top;
    });

    const QColor inactive = inactiveColour(mode_, palette_);
    const QColor active = mode_ == ReadingMode::flow ? palette_.accent : palette_.text;
    const QFont* fontSet = nullptr;
    std::optional<bool> boldSet;
    for (; line != lines.end() && line->y < bottom; ++line) {
        const std::size_t end = line + 1 == lines.end() ? text.wordText.size() : (line + 1)->first;
        for (std::size_t i = line->first; i < end; ++i) {
            const bool bold = isActive(text.first + i);
            const std::uint32_t word = text.wordText[i];
            if (const QFont& font = fontFor(word, bold); fontSet != &font) {
                painter.setFont(font);
                fontSet = &font;
            }
            if (boldSet != bold) {
                painter.setPen(bold ? active : inactive);
                boldSet = bold;
            }
            if (!text.levels.empty()) {
                painter.setLayoutDirection(text.levels[i].level % 2 != 0 ? Qt::RightToLeft
                                                                         : Qt::LeftToRight);
            }
            const qreal baseline =
                line->y - scroll + (bold ? fonts_.boldAscent : fonts_.regularAscent);
            painter.drawText(QPointF(page_.placement.x[i], baseline), text.distinct[word]);
        }
    }
}

} // namespace velora
