#include "core/ScriptWords.hpp"

#include "core/CodePointTable.hpp"
#include "core/Graphemes.hpp"
#include "core/ORP.hpp"

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>
#include <unicode/brkiter.h>
#include <unicode/uchar.h>
#include <unicode/uscript.h>
#include <unicode/ustring.h>
#include <unicode/utext.h>

namespace velora::ScriptWords {

namespace {

enum Trait : std::uint8_t {
    alphanumeric = 1,
    // Only ever set together with `alphanumeric`: a full stop shared by all CJK scripts says
    // nothing about the script around it.
    unspacedScript = 2,
    opening = 4,
};

bool isUnspacedScript(std::int32_t c) {
    UErrorCode status = U_ZERO_ERROR;
    switch (uscript_getScript(c, &status)) {
    case USCRIPT_HAN:
    case USCRIPT_HIRAGANA:
    case USCRIPT_KATAKANA:
    case USCRIPT_THAI:
    case USCRIPT_LAO:
    case USCRIPT_KHMER:
    case USCRIPT_MYANMAR:
        return U_SUCCESS(status);
    default:
        return false;
    }
}

std::uint8_t computeTraits(std::int32_t c) {
    std::uint8_t traits = 0;
    if (ORP::isAlphanumeric(c)) {
        traits |= alphanumeric;
        traits |= isUnspacedScript(c) ? unspacedScript : 0;
    }
    const auto type = static_cast<UCharCategory>(u_charType(c));
    if (type == U_START_PUNCTUATION || type == U_INITIAL_PUNCTUATION) {
        traits |= opening;
    }
    return traits;
}

std::uint8_t traitsOf(std::int32_t c) {
    static const CodePointTable<std::uint8_t, computeTraits> table;
    return c < 0 ? 0 : table(c);
}

// A stretch between two ICU word boundaries.
struct Segment {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool alphanumeric = false;
    bool unspaced = false;
    bool endsOpening = false;

