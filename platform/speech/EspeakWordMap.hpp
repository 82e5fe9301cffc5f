#pragma once

#include "app/platform/SpeechSynthesizer.hpp"

#include <vector>

namespace velora {

// Turns espeak-ng's word events into the words of the utterance's text. The events count
// 1-based code points, may come several times for one word (numbers, emoji, CJK) or fall on a
// space; each word of the text (a run without white space) is given out at most once, in order,
// as its range in UTF-16 code units.
class EspeakWordMap {
public:
    explicit EspeakWordMap(const QString& text);

    // The first word not yet given out that the event's characters overlap, if any.
    std::optional<Utf16Range> take(int textPosition, int length);

private:
    struct Span {
        qsizetype firstCodePoint;
        qsizetype endCodePoint;
        Utf16Range range;
    };

    std::vector<Span> words_;
    std::size_t next_ = 0;
};

} // namespace velora
