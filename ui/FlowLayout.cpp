#include "ui/FlowLayout.hpp"

#include <algorithm>
#include <limits>

namespace velora {

std::size_t FlowLayout::Placement::lineOf(std::size_t index) const {
    const auto after =
        std::upper_bound(lines.begin(), lines.end(), index,
                         [](std::size_t i, const Line& line) { return i < line.first; });
    return after == lines.begin() ? 0 : static_cast<std::size_t>(after - lines.begin()) - 1;
}

QSizeF FlowLayout::size(std::span<const QSizeF> sizes, std::optional<qreal> proposedWidth) const {
    const qreal limit = proposedWidth.value_or(std::numeric_limits<qreal>::max());
    const Placement placement = place(sizes, QRectF(0, 0, limit, 0));
    qreal widest = 0;
    for (const Line& line : placement.lines) {
        widest = std::max(widest, line.width);
    }
    const qreal height =
        placement.lines.empty() ? 0 : placement.lines.back().y + placement.lines.back().height;
    return {proposedWidth.value_or(widest), height};
}

FlowLayout::Placement FlowLayout::place(std::span<const QSizeF> sizes, const QRectF& bounds,
                                        ParagraphEnds paragraphEnds, Levels levels) const {
    Placement placement;
    placement.x.resize(sizes.size());
    run(placement.x, placement.lines, sizes, paragraphEnds, levels, bounds, 0, bounds.top(), {}, 0);
    return placement;
}

void FlowLayout::replace(Placement& placement, std::span<const QSizeF> sizes, const QRectF& bounds,
                         std::size_t first, std::size_t last, ParagraphEnds paragraphEnds,
                         Levels levels) const {
    if (placement.x.size() != sizes.size() || placement.lines.empty()) {
        placement = place(sizes, bounds, paragraphEnds, levels);
        return;
    }
    if (first >= sizes.size()) {
        return;
    }
    auto& lines = placement.lines;
    // A narrower first element may now fit at the end of the line before.
    const std::size_t from = std::max<std::size_t>(placement.lineOf(first), 1) - 1;
    const std::span<const Line> former(lines.begin() + static_cast<std::ptrdiff_t>(from) + 1,
                                       lines.end());
    std::vector<Line> fresh;
    const std::optional<std::size_t> met =
        run(placement.x, fresh, sizes, paragraphEnds, levels, bounds, lines[from].first,
            lines[from].y, former, last);
    const auto replacedBegin = lines.begin() + static_cast<std::ptrdiff_t>(from);
    if (!met) {
        lines.erase(replacedBegin, lines.end());
        lines.insert(lines.end(), fresh.begin(), fresh.end());
        return;
    }
    // From the met line on every element keeps its place across; only the height on the page
    // may move.
    const qreal shift = fresh.back().y - former[*met].y;
    fresh.pop_back();
    const auto replacedEnd = replacedBegin + static_cast<std::ptrdiff_t>(*met) + 1;
    const std::size_t keptFrom = from + fresh.size();
    lines.erase(replacedBegin, replacedEnd);
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(from), fresh.begin(), fresh.end());
    if (shift != 0) {
        for (auto line = lines.begin() + static_cast<std::ptrdiff_t>(keptFrom); line != lines.end();
             ++line) {
            line->y += shift;
        }
    }
}

std::optional<std::size_t>
FlowLayout::run(std::vector<float>& x, std::vector<Line>& out, std::span<const QSizeF> sizes,
                ParagraphEnds paragraphEnds, Levels levels, const QRectF& bounds, std::size_t from,
                qreal y, std::span<const Line> resync, std::size_t stableFrom) const {
    const qreal left = bounds.left();
    const qreal right = bounds.right();
    std::size_t next = 0; // the first line of `resync` that a new line could still meet
    qreal at = left;
    Line line{from, y, 0, 0};
    for (std::size_t i = from; i < sizes.size(); ++i) {
        const QSizeF size = sizes[i];
        const bool newParagraph = i > from && i - 1 < paragraphEnds.size() && paragraphEnds[i - 1];
        if (newParagraph || (at > left && at + size.width() > right)) {
            line.width = at - spacing - left;
            arrange(x, line, i, sizes, levels, bounds);
            out.push_back(line);
            const qreal gap = lineSpacing + (newParagraph ? paragraphSpacing : 0);
            line = Line{i, line.y + line.height + gap, 0, 0};
            at = left;
            if (i >= stableFrom) {
                while (next < resync.size() && resync[next].first < i) {
                    ++next;
                }
                if (next < resync.size() && resync[next].first == i) {
                    out.push_back(line);
                    return next;
                }
            }
        }
        x[i] = static_cast<float>(at);
        at += size.width() + spacing;
        line.height = std::max(line.height, size.height());
    }
    if (from < sizes.size()) {
        line.width = at - spacing - left;
        arrange(x, line, sizes.size(), sizes, levels, bounds);
        out.push_back(line);
    }
    return std::nullopt;
}

void FlowLayout::arrange(std::vector<float>& x, const Line& line, std::size_t end,
                         std::span<const QSizeF> sizes, Levels levels, const QRectF& bounds) const {
    if (levels.size() < end || end == line.first) {
        return;
    }
    const Levels onLine = levels.subspan(line.first, end - line.first);
    qreal at = onLine.front().rightToLeftParagraph ? bounds.right() - line.width : bounds.left();
    for (const std::size_t i : BidiLevels::visualOrder(onLine)) {
        x[line.first + i] = static_cast<float>(at);
        at += sizes[line.first + i].width() + spacing;
    }
}

} // namespace velora
