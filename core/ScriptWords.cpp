#include "core/ScriptWords.hpp"

#include "core/CodePointTable.hpp"
#include "core/Graphemes.hpp"
#include "core/ORP.hpp"

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>
#include <span>
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

bool holdsUnspacedLetters(std::string_view token) {
    for (std::size_t i = 0; i < token.size();) {
        if ((traitsOf(Graphemes::decode(token, i)) & unspacedScript) != 0) {
            return true;
        }
    }
    return false;
}

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

// ICU reports boundaries in UTF-16 units; this walks the UTF-8 text alongside and closes a segment
// at each of them.
class SegmentWalk {
public:
    SegmentWalk(std::string_view text, std::size_t from, std::vector<Segment>& segments)
        : text_(text), i_(from), current_{.begin = from}, segments_(segments) {}

    // `at` counts units from where the walk began.
    void cutAt(std::int32_t at) {
        while (unit_ < at && i_ < text_.size()) {
            const std::int32_t c = Graphemes::decode(text_, i_);
            unit_ += c > 0xFFFF ? 2 : 1;
            current_.add(traitsOf(c));
        }
        current_.end = i_;
        segments_.push_back(current_);
        current_ = Segment{.begin = i_};
    }

    // Whatever the iterator did not reach is one more segment.
    void finish() {
        if (i_ < text_.size()) {
            cutAt(std::numeric_limits<std::int32_t>::max());
        }
    }

private:
    std::string_view text_;
    std::size_t i_;
    std::int32_t unit_ = 0;
    Segment current_;
    std::vector<Segment>& segments_;
};

// Converts into `utf16` from `at` on, growing it as needed; returns the units written.
std::int32_t appendUtf16(std::string_view utf8, std::vector<UChar>& utf16, std::size_t at) {
    if (utf16.size() <= at + utf8.size()) {
        utf16.resize(at + utf8.size() + 1);
    }
    std::int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8(utf16.data() + at, static_cast<std::int32_t>(utf16.size() - at), &length,
                  utf8.data(), static_cast<std::int32_t>(utf8.size()), &status);
    return U_SUCCESS(status) ? length : 0;
}

// Runs the word iterator over `units` and calls `visit(boundary)` for each boundary after the
// start. Does nothing when ICU cannot be set up, which leaves every token whole.
template <typename Visit>
void forEachBoundary(const std::vector<UChar>& utf16, std::int32_t units, Visit&& visit) {
    icu::BreakIterator* iterator = wordIterator();
    UErrorCode status = U_ZERO_ERROR;
    UText text = UTEXT_INITIALIZER;
    utext_openUChars(&text, utf16.data(), units, &status);
    if (iterator != nullptr && U_SUCCESS(status)) {
        iterator->setText(&text, status);
    }
    if (iterator != nullptr && U_SUCCESS(status)) {
        for (std::int32_t at = iterator->next(); at != icu::BreakIterator::DONE;
             at = iterator->next()) {
            visit(at);
        }
    }
    utext_close(&text);
}

thread_local std::vector<UChar> utf16Buffer;

// A large buffer, as a huge token needs, would otherwise stay with the thread.
void releaseLargeBuffer() {
    if (utf16Buffer.size() > keptBufferUnits) {
        utf16Buffer = {};
    }
}

// The dictionary engines read UTF-16 much faster than UTF-8 through a UText.
void appendSegments(std::string_view token, std::size_t from, std::size_t to,
                    std::vector<Segment>& segments) {
    const std::int32_t units = appendUtf16(token.substr(from, to - from), utf16Buffer, 0);
    SegmentWalk walk(token.substr(0, to), from, segments);
    forEachBoundary(utf16Buffer, units, [&](std::int32_t at) { walk.cutAt(at); });
    walk.finish();
    releaseLargeBuffer();
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
    const std::size_t first = pieces.size();
    std::optional<std::size_t> pendingOpening;
    for (const Segment& s : merged) {
        if (s.alphanumeric) {
            pieces.push_back({pendingOpening.value_or(s.begin), s.end});
            pendingOpening.reset();
        } else if (pendingOpening) {
            continue;
        } else if (s.endsOpening || pieces.size() == first) {
            pendingOpening = s.begin;
        } else {
            pieces.back().end = s.end;
        }
    }
    if (pendingOpening) {
        if (pieces.size() == first) {
            pieces.push_back({*pendingOpening, tokenSize});
        } else {
            pieces.back().end = tokenSize;
        }
    }
}

