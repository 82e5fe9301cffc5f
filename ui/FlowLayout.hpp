#pragma once

#include "ui/BidiLevels.hpp"

#include <QRectF>
#include <QSizeF>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace velora {

// Wraps elements of known size into lines, in order: left-aligned, or right-aligned for a
// paragraph that runs right to left, its elements in their visual order. An element wider than
// the whole line sits alone on its line and overflows it; nothing is split or justified. After
// an element that ends a paragraph a new line begins, lower by the paragraph spacing.
struct FlowLayout {
    struct Line {
        std::size_t first = 0; // index of the line's first element
        qreal y = 0;
        qreal height = 0;
        qreal width = 0; // from the first element's outer edge to the last one's
    };

    // Where every element goes: element i has its top-left corner at (x[i], y) of the line holding
    // it, both in the coordinates of the bounds. Lines are sorted by `first` and by `y`, so visible
    // ones are found by binary search.
    struct Placement {
        std::vector<float> x;
        std::vector<Line> lines;

        // Index in `lines` of the line that holds element `index`.
        std::size_t lineOf(std::size_t index) const;
    };

    qreal spacing = 8;
    qreal lineSpacing = 14;
    qreal paragraphSpacing = 0;

    // One flag per element, non-zero where a paragraph ends; elements past its end end none.
    using ParagraphEnds = std::span<const std::uint8_t>;
    // One per element, from BidiLevels::resolve; empty for left to right throughout.
    using Levels = std::span<const BidiLevels::WordLevel>;

    // The size the elements take for a proposed width; without one, everything on one line.
    QSizeF size(std::span<const QSizeF> sizes, std::optional<qreal> proposedWidth) const;

    Placement place(std::span<const QSizeF> sizes, const QRectF& bounds,
                    ParagraphEnds paragraphEnds = {}, Levels levels = {}) const;

    // Places again after the sizes of the elements in [first, last) changed. Work starts at the
    // line holding `first` and ends at the first later line that starts where it did before, so a
    // change of one word costs a line or two, not the whole text.
    void replace(Placement& placement, std::span<const QSizeF> sizes, const QRectF& bounds,
                 std::size_t first, std::size_t last, ParagraphEnds paragraphEnds = {},
                 Levels levels = {}) const;

private:
    // Lays out from element `from` at line top `y`, appending lines to `out`. Stops early and
    // answers the index in `resync` (the former lines) once a new line, at or after element
    // `stableFrom`, begins where a former one did; that line is the last one in `out`.
    std::optional<std::size_t> run(std::vector<float>& x, std::vector<Line>& out,
                                   std::span<const QSizeF> sizes, ParagraphEnds paragraphEnds,
                                   Levels levels, const QRectF& bounds, std::size_t from, qreal y,
                                   std::span<const Line> resync, std::size_t stableFrom) const;
    // Places the elements of a finished line [line.first, end) in their visual order.
    void arrange(std::vector<float>& x, const Line& line, std::size_t end,
                 std::span<const QSizeF> sizes, Levels levels, const QRectF& bounds) const;
};

} // namespace velora
