#pragma once

#include "core/Word.hpp"
#include "ui/BidiLevels.hpp"
#include "ui/FlowLayout.hpp"

#include <QColor>
#include <QFont>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QPainter;

namespace velora {

// The four faces of the page at one size, and their metrics.
struct FlowFonts {
    QFont regular;
    QFont bold;
    QFont regularShaped;
    QFont boldShaped;
    qreal regularHeight = 0;
    qreal boldHeight = 0;
    qreal regularAscent = 0;
    qreal boldAscent = 0;

    static FlowFonts at(qreal size);
    const QFont& of(bool shaped, bool bold) const;
};

// Words [first, first + wordText.size()) of a text, each distinct text held once.
struct FlowText {
    std::size_t first = 0;
    std::vector<std::uint32_t> wordText; // index into distinct
    std::vector<std::uint8_t> paragraphEnds;
    std::vector<QString> distinct;
    std::vector<std::uint8_t> shaped;          // per distinct text: drawn with shaping
    std::vector<BidiLevels::WordLevel> levels; // empty when all runs left to right

    static FlowText intern(const std::vector<Word>& words, std::size_t first, std::size_t last);
    // Words around `at`, up to `reach` on each side, from a paragraph's start where one is in
    // reach: from there they wrap as the whole page does.
    static std::pair<std::size_t, std::size_t> neighbourhood(const std::vector<Word>& words,
                                                             std::size_t at, std::size_t reach);
};

// A text measured and wrapped at one width, every word in its regular weight but those
// restyled. Each distinct word is measured once, so a book costs its vocabulary, not its length.
struct FlowPage {
    std::shared_ptr<const FlowText> text;
    std::vector<float> regularWidth;
    std::vector<float> boldWidth; // negative until measured
    std::vector<QSizeF> sizes;
    FlowLayout::Placement placement;

    using Stopped = std::function<bool()>;
    // Runs on any thread; interns the whole of `words` when no text is given. Answers none once
    // `stopped`.
    static std::optional<FlowPage> build(const std::vector<Word>& words,
                                         std::shared_ptr<const FlowText> text,
                                         const FlowFonts& fonts, const FlowLayout& layout,
                                         const QRectF& bounds, const Stopped& stopped);

    bool holds(std::size_t index) const;
    const QFont& fontFor(std::uint32_t distinct, bool bold, const FlowFonts& fonts) const;
    // Sizes words in [first, last) that the page holds in the weight given.
    void restyle(std::size_t first, std::size_t last, bool bold, const FlowFonts& fonts);
    // Wraps again around words [first, last), whose widths changed.
    void rewrap(std::size_t first, std::size_t last, const FlowLayout& layout,
                const QRectF& bounds);
    // The vertical centre of a word, on the page.
    qreal centreOf(std::size_t index) const;

    // The part of the page to draw, in page coordinates, and how far it is scrolled.
    struct Visible {
        qreal top;
        qreal bottom;
        int scroll;
    };
    // Words [first, last) are drawn bold in `active`, the others in `inactive`.
    struct Chunk {
        std::size_t first;
        std::size_t last;
        QColor active;
        QColor inactive;
    };
    // Draws the words of the lines in sight, each whole in its own direction.
    void draw(QPainter& painter, const FlowFonts& fonts, const Visible& visible,
              const Chunk& chunk) const;
};

} // namespace velora