    void add(std::uint8_t traits) {
        alphanumeric = alphanumeric || (traits & Trait::alphanumeric) != 0;
        unspaced = unspaced || (traits & unspacedScript) != 0;
        endsOpening = (traits & opening) != 0;
    }
};

icu::BreakIterator* wordIterator() {
    thread_local const std::unique_ptr<icu::BreakIterator> iterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> made(
            icu::BreakIterator::createWordInstance(icu::Locale::getRoot(), status));
        return U_SUCCESS(status) ? std::move(made) : nullptr;
    }();
    return iterator.get();
}

// A token longer than this, which no prose holds, is looked at in windows, so that its UTF-16
// copy stays small and ICU's 32-bit offsets hold; a window ends before a character, and its edge
// counts as a boundary.
constexpr std::size_t windowBytes = std::size_t{1} << 26;

bool joinsThePrevious(std::string_view token, std::size_t at) {
    switch (u_getIntPropertyValue(Graphemes::decode(token, at), UCHAR_GRAPHEME_CLUSTER_BREAK)) {
    case U_GCB_EXTEND:
    case U_GCB_SPACING_MARK:
    case U_GCB_ZWJ:
        return true;
    default:
        return false;
    }
}

std::size_t windowEnd(std::string_view token, std::size_t from) {
    if (token.size() - from <= windowBytes) {
        return token.size();
    }
    std::size_t to = from + windowBytes;
    while (to > from + 1 && ((static_cast<unsigned char>(token[to]) & 0xC0) == 0x80 ||
                             joinsThePrevious(token, to))) {
        --to;
    }
    return to;
}

constexpr std::size_t keptBufferUnits = std::size_t{1} << 16;

// The dictionary engines read UTF-16 much faster than UTF-8 through a UText; the UTF-8 offsets
// are found again by walking both encodings side by side.
void appendSegments(std::string_view token, std::size_t from, std::size_t to,
                    std::vector<Segment>& segments) {
    thread_local std::vector<UChar> utf16;
    const std::string_view window = token.substr(from, to - from);
    if (utf16.size() <= window.size()) {
        utf16.resize(window.size() + 1);
    }
    std::int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8(utf16.data(), static_cast<std::int32_t>(utf16.size()), &length, window.data(),
                  static_cast<std::int32_t>(window.size()), &status);
    UText text = UTEXT_INITIALIZER;
    utext_openUChars(&text, utf16.data(), length, &status);
    icu::BreakIterator* iterator = wordIterator();
    if (iterator != nullptr && U_SUCCESS(status)) {
        iterator->setText(&text, status);
    }
    std::size_t i = from;
    std::int32_t unit = 0;
    Segment current{.begin = from};
    auto takeUpTo = [&](std::int32_t at) {
        while (unit < at && i < to) {
            const std::int32_t c = Graphemes::decode(token.substr(0, to), i);
            unit += c > 0xFFFF ? 2 : 1;
            current.add(traitsOf(c));
        }
        current.end = i;
        segments.push_back(current);
        current = Segment{.begin = i};
    };
    if (iterator != nullptr && U_SUCCESS(status)) {
        for (std::int32_t at = iterator->next(); at != icu::BreakIterator::DONE;
             at = iterator->next()) {
            takeUpTo(at);
        }
    }
    // Whatever the iterator did not reach is one more segment.
    if (i < to) {
        takeUpTo(std::numeric_limits<std::int32_t>::max());
    }
    utext_close(&text);
    // A window of a huge token would otherwise stay with the thread.
    if (utf16.size() > keptBufferUnits) {
        utf16 = {};
    }
}

void segment(std::string_view token, std::vector<Segment>& segments) {
    segments.clear();
    std::size_t from = 0;
    while (from < token.size()) {
        const std::size_t to = windowEnd(token, from);
        appendSegments(token, from, to, segments);
        from = to;
    }
}

// A boundary is kept where the nearest letters or digits on either side belong to a script
// written without spaces: "iPhone在中国" is cut before 在, "well-known" stays whole.
void keepCutsNearUnspacedText(const std::vector<Segment>& segments, std::vector<Segment>& merged) {
    std::vector<bool> unspacedAfter(segments.size() + 1, false);
    for (std::size_t k = segments.size(); k > 0; --k) {
        const Segment& s = segments[k - 1];
        unspacedAfter[k - 1] = s.alphanumeric ? s.unspaced : unspacedAfter[k];
    }
    merged.clear();
    bool unspacedBefore = false;
    for (std::size_t k = 0; k < segments.size(); ++k) {
        const Segment& s = segments[k];
        if (k == 0 || unspacedBefore || unspacedAfter[k]) {
            merged.push_back(s);
        } else {
            Segment& last = merged.back();
            last.end = s.end;
            last.alphanumeric = last.alphanumeric || s.alphanumeric;
            last.unspaced = last.unspaced || s.unspaced;
            last.endsOpening = s.endsOpening;
        }
        unspacedBefore = s.alphanumeric ? s.unspaced : unspacedBefore;
    }
}

// Marks join the word before them, as a comma does in English; opening brackets and quotes join
// the word after them.
void attachMarks(const std::vector<Segment>& merged, std::size_t tokenSize,
                 std::vector<Piece>& pieces) {
    pieces.clear();
    std::optional<std::size_t> pendingOpening;
    for (const Segment& s : merged) {
        if (s.alphanumeric) {
            pieces.push_back({pendingOpening.value_or(s.begin), s.end});
            pendingOpening.reset();
        } else if (pendingOpening) {
            continue;
        } else if (s.endsOpening || pieces.empty()) {
            pendingOpening = s.begin;
        } else {
            pieces.back().end = s.end;
        }
    }
    if (pendingOpening) {
        if (pieces.empty()) {
            pieces.push_back({*pendingOpening, tokenSize});
        } else {
            pieces.back().end = tokenSize;
        }
    }
}

} // namespace

bool holdsUnspacedLetters(std::string_view token) {
    for (std::size_t i = nextLetterLead(token, 0); i < token.size(); i = nextLetterLead(token, i)) {
        if ((traitsOf(Graphemes::decode(token, i)) & unspacedScript) != 0) {
            return true;
        }
    }
    return false;
}

void cut(std::string_view token, std::vector<Piece>& pieces) {
    // Hangul and most symbols of three bytes are not worth setting up the break iterator for.
    if (!holdsUnspacedLetters(token)) {
        pieces.assign(1, Piece{0, token.size()});
        return;
    }
    thread_local std::vector<Segment> segments;
    thread_local std::vector<Segment> merged;
    segment(token, segments);
    keepCutsNearUnspacedText(segments, merged);
    attachMarks(merged, token.size(), pieces);
}

} // namespace velora::ScriptWords
