#include "ui/ORPLine.hpp"

#include "ui/ReaderFonts.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace velora {

namespace {

QString qt(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

ORPLine::ORPLine(std::span<const Word> words, const ThemePalette& palette, bool highlightPivot,
                 qreal fontSize)
    : font_(ReaderFonts::focusWord(fontSize)), grouped_(words.size() >= 2), text_(palette.text),
      pivotColor_(highlightPivot ? palette.pivot : palette.text) {
    const Word::OrpParts parts = words.empty() ? Word::OrpParts{} : words.front().orpParts();
    before_ = qt(parts.left);
    pivot_ = qt(parts.pivot);
    after_ = qt(parts.right);
    for (const Word& word : words.subspan(std::min<std::size_t>(1, words.size()))) {
        after_ += QLatin1Char(' ') + qt(word.text);
    }
    const QFontMetricsF metrics(font_);
    beforeWidth_ = metrics.horizontalAdvance(before_);
    pivotWidth_ = metrics.horizontalAdvance(pivot_);
    afterWidth_ = metrics.horizontalAdvance(after_);
    ascent_ = metrics.ascent();
    height_ = metrics.height();
}

qreal ORPLine::idealWidth() const {
    // Both sides of a single word get the same share, so the wider side sets the width.
    return grouped_ ? beforeWidth_ + pivotWidth_ + afterWidth_
                    : 2 * std::max(beforeWidth_, afterWidth_) + pivotWidth_;
}

qreal ORPLine::scale(qreal width) const {
    const qreal ideal = idealWidth();
    if (ideal <= width || ideal <= 0) {
        return 1;
    }
    // A chunk of several words shrinks as far as it must: a word cut off is a word never read.
    return grouped_ ? width / ideal : std::max(minimumScale, width / ideal);
}

void ORPLine::paint(QPainter& painter, const QRectF& area) const {
    const qreal factor = scale(area.width());
    painter.save();
    painter.setFont(font_);
    painter.translate(area.center());
    painter.scale(factor, factor);
    painter.translate(0, ascent_ - height_ / 2);
    const qreal width = area.width() / factor;
    if (grouped_) {
        paintGroup(painter, width);
    } else {
        paintPivotCentred(painter, width);
    }
    painter.restore();
}

void ORPLine::paintPivotCentred(QPainter& painter, qreal width) const {
    const qreal side = std::max<qreal>(0, (width - pivotWidth_) / 2);
    const QFontMetricsF metrics(font_);
    const QString before =
        beforeWidth_ > side ? metrics.elidedText(before_, Qt::ElideLeft, side) : before_;
    const QString after =
        afterWidth_ > side ? metrics.elidedText(after_, Qt::ElideRight, side) : after_;
    painter.setPen(text_);
    painter.drawText(QPointF(-pivotWidth_ / 2 - metrics.horizontalAdvance(before), 0), before);
    painter.drawText(QPointF(pivotWidth_ / 2, 0), after);
    painter.setPen(pivotColor_);
    painter.drawText(QPointF(-pivotWidth_ / 2, 0), pivot_);
}

void ORPLine::paintGroup(QPainter& painter, qreal width) const {
    const QFontMetricsF metrics(font_);
    const qreal room = std::max<qreal>(0, width - beforeWidth_ - pivotWidth_);
    const QString after =
        afterWidth_ > room ? metrics.elidedText(after_, Qt::ElideRight, room) : after_;
    const qreal left = -(beforeWidth_ + pivotWidth_ + metrics.horizontalAdvance(after)) / 2;
    painter.setPen(text_);
    painter.drawText(QPointF(left, 0), before_);
    painter.drawText(QPointF(left + beforeWidth_ + pivotWidth_, 0), after);
    painter.setPen(pivotColor_);
    painter.drawText(QPointF(left + beforeWidth_, 0), pivot_);
}

} // namespace velora
