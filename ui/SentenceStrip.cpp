#include "ui/SentenceStrip.hpp"

#include "ui/FlowLayout.hpp"
#include "ui/ReaderFonts.hpp"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace velora {

namespace {

const QString leftOut = QStringLiteral("\u2026");

} // namespace

SentenceStrip::SentenceStrip(QWidget* parent)
    : QWidget(parent), palette_(velora::palette(ReadingTheme::system, QWidget::palette())) {
    setCursor(Qt::PointingHandCursor);
    setFontSize(52);
}

void SentenceStrip::setSentence(std::span<const Word> sentence, std::int64_t current) {
    // Only the words that may show are kept: a text without sentence ends is one long sentence.
    // Words are numbered in order, so the current one is found by its distance from the first.
    const std::int64_t offset = sentence.empty() ? 0 : current - sentence.front().id;
    const auto centre = static_cast<std::size_t>(
        std::clamp<std::int64_t>(offset, 0, std::max<std::int64_t>(0, std::ssize(sentence) - 1)));
    const std::size_t first = centre > wordsAround ? centre - wordsAround : 0;
    const std::size_t last = std::min(sentence.size(), centre + wordsAround + 1);
    sentence_.clear();
    for (const Word& word : sentence.subspan(first, last - first)) {
        sentence_.push_back(
            {QString::fromUtf8(word.text.data(), static_cast<qsizetype>(word.text.size())),
             word.id});
    }
    current_ = centre - first;
    currentId_ = current;
    goesOnBefore_ = first > 0;
    goesOnAfter_ = last < sentence.size();
    pieces_.clear();
    bounds_.clear();
    levels_.clear();
    update();
}

void SentenceStrip::setThemePalette(const ThemePalette& palette) {
    palette_ = palette;
    update();
}

void SentenceStrip::setFontSize(qreal focusSize) {
    regular_ = ReaderFonts::page(focusSize * fontShare, false);
    bold_ = ReaderFonts::page(focusSize * fontShare, true);
}

std::vector<SentenceStrip::Piece> SentenceStrip::piecesAround(std::size_t around) const {
    std::vector<Piece> pieces;
    if (sentence_.empty()) {
        return pieces;
    }
    const std::size_t first = current_ > around ? current_ - around : 0;
    const std::size_t last = std::min(sentence_.size(), current_ + around + 1);
    if (first > 0 || goesOnBefore_) {
        pieces.push_back({leftOut, std::nullopt});
    }
    pieces.insert(pieces.end(), sentence_.begin() + static_cast<std::ptrdiff_t>(first),
                  sentence_.begin() + static_cast<std::ptrdiff_t>(last));
    if (last < sentence_.size() || goesOnAfter_) {
        pieces.push_back({leftOut, std::nullopt});
    }
    return pieces;
}

QFont SentenceStrip::fontFor(const Piece& piece) const {
    return ReaderFonts::forText(piece.id == currentId_ ? bold_ : regular_, piece.text);
}

void SentenceStrip::place(qreal width) {
    std::vector<QSizeF> sizes;
    std::vector<BidiLevels::Direction> directions;
    sizes.reserve(pieces_.size());
    directions.reserve(pieces_.size());
    for (const Piece& piece : pieces_) {
        const QFontMetricsF metrics(fontFor(piece));
        sizes.emplace_back(metrics.horizontalAdvance(piece.text), metrics.height());
        directions.push_back(BidiLevels::of(piece.text));
    }
    levels_ = BidiLevels::resolve(directions, {});
    FlowLayout layout;
    layout.spacing = QFontMetricsF(regular_).horizontalAdvance(QLatin1Char(' '));
    layout.lineSpacing = QFontMetricsF(regular_).leading() + 2;
    const FlowLayout::Placement placement =
        layout.place(sizes, QRectF(0, 0, std::max<qreal>(width, 1), 0), {}, levels_);
    bounds_.assign(sizes.size(), QRectF());
    for (std::size_t l = 0; l < placement.lines.size(); ++l) {
        const FlowLayout::Line& line = placement.lines[l];
        const std::size_t end =
            l + 1 < placement.lines.size() ? placement.lines[l + 1].first : sizes.size();
        // A right-to-left line was placed against the right edge; every line is centred.
        const float start =
            *std::min_element(placement.x.begin() + line.first, placement.x.begin() + end);
        const qreal indent = std::max<qreal>(0, (width - line.width) / 2) - start;
        for (std::size_t i = line.first; i < end; ++i) {
            bounds_[i] = QRectF(QPointF(placement.x[i] + indent, line.y), sizes[i]);
        }
    }
}

int SentenceStrip::fit(int width, int height) {
    // Fewer words around the current one until they fit; the current word alone always shows.
    for (std::size_t around = wordsAround;; --around) {
        pieces_ = piecesAround(around);
        place(width);
        qreal bottom = 0;
        for (const QRectF& bounds : bounds_) {
            bottom = std::max(bottom, bounds.bottom());
        }
        const int used = static_cast<int>(std::ceil(bottom));
        if (used <= height || around == 0) {
            update();
            return used;
        }
    }
}

std::optional<QRectF> SentenceStrip::wordBounds(std::int64_t id) const {
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
        if (pieces_[i].id == id) {
            return bounds_[i];
        }
    }
    return std::nullopt;
}

void SentenceStrip::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // A painter takes the application's direction, which a mirrored interface reverses; words
    // carry their own direction instead, left to right unless they are right-to-left text.
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
        const Piece& piece = pieces_[i];
        const bool current = piece.id == currentId_;
        painter.setFont(fontFor(piece));
        painter.setPen(current ? palette_.accent : palette_.dim);
        painter.setLayoutDirection(
            i < levels_.size() && levels_[i].level % 2 != 0 ? Qt::RightToLeft : Qt::LeftToRight);
        painter.drawText(bounds_[i], Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop, piece.text);
    }
}

void SentenceStrip::mousePressEvent(QMouseEvent* event) {
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
        if (pieces_[i].id && bounds_[i].contains(event->position())) {
            emit wordChosen(*pieces_[i].id);
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

} // namespace velora
