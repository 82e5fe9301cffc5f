#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace velora::Graphemes {

namespace detail {

using Visitor = void (*)(void* context, std::size_t begin, std::size_t end);
void forEachCluster(std::string_view utf8, void* context, Visitor visit);

// In ASCII only CR LF forms a cluster of more than one byte.
inline bool isSimpleAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80 || c == '\r') {
            return false;
        }
    }
    return true;
}

} // namespace detail

// Calls `visit(begin, end)` with the byte offsets of each user-perceived character (extended
// grapheme cluster), in order. Ill-formed sequences count as one U+FFFD each.
template <typename Visit> void forEach(std::string_view utf8, Visit&& visit) {
    if (detail::isSimpleAscii(utf8)) {
        for (std::size_t i = 0; i < utf8.size(); ++i) {
            visit(i, i + 1);
        }
        return;
    }
    using Callable = std::remove_reference_t<Visit>;
    detail::forEachCluster(utf8, const_cast<void*>(static_cast<const void*>(&visit)),
                           [](void* context, std::size_t begin, std::size_t end) {
                               (*static_cast<Callable*>(context))(begin, end);
                           });
}

std::vector<std::string_view> split(std::string_view utf8);
std::size_t count(std::string_view utf8);

// The first `n` characters of the text (all of it when it has fewer).
std::string_view prefix(std::string_view utf8, std::size_t n);

bool isWellFormed(std::string_view bytes);

// Text that is valid UTF-8, with U+FFFD in place of each ill-formed sequence.
std::string repairUtf8(std::string_view bytes);

// The first code point of a character; U+FFFD when it is ill-formed or empty.
char32_t firstCodePoint(std::string_view character);

// The code point that the canonical decomposition of a character consists of, when it is exactly
// one; a character equals a code point without decomposition exactly when this yields it.
std::optional<char32_t> soleCodePoint(std::string_view character);

bool canonicallyEquivalent(std::string_view a, std::string_view b);

} // namespace velora::Graphemes
