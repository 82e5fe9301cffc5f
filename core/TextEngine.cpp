#include "core/TextEngine.hpp"

#include "core/Graphemes.hpp"
#include "core/ORP.hpp"
#include "core/Punctuation.hpp"

namespace velora::TextEngine {

namespace {

bool separatesTokens(char c) {
    return c == ' ' || c == '\t';
}

bool endsToken(char c) {
    return separatesTokens(c) || c == '\n';
}

// Bytes of multi-byte UTF-8 sequences never look like ASCII, so tokens can be found bytewise.
std::size_t countTokens(std::string_view text) {
    std::size_t n = 0;
    bool inToken = false;
    for (char c : text) {
        const bool boundary = endsToken(c);
        n += (!boundary && !inToken) ? 1 : 0;
        inToken = !boundary;
    }
    return n;
}

// Takes well-formed text with LF line ends only.
std::vector<Word> tokenizeLines(std::string_view text) {
    std::vector<Word> words;
    // Exactly sized, so that the list holds no spare capacity.
    words.reserve(countTokens(text));
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        if (endsToken(text[i])) {
            ++i;
            continue;
        }
        const std::size_t begin = i;
        while (i < n && !endsToken(text[i])) {
            ++i;
        }
        const std::string_view token = text.substr(begin, i - begin);
        while (i < n && separatesTokens(text[i])) {
            ++i;
        }
        words.push_back(Word{.id = static_cast<std::int64_t>(words.size()),
                             .text = std::string(token),
                             .orp = ORP::index(token),
                             .punctuation = Punctuation::weight(token),
                             .isParagraphEnd = i == n || text[i] == '\n'});
    }
    return words;
}

} // namespace

std::vector<Word> tokenize(std::string_view text) {
    if (!Graphemes::isWellFormed(text)) {
        return tokenizeLines(normalize(Graphemes::repairUtf8(text)));
    }
    if (text.find('\r') != std::string_view::npos) {
        return tokenizeLines(normalize(text));
    }
    return tokenizeLines(text);
}

std::string normalize(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            result += text[i];
            continue;
        }
        result += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
    }
    return result;
}

SpeechString speechString(std::span<const Word> words) {
    SpeechString result;
    std::vector<std::size_t> marks;
    marks.reserve(words.size() * 2);
    for (const Word& word : words) {
        if (!marks.empty()) {
            result.text += ' ';
        }
        marks.push_back(result.text.size());
        result.text += word.text;
        marks.push_back(result.text.size());
    }

    // Whether a character boundary lies at some offset depends only on the text before it and the
    // one character after it, so the prefix of the joined text that ends at a mark has one
    // character more than the boundaries of the whole text that lie strictly inside it. Counting
    // that way keeps the work linear.
    std::vector<std::int64_t> counts;
    counts.reserve(marks.size());
    std::int64_t boundariesBefore = 0;
    auto countAt = [&](std::size_t mark) {
        return mark == 0 ? std::int64_t{0} : boundariesBefore + 1;
    };
    Graphemes::forEach(result.text, [&](std::size_t, std::size_t end) {
        while (counts.size() < marks.size() && marks[counts.size()] <= end) {
            counts.push_back(countAt(marks[counts.size()]));
        }
        ++boundariesBefore;
    });
    while (counts.size() < marks.size()) {
        counts.push_back(countAt(marks[counts.size()]));
    }

    result.ranges.reserve(words.size());
    for (std::size_t k = 0; k + 1 < counts.size(); k += 2) {
        result.ranges.push_back({counts[k], counts[k + 1]});
    }
    return result;
}

} // namespace velora::TextEngine
