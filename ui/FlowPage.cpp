#include "ui/FlowPage.hpp"

#include "ui/ReaderFonts.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace velora {

FlowFonts FlowFonts::at(qreal size) {
    FlowFonts fonts;
    fonts.regular = ReaderFonts::page(size, false);
    fonts.bold = ReaderFonts::page(size, true);
    fonts.regularShaped = ReaderFonts::shaped(fonts.regular);
    fonts.boldShaped = ReaderFonts::shaped(fonts.bold);
    const QFontMetricsF regular(fonts.regular);
    const QFontMetricsF bold(fonts.bold);
    fonts.regularHeight = regular.height();
    fonts.boldHeight = bold.height();
    fonts.regularAscent = regular.ascent();
    fonts.boldAscent = bold.ascent();
    return fonts;
}

const QFont& FlowFonts::of(bool shaped, bool bold) const {
    if (shaped) {
        return bold ? boldShaped : regularShaped;
    }
    return bold ? this->bold : regular;
}

FlowText FlowText::intern(const std::vector<Word>& words, std::size_t first, std::size_t last) {
    FlowText text;
    text.first = first;
    const std::size_t count = last - first;
    text.wordText.reserve(count);
    text.paragraphEnds.reserve(count);
    std::vector<BidiLevels::Direction> textDirections;
    std::vector<BidiLevels::Direction> directions;
    directions.reserve(count);
    std::unordered_map<std::string_view, std::uint32_t> seen;
    seen.reserve(std::min<std::size_t>(count, 1 << 16));
    for (std::size_t i = first; i < last; ++i) {
        const std::string_view word = words[i].text;
        text.paragraphEnds.push_back(words[i].isParagraphEnd ? 1 : 0);
        const auto [at, added] =
            seen.try_emplace(word, static_cast<std::uint32_t>(text.distinct.size()));
        if (added) {
            text.distinct.push_back(
                QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size())));
            text.shaped.push_back(ReaderFonts::needsShaping(text.distinct.back()) ? 1 : 0);
            textDirections.push_back(BidiLevels::of(text.distinct.back()));
        }
        text.wordText.push_back(at->second);
        directions.push_back(textDirections[at->second]);
    }
    text.levels = BidiLevels::resolve(directions, text.paragraphEnds);
    return text;
}

std::pair<std::size_t, std::size_t> FlowText::neighbourhood(const std::vector<Word>& words,
                                                            std::size_t at, std::size_t reach) {
    // The earliest paragraph start in reach leaves the most words above the current one. Without
    // one, lines there may break elsewhere until the whole page arrives.
    std::size_t first = at > reach ? at - reach : 0;
    for (std::size_t i = first; i > 0 && i <= at; ++i) {
        if (words[i - 1].isParagraphEnd) {
            first = i;
            break;
        }
    }
    return {first, std::min(words.size(), at + reach)};
}

std::optional<FlowPage> FlowPage::build(const std::vector<Word>& words,
                                        std::shared_ptr<const FlowText> text,
                                        const FlowFonts& fonts, const FlowLayout& layout,
                                        const QRectF& bounds, const Stopped& stopped) {
    FlowPage page;
    page.text = text ? std::move(text)
                     : std::make_shared<const FlowText>(FlowText::intern(words, 0, words.size()));
    if (stopped()) {
        return std::nullopt;
    }
    // Qt renders and so measures text on any thread (fontconfig keeps a font cache per thread).
    const QFontMetricsF regular(fonts.regular);
    const QFontMetricsF regularShaped(fonts.regularShaped);
    const std::vector<QString>& distinct = page.text->distinct;
    page.regularWidth.resize(distinct.size());
    for (std::size_t i = 0; i < distinct.size(); ++i) {
        page.regularWidth[i] = static_cast<float>(
            (page.text->shaped[i] ? regularShaped : regular).horizontalAdvance(distinct[i]));
    }
    page.boldWidth.assign(distinct.size(), -1);
    if (stopped()) {
        return std::nullopt;
    }
    page.sizes.reserve(page.text->wordText.size());
    for (const std::uint32_t word : page.text->wordText) {
        page.sizes.emplace_back(page.regularWidth[word], fonts.regularHeight);
    }
    page.placement = layout.place(page.sizes, bounds, page.text->paragraphEnds, page.text->levels);
    return page;
}

bool FlowPage::holds(std::size_t index) const {
    return text && index >= text->first && index - text->first < text->wordText.size();
}

const QFont& FlowPage::fontFor(std::uint32_t distinct, bool bold, const FlowFonts& fonts) const {
    return fonts.of(text->shaped[distinct] != 0, bold);
}

void FlowPage::restyle(std::size_t first, std::size_t last, bool bold, const FlowFonts& fonts) {
    for (std::size_t i = first; i < last; ++i) {
        if (!holds(i)) {
            continue;
        }
        const std::uint32_t word = text->wordText[i - text->first];
        if (!bold) {
            sizes[i - text->first] = {regularWidth[word], fonts.regularHeight};
            continue;
        }
        if (boldWidth[word] < 0) {
            boldWidth[word] = static_cast<float>(
                QFontMetricsF(fontFor(word, true, fonts)).horizontalAdvance(text->distinct[word]));
        }
        sizes[i - text->first] = {boldWidth[word], fonts.boldHeight};
    }
}

void FlowPage::rewrap(std::size_t first, std::size_t last, const FlowLayout& layout,
                      const QRectF& bounds) {
    if (!text) {
        return;
    }
    const std::size_t base = text->first;
    const std::size_t count = sizes.size();
    const std::size_t begin = std::clamp(first, base, base + count) - base;
    const std::size_t end = std::clamp(last, base, base + count) - base;
    if (begin < end) {
        layout.replace(placement, sizes, bounds, begin, end, text->paragraphEnds, text->levels);
    }
}

qreal FlowPage::centreOf(std::size_t index) const {
    const std::size_t at = index - text->first;
    return placement.lines[placement.lineOf(at)].y + sizes[at].height() / 2;
}

void FlowPage::draw(QPainter& painter, const FlowFonts& fonts, const Visible& visible,
                    const Chunk& chunk) const {
    if (!text) {
        return;
    }
    const auto& lines = placement.lines;
    auto line = std::partition_point(lines.begin(), lines.end(), [&](const FlowLayout::Line& l) {
        return l.y + l.height < visible.top;
    });
    const QFont* fontSet = nullptr;
    std::optional<bool> boldSet;
    for (; line != lines.end() && line->y < visible.bottom; ++line) {
        const std::size_t end = line + 1 == lines.end() ? text->wordText.size() : (line + 1)->first;
        for (std::size_t i = line->first; i < end; ++i) {
            const bool bold = text->first + i >= chunk.first && text->first + i < chunk.last;
            const std::uint32_t word = text->wordText[i];
            if (const QFont& font = fontFor(word, bold, fonts); fontSet != &font) {
                painter.setFont(font);
                fontSet = &font;
            }
            if (boldSet != bold) {
                painter.setPen(bold ? chunk.active : chunk.inactive);
                boldSet = bold;
            }
            if (!text->levels.empty()) {
                painter.setLayoutDirection(text->levels[i].level % 2 != 0 ? Qt::RightToLeft
                                                                          : Qt::LeftToRight);
            }
            const qreal baseline =
                line->y - visible.scroll + (bold ? fonts.boldAscent : fonts.regularAscent);
            painter.drawText(QPointF(placement.x[i], baseline), text->distinct[word]);
        }
    }
}

} // namespace velora
