#pragma once

#include "core/Word.hpp"
#include "ui/GlyphPictures.hpp"
#include "ui/ThemePalette.hpp"

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QList>
#include <QString>
#include <QTransform>
#include <optional>
#include <span>

class QPainter;

namespace velora {

// One chunk on one line, shaped whole in its own direction so that joined letters, conjuncts and
// ligatures keep their form. A single word is placed so that the glyphs of its pivot letter are
// centred on the line's centre, wherever that letter lands in the shaped word; two or more
// words are centred as a group. A single word too wide for the line shrinks, to no less than
// 40%, and what still does not fit is elided; a group shrinks until all its words fit.
class ORPLine {
public:
    static constexpr qreal minimumScale = 0.4;
    // How far, as a share of the line's height, stacked marks of some scripts and the overhang
    // of edge letters may reach past the line's box.
    static constexpr qreal overhang = 0.25;

    ORPLine(std::span<const Word> words, const ThemePalette& palette, bool highlightPivot,
            const QFont& font);

    qreal height() const { return height_; }
    // The factor the line is drawn at within `width`.
    qreal scale(qreal width) const;
    // Draws the line across `area`, centred in both directions. While it fades or the painter
    // scales it, it is drawn into a picture of its ink first, so that glyphs that overlap blend
    // once; a fade copies the same picture on every frame.
    void paint(QPainter& painter, const QRectF& area) const;

private:
    // The glyphs of one shaped text, those of the pivot apart, so that colouring the pivot
    // never shapes the text in pieces.
    struct Shaped {
        QList<QGlyphRun> rest;
        QList<QGlyphRun> pivot;
        qreal width = 0;
        qreal pivotCentre = 0; // from the text's left edge
        qreal pivotWidth = 0;  // between the pivot's cursor positions
        qreal baseline = 0;    // of the glyph positions
        QRectF ink;            // of every glyph, in glyph coordinates
    };

    Shaped shape(const QString& before, const QString& pivot, const QString& after) const;
    // The shaped word as it fits in `width`: whole, or elided on either side of the pivot.
    const Shaped& fitted(qreal width) const;
    // Where the glyphs of `shaped` go for `area`: from glyph coordinates to the painter's.
    QTransform glyphTransform(const Shaped& shaped, const QRectF& area) const;
    void drawGlyphs(QPainter& painter, const QRectF& area,
                    GlyphPictures::Placement placement) const;
    void drawPicture(QPainter& painter, const QRectF& area) const;
    qreal idealWidth() const;

    QFont font_;
    QString before_;
    QString pivot_;
    QString after_; // for a group: the rest of the first word and the other words
    bool grouped_ = false;
    bool highlight_ = false;
    QColor text_;
    QColor pivotColor_;
    Shaped whole_;
    mutable std::optional<std::pair<qreal, Shaped>> elided_; // by the width it was cut for
    // The line's ink in device pixels as last drawn for an area of `pictureSize_`, which
    // `pictureShape_` placed from the area's corner; the picture's own corner lies at
    // `pictureCorner_` from the whole device pixel the area's corner falls in.
    mutable QImage picture_;
    mutable QSizeF pictureSize_;
    mutable QTransform pictureShape_;
    mutable QPoint pictureCorner_;
    qreal ascent_ = 0;
    qreal height_ = 0;
};

} // namespace velora
