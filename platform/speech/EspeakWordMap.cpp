#include "platform/speech/EspeakWordMap.hpp"

#include <QChar>
#include <algorithm>

namespace velora {

EspeakWordMap::EspeakWordMap(const QString& text) {
    qsizetype codePoint = 0;
    std::optional<Span> word;
    for (qsizetype unit = 0; unit < text.size(); ++codePoint) {
        const qsizetype start = unit;
        char32_t value = text.at(unit).unicode();
        if (QChar::isHighSurrogate(value) && unit + 1 < text.size() &&
            text.at(unit + 1).isLowSurrogate()) {
            value = QChar::surrogateToUcs4(text.at(unit), text.at(unit + 1));
            ++unit;
        }
        ++unit;
        if (QChar::isSpace(value)) {
            if (word) {
                words_.push_back(*word);
                word.reset();
            }
            continue;
        }
        if (!word) {
            word = Span{codePoint, codePoint, {start, 0}};
        }
        word->endCodePoint = codePoint + 1;
        word->range.length = unit - word->range.location;
    }
    if (word) {
        words_.push_back(*word);
    }
}

std::optional<Utf16Range> EspeakWordMap::take(int textPosition, int length) {
    const qsizetype first = qsizetype{textPosition} - 1;
    const qsizetype end = first + std::max(length, 1);
    auto overlapping =
        std::partition_point(words_.begin() + static_cast<std::ptrdiff_t>(next_), words_.end(),
                             [first](const Span& word) { return word.endCodePoint <= first; });
    if (overlapping == words_.end() || overlapping->firstCodePoint >= end) {
        return std::nullopt;
    }
    next_ = static_cast<std::size_t>(overlapping - words_.begin()) + 1;
    return overlapping->range;
}

} // namespace velora
