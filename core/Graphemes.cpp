#include "core/Graphemes.hpp"

#include "core/GraphemeJoining.hpp"

#include <algorithm>
#include <memory>
#include <unicode/brkiter.h>
#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>
#include <unicode/utext.h>

namespace velora::Graphemes {

namespace {

// Returns false when `visit` asked to stop.
template <typename Visit>
bool forEachByBreakIterator(std::string_view text, std::size_t offset, Visit visit) {
    UErrorCode status = U_ZERO_ERROR;
    thread_local std::unique_ptr<icu::BreakIterator> iterator(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    UText utext = UTEXT_INITIALIZER;
    utext_openUTF8(&utext, text.data(), static_cast<std::int64_t>(text.size()), &status);
    if (U_FAILURE(status) || !iterator) {
        utext_close(&utext);
        return true;
    }
    iterator->setText(&utext, status);
    bool goOn = true;
    std::int32_t begin = iterator->first();
    for (std::int32_t end = iterator->next(); goOn && end != icu::BreakIterator::DONE;
         begin = end, end = iterator->next()) {
        goOn =
            visit(offset + static_cast<std::size_t>(begin), offset + static_cast<std::size_t>(end));
    }
    utext_close(&utext);
    return goOn;
}

const icu::Normalizer2* nfd() {
    UErrorCode status = U_ZERO_ERROR;
    static const icu::Normalizer2* instance = icu::Normalizer2::getNFDInstance(status);
    return instance;
}

// Where the code point that ends at `end` starts; well-formed text assumed, checked by the caller.
std::size_t previousStart(std::string_view utf8, std::size_t end) {
    std::size_t start = end - 1;
    while (start > 0 && (static_cast<unsigned char>(utf8[start]) & 0xC0) == 0x80) {
        --start;
    }
    return start;
}

// The code point in [start, end), or -1 when those bytes are not exactly one.
std::int32_t codePointIn(std::string_view utf8, std::size_t start, std::size_t end) {
    const std::int32_t c = decode(utf8.substr(0, end), start);
    return start == end ? c : -1;
}

} // namespace

namespace detail {

// Between two code points that both stand alone lies a boundary whatever surrounds them, and the
// text after it segments as if it began there; the same holds after a base followed by plain
// marks. Most scripts are runs of such code points; the break iterator sees only the stretches
// between two such boundaries that hold anything else.
void forEachCluster(std::string_view utf8, void* context, Visitor visit) {
    auto flush = [&](std::size_t from, std::size_t to, bool joining) {
        if (joining) {
            return forEachByBreakIterator(
                utf8.substr(from, to - from), from,
                [&](std::size_t b, std::size_t e) { return visit(context, b, e); });
        }
        return to <= from || visit(context, from, to);
    };
    // A stretch for the break iterator ends only after several code points that stand alone, so
    // that text dense with marks is not handed over in pieces that each cost a set-up.
    constexpr std::size_t gapThatEndsAStretch = 3;
    std::size_t held = 0;
    bool joining = false;
    bool heldIsBase = false;
    bool previousEnds = true;
    std::size_t aloneRun = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t start = i;
        const Joining joiningKind = joiningOf(decode(utf8, i));
        if (!joining && heldIsBase && joiningKind == Joining::mark) {
            continue;
        }
        const bool alone = standsAlone(joiningKind);
        aloneRun = alone ? aloneRun + 1 : 0;
        if (alone && previousEnds && (!joining || aloneRun > gapThatEndsAStretch)) {
            if (!flush(held, start, joining)) {
                return;
            }
            held = start;
            heldIsBase = joiningKind == Joining::base;
            joining = false;
        }
        joining = joining || !alone;
        previousEnds = alone;
    }
    flush(held, utf8.size(), joining);
}

bool isOneCodePointEach(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        if (!standsAlone(joiningOf(decode(utf8, i)))) {
            return false;
        }
    }
    return true;
}

void forEachClusterReverse(std::string_view utf8, void* context, Visitor visit) {
    auto simpleAscii = [&](std::size_t at) {
        return static_cast<unsigned char>(utf8[at]) < 0x80 && utf8[at] != '\r';
    };
    auto joiningBefore = [&](std::size_t end) {
        return joiningOf(codePointIn(utf8, previousStart(utf8, end), end));
    };
    std::size_t end = utf8.size();
    while (end > 0) {
        std::size_t start = end - 1;
        bool certain = simpleAscii(start) && (start == 0 || simpleAscii(start - 1));
        if (!certain) {
            // A base or control, or a base followed by plain marks, after a code point that ends
            // its character whatever follows.
            start = previousStart(utf8, end);
            Joining first = joiningBefore(end);
            while (first == Joining::mark && start > 0) {
                first = joiningBefore(start);
                start = previousStart(utf8, start);
            }
            const bool marked = start != previousStart(utf8, end);
            certain = (first == Joining::base || (first == Joining::control && !marked)) &&
                      (start == 0 || endsBeforeAnyBase(joiningBefore(start)));
        }
        if (!certain) {
            break;
        }
        if (!visit(context, start, end)) {
            return;
        }
        end = start;
    }
    // What is left ends in code points that may join: segment it once, walk that back.
    std::vector<std::size_t> starts;
    forEach(utf8.substr(0, end), [&](std::size_t begin, std::size_t) { starts.push_back(begin); });
    std::size_t stop = end;
    for (auto k = starts.size(); k > 0; --k) {
        if (!visit(context, starts[k - 1], stop)) {
            return;
        }
        stop = starts[k - 1];
    }
}

} // namespace detail

