#pragma once

#include "core/ReadingMode.hpp"
#include "core/Word.hpp"
#include "ui/FlowLayout.hpp"
#include "ui/ThemePalette.hpp"

#include <QAbstractScrollArea>
#include <QFont>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

class QVariantAnimation;

namespace velora {

// The flow and spotlight modes: the whole text as one scrolling page of wrapped lines, the
// current words in bold, kept centred; in flow a band lies behind the current word's line.
//
// Built for whole books: each distinct word is measured once per font, the page is laid out
// once per width or size change (a word change only re-wraps the lines it touches), and only
// the visible lines are drawn.
class FlowReadingView : public QAbstractScrollArea {
    Q_OBJECT

public:
    static constexpr qreal padding = 28;
    static constexpr qreal rulerInset = 18;    // on each side of the visible width
    static constexpr qreal rulerOverhang = 10; // added to the word's height
    static constexpr qreal rulerOpacity = 0.18;
    static constexpr double rulerSeconds = 0.18;
    static constexpr double scrollSeconds = 0.2;
    // Space between paragraphs beyond the line spacing, as a share of the line's height.
    static constexpr qreal paragraphGap = 0.75;

    // Spotlight fades the words outside the current chunk almost out, on purpose.
    static constexpr qreal spotlightOpacity = 0.07;

    // The words outside the current chunk: the theme's quieter text in flow, which still reads
    // against the page, a near-invisible fade in spotlight.
    static QColor inactiveColour(ReadingMode mode, const ThemePalette& palette);

    explicit FlowReadingView(QWidget* parent = nullptr);

    // Every word of the text, in order; word i is the one at position i. The current range is
    // kept, clamped to the new words. It measures and wraps the whole text (about 0.1 s for a
    // million words), so call it when the text changes, not on every step.
    void setWords(const std::vector<Word>& words);
    // The current chunk: positions first up to, not including, last.
    void setActiveRange(std::size_t first, std::size_t last);
    void setMode(ReadingMode mode);
    void setThemePalette(const ThemePalette& palette);
    // The word size in points (logical pixels).
    void setFontSize(qreal size);
    // Measures the page again after the reading font changed.
    void refreshFonts();

    std::size_t wordCount() const { return wordText_.size(); }
    // Where a word is drawn now, in the coordinates of the viewport.
    std::optional<QRectF> wordBounds(std::size_t index) const;
    // The reading band as drawn now, in the coordinates of the viewport; none when not drawn.
    std::optional<QRectF> rulerBounds() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool isActive(std::size_t index) const;
    QSizeF sizeOf(std::size_t index, bool bold);
    const QFont& fontFor(std::uint32_t text, bool bold) const;
    void measure();
    void layOut();
    void updateScrollRange();
    QRectF pageBounds() const;
    qreal pageHeight() const;
    // The vertical centre of a word on the page, and the scroll value that centres it.
    qreal centreOf(std::size_t index) const;
    int scrollValueCentring(std::size_t index) const;
    // Centres the current word and its band at once, as after a new text or a new width.
    void settle();
    void follow(bool animated);
    void styleScrollBar();

    std::vector<std::uint32_t> wordText_; // index into distinct_
    std::vector<std::uint8_t> paragraphEnds_;
    std::vector<QString> distinct_;
    std::vector<std::uint8_t> shaped_;          // per distinct text: drawn with shaping
    std::vector<BidiLevels::WordLevel> levels_; // empty when all runs left to right
    std::vector<float> regularWidth_;
    std::vector<float> boldWidth_; // negative until measured
    std::vector<QSizeF> sizes_;

    QFont regular_;
    QFont bold_;
    QFont regularShaped_;
    QFont boldShaped_;
    qreal regularHeight_ = 0;
    qreal boldHeight_ = 0;
    qreal regularAscent_ = 0;
    qreal boldAscent_ = 0;

    FlowLayout layout_;
    FlowLayout::Placement placement_;
    qreal laidOutWidth_ = -1;

    std::size_t activeFirst_ = 0;
    std::size_t activeLast_ = 0;
    ReadingMode mode_ = ReadingMode::flow;
    ThemePalette palette_;
    qreal fontSize_ = 24;

    qreal rulerCentre_ = 0; // on the page
    QVariantAnimation* scroll_;
    QVariantAnimation* ruler_;
};

} // namespace velora
