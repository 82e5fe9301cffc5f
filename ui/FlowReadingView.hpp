#pragma once

#include "core/ReadingMode.hpp"
#include "core/Word.hpp"
#include "ui/FlowLayout.hpp"
#include "ui/ThemePalette.hpp"

#include <QAbstractScrollArea>
#include <QFont>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
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
    // kept, clamped to the new words. The words are copied, so the vector may go at once; a
    // newer text replaces one still being laid out.
    void setWords(const std::vector<Word>& words);
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
    // The words as one block of UTF-8, cheap to hand to a worker.
    struct Source {
        std::string bytes;
        std::vector<std::size_t> ends; // of word i in `bytes`
        std::vector<std::uint8_t> paragraphEnds;
        std::string_view word(std::size_t index) const;
    };
    // Words [first, first + wordText.size()) of a source, each distinct text held once.
    struct Text {
        std::size_t first = 0;
        std::vector<std::uint32_t> wordText; // index into distinct
        std::vector<std::uint8_t> paragraphEnds;
        std::vector<QString> distinct;
        std::vector<std::uint8_t> shaped;          // per distinct text: drawn with shaping
        std::vector<BidiLevels::WordLevel> levels; // empty when all runs left to right
    };
    struct Fonts {
        QFont regular;
        QFont bold;
        QFont regularShaped;
        QFont boldShaped;
        qreal regularHeight = 0;
        qreal boldHeight = 0;
        qreal regularAscent = 0;
        qreal boldAscent = 0;
        const QFont& of(bool shaped, bool bold) const;
    };
    // A text measured and wrapped at one width, every word in its regular weight.
    struct Page {
        std::shared_ptr<const Text> text;
        std::vector<float> regularWidth;
        std::vector<float> boldWidth; // negative until measured
        std::vector<QSizeF> sizes;
        FlowLayout::Placement placement;
        qreal width = -1;
        bool holds(std::size_t index) const;
    };
    using Stopped = std::function<bool()>;

    static Text intern(const Source& source, std::size_t first, std::size_t last);
    // Runs on any thread; answers none once `stopped`.
    static std::optional<Page> build(const Source& source, std::shared_ptr<const Text> text,
                                     const Fonts& fonts, const FlowLayout& layout, qreal width,
                                     const Stopped& stopped);

    bool isActive(std::size_t index) const;
    QSizeF sizeOf(std::size_t index, bool bold);
    const QFont& fontFor(std::uint32_t text, bool bold) const;
    void measure();
    // A page for the current width: the neighbourhood at once, the whole text on a worker.
    void layOut();
    void layOutNeighbourhood();
    void requestWholePage(std::shared_ptr<const Text> reusable);
    void install(Page page);
    // Sizes words in [first, last) that the page holds in the weight given, then wraps again
    // around them.
    void restyle(std::size_t first, std::size_t last, bool bold);
    void rewrap(std::size_t first, std::size_t last);
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

    std::shared_ptr<const Source> source_;
    std::size_t wordCount_ = 0;
    Fonts fonts_;
    FlowLayout layout_;
    Page page_;
    QFutureWatcher<Page>* wholePage_;
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
