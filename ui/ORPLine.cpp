#include "ui/ORPLine.hpp"

#include "ui/ReaderFonts.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QRawFont>
#include <QSet>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace velora {

namespace {

QString qt(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

struct GlyphAt {
    quint32 index;
    QPointF position;
    bool operator==(const GlyphAt&) const = default;
};

size_t qHash(const GlyphAt& glyph, size_t seed = 0) {
    return qHashMulti(seed, glyph.index, glyph.position.x(), glyph.position.y());
}

// `runs` less the glyphs in `taken`. A ligature or conjunct that the pivot shares with its
// neighbours belongs to the pivot alone, so every glyph is drawn exactly once.
QList<QGlyphRun> without(const QList<QGlyphRun>& runs, const QSet<GlyphAt>& taken) {
    QList<QGlyphRun> result;
    for (QGlyphRun run : runs) {
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        QList<quint32> keptIndexes;
        QList<QPointF> keptPositions;
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            if (!taken.contains({indexes[i], positions[i]})) {
                keptIndexes.append(indexes[i]);
                keptPositions.append(positions[i]);
            }
        }
        if (!keptIndexes.isEmpty()) {
            run.setGlyphIndexes(keptIndexes);
            run.setPositions(keptPositions);
            result.append(run);
        }
    }
    return result;
}

// The union of the glyphs' boxes.
QRectF inkOf(const QList<QGlyphRun>& runs) {
    QRectF ink;
    for (const QGlyphRun& run : runs) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            ink |= raw.boundingRect(indexes[i]).translated(positions[i]);
        }
    }
    return ink;
}

} // namespace

ORPLine::ORPLine(std::span<const Word> words, const ThemePalette& palette, bool highlightPivot,
                 const QFont& font)
    : font_(font), grouped_(words.size() >= 2), highlight_(highlightPivot && !grouped_),
      text_(palette.text), pivotColor_(palette.pivot) {
    const Word::OrpParts parts = words.empty() ? Word::OrpParts{} : words.front().orpParts();
    before_ = qt(parts.left);
    pivot_ = qt(parts.pivot);
    after_ = qt(parts.right);
    for (const Word& word : words.subspan(std::min<std::size_t>(1, words.size()))) {
        after_ += QLatin1Char(' ') + qt(word.text);
    }
    const QFontMetricsF metrics(font_);
    ascent_ = metrics.ascent();
    height_ = metrics.height();
    whole_ = shape(before_, pivot_, after_);
}

ORPLine::Shaped ORPLine::shape(const QString& before, const QString& pivot,
                               const QString& after) const {
    const QString text = before + pivot + after;
    QTextLayout layout(text, ReaderFonts::forText(font_, text));
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    // The direction of the first strong letter, as a paragraph of its own takes it.
    option.setTextDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid()) {
        return {};
    }
    const auto pivotBegin = static_cast<int>(before.size());
    const auto pivotLength = static_cast<int>(pivot.size());
    Shaped shaped;
    shaped.width = line.naturalTextWidth();
    shaped.baseline = line.ascent();
    const QList<QGlyphRun> pivotRuns = layout.glyphRuns(pivotBegin, pivotLength);
    QSet<GlyphAt> pivotGlyphs;
    for (const QGlyphRun& run : pivotRuns) {
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            pivotGlyphs.insert({indexes[i], positions[i]});
        }
    }
    const QRectF ink = inkOf(pivotRuns);
    shaped.ink = inkOf(layout.glyphRuns());
    const qreal start = line.cursorToX(pivotBegin);
    const qreal end = line.cursorToX(pivotBegin + pivotLength);
    shaped.pivotWidth = std::abs(end - start);
    // A group, or a pivot with no ink (a space), centres on what it spans.
    if (grouped_) {
        shaped.pivotCentre = shaped.width / 2;
    } else if (ink.width() > 0) {
        shaped.pivotCentre = ink.center().x();
    } else {
        shaped.pivotCentre = (start + end) / 2;
    }
    if (highlight_) {
        shaped.rest = without(layout.glyphRuns(), pivotGlyphs);
        shaped.pivot = pivotRuns;
    } else {
        shaped.rest = layout.glyphRuns();
    }
    return shaped;
}

qreal ORPLine::idealWidth() const {
    // Both sides of a single word get the same share, so the wider side sets the width.
    return grouped_ ? whole_.width
                    : 2 * std::max(whole_.pivotCentre, whole_.width - whole_.pivotCentre);
}

