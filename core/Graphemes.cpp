#include "core/Graphemes.hpp"

#include <memory>
#include <unicode/brkiter.h>
#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

namespace velora::Graphemes {

namespace {

// Code points that always stand alone: nothing joins them to a neighbour, except CR before LF.
bool standsAlone(UChar32 c) {
    switch (u_getIntPropertyValue(c, UCHAR_GRAPHEME_CLUSTER_BREAK)) {
    case U_GCB_OTHER:
    case U_GCB_CONTROL:
    case U_GCB_LF:
        return true;
    default:
        return false;
    }
}

template <typename Visit>
void forEachByBreakIterator(std::string_view text, std::size_t offset, Visit visit) {
    UErrorCode status = U_ZERO_ERROR;
    thread_local std::unique_ptr<icu::BreakIterator> iterator(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    UText utext = UTEXT_INITIALIZER;
    utext_openUTF8(&utext, text.data(), static_cast<std::int64_t>(text.size()), &status);
    if (U_FAILURE(status) || !iterator) {
        utext_close(&utext);
        return;
    }
    iterator->setText(&utext, status);
    std::int32_t begin = iterator->first();
    for (std::int32_t end = iterator->next(); end != icu::BreakIterator::DONE;
         begin = end, end = iterator->next()) {
        visit(offset + static_cast<std::size_t>(begin), offset + static_cast<std::size_t>(end));
    }
    utext_close(&utext);
}

const icu::Normalizer2* nfd() {
    UErrorCode status = U_ZERO_ERROR;
    static const icu::Normalizer2* instance = icu::Normalizer2::getNFDInstance(status);
    return instance;
}

} // namespace

namespace detail {

// Most scripts are runs of code points that stand alone; the break iterator only takes over from
// the last of those before the first code point that may join.
void forEachCluster(std::string_view utf8, void* context, Visitor visit) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(utf8.data());
    const auto length = static_cast<std::int32_t>(utf8.size());
    std::int32_t held = 0;
    std::int32_t i = 0;
    while (i < length) {
        const std::int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0 || !standsAlone(c)) {
            forEachByBreakIterator(utf8.substr(static_cast<std::size_t>(held)),
                                   static_cast<std::size_t>(held),
                                   [&](std::size_t b, std::size_t e) { visit(context, b, e); });
            return;
        }
        if (start > held) {
            visit(context, static_cast<std::size_t>(held), static_cast<std::size_t>(start));
            held = start;
        }
    }
    if (length > held) {
        visit(context, static_cast<std::size_t>(held), static_cast<std::size_t>(length));
    }
}

} // namespace detail

bool isWellFormed(std::string_view bytes) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const auto length = static_cast<std::int32_t>(bytes.size());
    std::int32_t i = 0;
    while (i < length) {
        if (data[i] < 0x80) {
            ++i;
            continue;
        }
        UChar32 c = 0;
        U8_NEXT(data, i, length, c);
        if (c < 0) {
            return false;
        }
    }
    return true;
}

std::string repairUtf8(std::string_view bytes) {
    if (isWellFormed(bytes)) {
        return std::string(bytes);
    }
    std::string repaired;
    repaired.reserve(bytes.size() + 16);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const auto length = static_cast<std::int32_t>(bytes.size());
    std::int32_t i = 0;
    while (i < length) {
        const std::int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(data, i, length, c);
        if (c < 0) {
            repaired += "\xEF\xBF\xBD";
        } else {
            repaired.append(
                bytes.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(i - start)));
        }
    }
    return repaired;
}

std::vector<std::string_view> split(std::string_view utf8) {
    std::vector<std::string_view> clusters;
    forEach(utf8, [&](std::size_t begin, std::size_t end) {
        clusters.push_back(utf8.substr(begin, end - begin));
    });
    return clusters;
}

std::size_t count(std::string_view utf8) {
    if (detail::isSimpleAscii(utf8)) {
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
        if (taken < n) {
            ++taken;
            endByte = end;
        }
    });
    return utf8.substr(0, endByte);
}

char32_t firstCodePoint(std::string_view character) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(character.data());
    const auto length = static_cast<std::int32_t>(character.size());
    if (length == 0) {
        return 0xFFFD;
    }
    std::int32_t i = 0;
    UChar32 c = 0;
    U8_NEXT(data, i, length, c);
    return c < 0 ? char32_t{0xFFFD} : static_cast<char32_t>(c);
}

std::optional<char32_t> soleCodePoint(std::string_view character) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(character.data());
    const auto length = static_cast<std::int32_t>(character.size());
    std::int32_t i = 0;
    UChar32 c = 0;
    if (length > 0) {
        U8_NEXT(data, i, length, c);
    }
    // Every further code point would add to the decomposition.
    if (length == 0 || c < 0 || i != length) {
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
