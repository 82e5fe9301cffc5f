#pragma once

#include "core/ReadingMode.hpp"
#include "core/Word.hpp"
#include "ui/FlowLayout.hpp"
#include "ui/FlowPage.hpp"
#include "ui/ThemePalette.hpp"

#include <QAbstractScrollArea>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QVariantAnimation;
template <typename T> class QFutureWatcher;

namespace velora {

// The flow and spotlight modes: the whole text as one scrolling page of wrapped lines, the
// current words in bold, kept centred; in flow a band lies behind the current word's line.
//
// Built for whole books: each distinct word is measured once per font, the page is laid out
// once per width or size change (a word change only re-wraps the lines it touches), and only
// the visible lines are drawn. A long text is laid out on a worker, so the window never waits a
// frame for it: until the whole page arrives the view holds the current word's neighbourhood,
// wrapped from its paragraph's start just as the whole page wraps it.
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
    ~FlowReadingView() override;

    // Words on each side of the current one laid out at once while the whole page is on its way.
    static constexpr std::size_t neighbourhood = 1500;

    // Every word of the text, in order; word i is the one at position i. The current range is
    // kept, clamped to the new words. The words are shared, never changed; a newer text replaces
    // one still being laid out.
    void setWords(std::shared_ptr<const std::vector<Word>> words);
    // The current chunk: positions first up to, not including, last.
    void setActiveRange(std::size_t first, std::size_t last);
    void setMode(ReadingMode mode);
    void setThemePalette(const ThemePalette& palette);
    // The word size in points (logical pixels).
    void setFontSize(qreal size);
    // Measures the page again after the reading font changed.
    void refreshFonts();

    std::size_t wordCount() const { return wordCount_; }
    // Whether the page holds every word; else only the current word's neighbourhood.
    bool isLaidOut() const;
    // Where a word is drawn now, in the coordinates of the viewport; none for a word not laid
    // out yet.
    std::optional<QRectF> wordBounds(std::size_t index) const;
    // The reading band as drawn now, in the coordinates of the viewport; none when not drawn.
    std::optional<QRectF> rulerBounds() const;

signals:
    // The whole page is in place.
    void laidOut();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void measure();
    // A page for the current width: the neighbourhood at once, the whole text on a worker.
    void layOut();
    void layOutNeighbourhood();
    void requestWholePage(std::shared_ptr<const FlowText> reusable);
    void install(FlowPage page);
    // Restyles the chunk in the weight given and wraps again around it.
    void restyle(std::size_t first, std::size_t last, bool bold);
    void updateScrollRange();
    QRectF pageBounds() const;
    qreal pageHeight() const;
    // The scroll value that centres a word.
    int scrollValueCentring(std::size_t index) const;
    // Centres the current word and its band at once, as after a new text or a new width.
    void settle();
    void follow(bool animated);
    void styleScrollBar();

    std::shared_ptr<const std::vector<Word>> words_;
    std::size_t wordCount_ = 0;
    FlowFonts fonts_;
    FlowLayout layout_;
    FlowPage page_;
    QFutureWatcher<FlowPage>* wholePage_;
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
