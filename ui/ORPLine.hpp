#pragma once

#include "core/Word.hpp"
#include "ui/ThemePalette.hpp"

#include <QColor>
#include <QFont>
#include <QString>
#include <span>

class QPainter;

namespace velora {

// One chunk on one line. A single word is cut at its pivot letter and placed so that the pivot
// letter's centre lies on the line's centre whatever the lengths of the two sides; two or more
// words are centred as a group. A single word too wide for the line shrinks, to no less than
// 40%, and what still does not fit is elided; a group shrinks until all its words fit.
class ORPLine {
public:
    static constexpr qreal minimumScale = 0.4;

    ORPLine(std::span<const Word> words, const ThemePalette& palette, bool highlightPivot,
            qreal fontSize);

    qreal height() const { return height_; }
    // The factor the line is drawn at within `width`.
    qreal scale(qreal width) const;
    // Draws the line across `area`, centred in both directions.
    void paint(QPainter& painter, const QRectF& area) const;

private:
    void paintPivotCentred(QPainter& painter, qreal width) const;
    void paintGroup(QPainter& painter, qreal width) const;
    qreal idealWidth() const;

    QFont font_;
    QString before_;
    QString pivot_;
    QString after_; // for a group: the rest of the first word and the other words
    bool grouped_ = false;
    QColor text_;
    QColor pivotColor_;
    qreal beforeWidth_ = 0;
    qreal pivotWidth_ = 0;
    qreal afterWidth_ = 0;
    qreal ascent_ = 0;
    qreal height_ = 0;
};

} // namespace velora