std::vector<std::string_view> split(std::string_view utf8) {
    std::vector<std::string_view> clusters;
    forEach(utf8, [&](std::size_t begin, std::size_t end) {
        clusters.push_back(utf8.substr(begin, end - begin));
    });
    return clusters;
}

std::size_t count(std::string_view utf8) {
    if (isSimpleAscii(utf8)) {
        return utf8.size();
    }
    std::size_t n = 0;
    forEach(utf8, [&](std::size_t, std::size_t) { ++n; });
    return n;
}

std::string_view prefix(std::string_view utf8, std::size_t n) {
    std::size_t taken = 0;
    std::size_t endByte = 0;
    if (n == 0) {
        return utf8.substr(0, 0);
    }
    forEach(utf8, [&](std::size_t, std::size_t end) {
        endByte = end;
        return ++taken < n;
    });
    return utf8.substr(0, endByte);
}

char32_t firstCodePoint(std::string_view character) {
    std::size_t offset = 0;
    const std::int32_t c = character.empty() ? -1 : decode(character, offset);
    return c < 0 ? char32_t{0xFFFD} : static_cast<char32_t>(c);
}

std::optional<char32_t> soleCodePoint(std::string_view character) {
    std::size_t offset = 0;
    const std::int32_t c = character.empty() ? -1 : decode(character, offset);
    // Every further code point would add to the decomposition.
    if (c < 0 || offset != character.size()) {
        return std::nullopt;
    }
    if (c < 0x80) {
        return static_cast<char32_t>(c);
    }
    const icu::Normalizer2* normalizer = nfd();
    icu::UnicodeString decomposition;
    if (normalizer == nullptr || !normalizer->getDecomposition(c, decomposition)) {
        return static_cast<char32_t>(c);
    }
    if (decomposition.countChar32() != 1) {
        return std::nullopt;
    }
    return static_cast<char32_t>(decomposition.char32At(0));
}

bool canonicallyEquivalent(std::string_view a, std::string_view b) {
    if (a == b) {
        return true;
    }
    const icu::Normalizer2* normalizer = nfd();
    if (normalizer == nullptr) {
        return false;
    }
    auto decomposed = [normalizer](std::string_view text) {
        std::string result;
        icu::StringByteSink<std::string> sink(&result);
        UErrorCode status = U_ZERO_ERROR;
        const std::string valid = repairUtf8(text);
        normalizer->normalizeUTF8(
            0, icu::StringPiece(valid.data(), static_cast<std::int32_t>(valid.size())), sink,
            nullptr, status);
        return result;
    };
    return decomposed(a) == decomposed(b);
}

} // namespace velora::Graphemes
