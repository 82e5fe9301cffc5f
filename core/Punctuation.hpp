#pragma once

#include "core/Word.hpp"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace velora::Punctuation {

// Sentence ends: Latin, CJK (ideographic, full-width and half-width), the danda and double danda
// of Devanagari and Bengali, Arabic and Urdu, Armenian, Ethiopic, Myanmar and Khmer.
inline constexpr std::array<char32_t, 22> major{
    U'.',      U'!',      U'?',      U'\u2026', U'\u3002', U'\uFF0E', U'\uFF01', U'\uFF1F',
    U'\uFF61', U'\u0964', U'\u0965', U'\u061F', U'\u06D4', U'\u0589', U'\u1362', U'\u1367',
    U'\u1368', U'\u104B', U'\u17D4', U'\u17D5', U'\u0E5A', U'\u0E5B'};
// Comma-like marks, including the em and en dash, with the commas, semicolons and colons of the
// same scripts.
inline constexpr std::array<char32_t, 19> minor{
    U',',      U';',      U':',      U'\u2014', U'\u2013', U'\u3001', U'\uFF0C',
    U'\uFF1B', U'\uFF1A', U'\uFF64', U'\u060C', U'\u061B', U'\u055D', U'\u1363',
    U'\u1364', U'\u1365', U'\u1366', U'\u104A', U'\u17D6'};
// Closing quotes and brackets that may follow the mark that counts, CJK ones included.
inline constexpr std::array<char32_t, 25> skippable{
    U'"',      U'\'',     U')',      U']',      U'}',      U'\u00BB', U'\u201D',
    U'\u2019', U'\u300D', U'\u300F', U'\u3009', U'\u300B', U'\u3011', U'\u3015',
    U'\u3017', U'\u3019', U'\u301B', U'\u301E', U'\u301F', U'\uFF09', U'\uFF3D',
    U'\uFF5D', U'\uFF02', U'\uFF07', U'\uFF63'};

// What a character of one code point is to a token's pause.
enum class Kind : std::uint8_t { other, major, minor, skippable };

// Canonical equivalents count as the mark: a code point whose decomposition is one of them is it.
Kind kindOf(std::int32_t codePoint);

PunctuationWeight weightOf(Kind mark);

// The weight of the last mark of a token once closing quotes and brackets are skipped.
PunctuationWeight weight(std::string_view token);

// Whether the last character of a token, once closing quotes and brackets are skipped, is one of
// `marks`.
bool endsWith(std::string_view token, std::span<const char32_t> marks);

} // namespace velora::Punctuation