qreal ORPLine::scale(qreal width) const {
    const qreal ideal = idealWidth();
    if (ideal <= width || ideal <= 0) {
        return 1;
    }
    // A chunk of several words shrinks as far as it must: a word cut off is a word never read.
    return grouped_ ? width / ideal : std::max(minimumScale, width / ideal);
}

const ORPLine::Shaped& ORPLine::fitted(qreal width) const {
    if (grouped_ || idealWidth() <= width) {
        return whole_;
    }
    if (!elided_ || elided_->first != width) {
        const QFontMetricsF metrics(ReaderFonts::forText(font_, before_ + pivot_ + after_));
        const qreal side = std::max<qreal>(0, (width - whole_.pivotWidth) / 2);
        elided_.emplace(width, shape(metrics.elidedText(before_, Qt::ElideLeft, side), pivot_,
                                     metrics.elidedText(after_, Qt::ElideRight, side)));
    }
    return elided_->second;
}

void ORPLine::paint(QPainter& painter, const QRectF& area) const {
    // A fading or growing line goes through a picture, so that glyphs that overlap, as joined
    // letters do, blend once.
    if (painter.opacity() >= 1 && painter.worldTransform().type() <= QTransform::TxTranslate) {
        drawGlyphs(painter, area, GlyphPictures::Placement::exact);
        return;
    }
    drawPicture(painter, area);
}

QTransform ORPLine::glyphTransform(const Shaped& shaped, const QRectF& area) const {
    const qreal factor = scale(area.width());
    QTransform transform;
    transform.translate(area.center().x(), area.center().y());
    transform.scale(factor, factor);
    transform.translate(-shaped.pivotCentre, ascent_ - height_ / 2 - shaped.baseline);
    return transform;
}

void ORPLine::drawGlyphs(QPainter& painter, const QRectF& area,
                         GlyphPictures::Placement placement) const {
    const Shaped& shaped = fitted(area.width() / scale(area.width()));
    painter.save();
    painter.setWorldTransform(glyphTransform(shaped, area), true);
    GlyphPictures& pictures = GlyphPictures::shared();
    painter.setPen(text_);
    for (const QGlyphRun& run : shaped.rest) {
        pictures.draw(painter, QPointF(), run, placement);
    }
    painter.setPen(pivotColor_);
    for (const QGlyphRun& run : shaped.pivot) {
        pictures.draw(painter, QPointF(), run, placement);
    }
    painter.restore();
}

void ORPLine::drawPicture(QPainter& painter, const QRectF& area) const {
    const QTransform device = painter.deviceTransform();
    const QTransform local = QTransform::fromTranslate(area.left(), area.top()) * device;
    const QPointF corner = local.map(QPointF());
    const QPoint whole(static_cast<int>(std::floor(corner.x())),
                       static_cast<int>(std::floor(corner.y())));
    // The area in device pixels from the whole pixel its corner falls in: a fade keeps it and
    // copies one picture, a line that grows needs a picture per frame.
    const QTransform shape = local * QTransform::fromTranslate(-whole.x(), -whole.y());
    const bool growing = painter.worldTransform().type() > QTransform::TxTranslate;
    if (picture_.isNull() || pictureSize_ != area.size() || pictureShape_ != shape) {
        const QRectF box(QPointF(), area.size());
        const Shaped& shaped = fitted(area.width() / scale(area.width()));
        // Antialiasing reaches a pixel past the outlines.
        constexpr int margin = 2;
        const QRect pixels = (glyphTransform(shaped, box) * shape)
                                 .mapRect(shaped.ink)
                                 .toAlignedRect()
                                 .adjusted(-margin, -margin, margin, margin);
        picture_ = QImage(pixels.size(), QImage::Format_ARGB32_Premultiplied);
        picture_.fill(Qt::transparent);
        QPainter onPicture(&picture_);
        onPicture.setRenderHints(painter.renderHints());
        onPicture.setWorldTransform(shape *
                                    QTransform::fromTranslate(-pixels.left(), -pixels.top()));
        drawGlyphs(onPicture, box,
                   growing ? GlyphPictures::Placement::moving : GlyphPictures::Placement::exact);
        pictureSize_ = area.size();
        pictureShape_ = shape;
        pictureCorner_ = pixels.topLeft();
    }
    painter.save();
    // In whole device pixels, so that the copy is a plain blend.
    painter.setWorldTransform(device.inverted() * painter.worldTransform());
    painter.drawImage(whole + pictureCorner_, picture_);
    painter.restore();
}

} // namespace velora
