#pragma once

#include "core/ByteScan.hpp"
#include "core/Utf8Sequences.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace velora::Graphemes {

// ASCII without CR, where each byte is one character: in ASCII only CR LF forms a cluster of more
// than one byte.
inline bool isSimpleAscii(std::string_view text) {
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        const std::uint64_t word = ByteScan::load(text.data() + i);
        if (((word & ByteScan::topBits) | ByteScan::equal(word, '\r')) != 0) {
            return false;
        }
    }
    for (; i < text.size(); ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80 || text[i] == '\r') {
            return false;
        }
    }
    return true;
}

namespace detail {

// Returns whether to go on.
using Visitor = bool (*)(void* context, std::size_t begin, std::size_t end);
void forEachCluster(std::string_view utf8, void* context, Visitor visit);
void forEachClusterReverse(std::string_view utf8, void* context, Visitor visit);

// Well-formed text in which every code point is a character of its own, as in most words of
// Cyrillic, Greek, Hebrew, CJK or precomposed Latin.
bool isOneCodePointEach(std::string_view utf8);

// Visitors either return nothing and see every character, or return whether to go on.
template <typename Visit> bool proceed(Visit& visit, std::size_t begin, std::size_t end) {
    if constexpr (std::is_void_v<std::invoke_result_t<Visit&, std::size_t, std::size_t>>) {
        visit(begin, end);
        return true;
    } else {
        return visit(begin, end);
    }
}

template <typename Visit> void* contextOf(Visit& visit) {
    return const_cast<void*>(static_cast<const void*>(&visit));
}

template <typename Visit> Visitor visitorOf() {
    return [](void* context, std::size_t begin, std::size_t end) {
        return proceed(*static_cast<Visit*>(context), begin, end);
    };
}

} // namespace detail

// Calls `visit(begin, end)` with the byte offsets of each user-perceived character (extended
// grapheme cluster), in order, until it returns false. Ill-formed sequences count as one U+FFFD
// each.
template <typename Visit> void forEach(std::string_view utf8, Visit&& visit) {
    if (isSimpleAscii(utf8)) {
        for (std::size_t i = 0; i < utf8.size(); ++i) {
            if (!detail::proceed(visit, i, i + 1)) {
                return;
            }
        }
        return;
    }
    if (detail::isOneCodePointEach(utf8)) {
        for (std::size_t i = 0; i < utf8.size();) {
            const std::size_t begin = i;
            decode(utf8, i);
            if (!detail::proceed(visit, begin, i)) {
                return;
            }
        }
        return;
    }
    using Callable = std::remove_reference_t<Visit>;
    detail::forEachCluster(utf8, detail::contextOf(visit), detail::visitorOf<Callable>());
}

// The same from the last character to the first; text that ends in code points that cannot join
// their neighbours is not walked beyond what `visit` asks for.
template <typename Visit> void forEachReverse(std::string_view utf8, Visit&& visit) {
    if (isSimpleAscii(utf8)) {
        for (std::size_t i = utf8.size(); i > 0; --i) {
            if (!detail::proceed(visit, i - 1, i)) {
                return;
            }
        }
        return;
    }
    using Callable = std::remove_reference_t<Visit>;
    detail::forEachClusterReverse(utf8, detail::contextOf(visit), detail::visitorOf<Callable>());
}

std::vector<std::string_view> split(std::string_view utf8);
std::size_t count(std::string_view utf8);

// The first `n` characters of the text (all of it when it has fewer).
std::string_view prefix(std::string_view utf8, std::size_t n);

// The first code point of a character; U+FFFD when it is ill-formed or empty.
char32_t firstCodePoint(std::string_view character);

// The code point that the canonical decomposition of a character consists of, when it is exactly
// one; a character equals a code point without decomposition exactly when this yields it.
std::optional<char32_t> soleCodePoint(std::string_view character);

bool canonicallyEquivalent(std::string_view a, std::string_view b);

} // namespace velora::Graphemes