// Appends the words of one token, given its ICU segments.
void appendPieces(const std::vector<Segment>& segments, std::size_t tokenSize,
                  std::vector<Piece>& pieces) {
    thread_local std::vector<Segment> merged;
    keepCutsNearUnspacedText(segments, merged);
    attachMarks(merged, tokenSize, pieces);
}

// Tokens cut with one pass of the iterator, joined by line feeds: ICU breaks on both sides of a
// line feed and no rule looks across one, so each token gets the boundaries it would get alone,
// while ICU's set-up, thousands of instructions, is paid once for many short tokens.
class Batch {
public:
    Batch(std::vector<Piece>& pieces, std::vector<std::size_t>& counts)
        : pieces_(pieces), counts_(counts) {}

    // Tokens without letters of those scripts stay whole and only keep their place in order.
    void add(std::string_view token, bool cutByIcu) {
        Entry entry{token, units_, units_, cutByIcu};
        if (cutByIcu) {
            entry.end = units_ + appendUtf16(token, utf16Buffer, units_);
            utf16Buffer[entry.end] = u'\n';
            units_ = entry.end + 1;
        }
        entries_.push_back(entry);
        if (units_ >= static_cast<std::int32_t>(keptBufferUnits) ||
            entries_.size() >= keptBufferUnits) {
            flush();
        }
    }

    void flush() {
        std::size_t k = 0;
        std::optional<SegmentWalk> walk;
        auto open = [&] {
            segments_.clear();
            if (k < entries_.size() && entries_[k].cutByIcu) {
                walk.emplace(entries_[k].token, 0, segments_);
            }
        };
        auto close = [&] {
            const std::size_t before = pieces_.size();
            if (entries_[k].cutByIcu) {
                walk->finish();
                appendPieces(segments_, entries_[k].token.size(), pieces_);
            } else {
                pieces_.push_back({0, entries_[k].token.size()});
            }
            counts_.push_back(pieces_.size() - before);
            ++k;
            open();
        };
        open();
        if (units_ > 0) {
            forEachBoundary(utf16Buffer, units_, [&](std::int32_t at) {
                while (k < entries_.size() && (!entries_[k].cutByIcu || at > entries_[k].end)) {
                    close();
                }
                if (k < entries_.size() && at > entries_[k].begin) {
                    walk->cutAt(at - entries_[k].begin);
                }
            });
        }
        while (k < entries_.size()) {
            close();
        }
        entries_.clear();
        units_ = 0;
        releaseLargeBuffer();
    }

private:
    struct Entry {
        std::string_view token;
        std::int32_t begin;
        std::int32_t end;
        bool cutByIcu;
    };

    std::vector<Piece>& pieces_;
    std::vector<std::size_t>& counts_;
    std::vector<Entry> entries_;
    std::vector<Segment> segments_;
    std::int32_t units_ = 0;
};

} // namespace

void cutEach(std::span<const std::string_view> tokens, std::vector<Piece>& pieces,
             std::vector<std::size_t>& counts) {
    pieces.clear();
    counts.clear();
    Batch batch(pieces, counts);
    for (const std::string_view token : tokens) {
        // Hangul and most symbols of three bytes are not worth handing to the break iterator.
        const bool unspaced = holdsUnspacedLetters(token);
        if (!unspaced || token.size() <= windowBytes) {
            batch.add(token, unspaced);
            continue;
        }
        batch.flush();
        thread_local std::vector<Segment> segments;
        segment(token, segments);
        const std::size_t before = pieces.size();
        appendPieces(segments, token.size(), pieces);
        counts.push_back(pieces.size() - before);
    }
    batch.flush();
}

void cut(std::string_view token, std::vector<Piece>& pieces) {
    thread_local std::vector<std::size_t> counts;
    cutEach(std::span(&token, 1), pieces, counts);
}

} // namespace velora::ScriptWords
