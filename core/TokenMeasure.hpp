#pragma once

#include "core/Word.hpp"

#include <array>
#include <cstdint>
#include <string_view>

namespace velora::TokenMeasure {

struct Measure {
    std::int64_t orp = 0;
    PunctuationWeight punctuation = PunctuationWeight::none;
    bool operator==(const Measure&) const = default;
};

// ORP::index and Punctuation::weight of a token. Nearly every word is made of characters that are
// one code point, or a base with plain marks, whose bounds need no break iterator: such a token is
// measured in one walk, any other the general way.
Measure of(std::string_view token);

// The same, for a token whose first `asciiBytes` bytes are known to be ASCII without CR.
Measure of(std::string_view token, std::size_t asciiBytes);

// The middle character of the letters and numbers from the first to the last, the left one of two
// middles; of all characters when there is none (`first` is then negative).
inline std::int64_t pivot(std::int64_t characters, std::int64_t first, std::int64_t last) {
    if (first < 0) {
        return characters == 0 ? 0 : (characters - 1) / 2;
    }
    return first + (last - first) / 2;
}

// The same for a token of ASCII without CR, where each byte is a character. Only the first and
// last letters or numbers and the last byte that is no closing quote decide, so the token is read
// from its ends rather than byte by byte.
class AsciiMeasure {
public:
    // Inline, so that a tokenizer's loop keeps the tables' addresses in registers.
    AsciiMeasure() : traits_(asciiTraits()), weights_(weights()) {}

    Measure operator()(std::string_view token) const {
        const auto* bytes = reinterpret_cast<const unsigned char*>(token.data());
        const auto n = static_cast<std::int64_t>(token.size());
        std::int64_t first = 0;
        while (first < n && !isAlphanumeric(bytes[first])) {
            ++first;
        }
        std::int64_t last = n - 1;
        while (last > first && !isAlphanumeric(bytes[last])) {
            --last;
        }
        std::int64_t counted = n;
        while (counted > 0 && kindOf(bytes[counted - 1]) == skippable) {
            --counted;
        }
        const std::uint8_t kind = counted == 0 ? 0 : kindOf(bytes[counted - 1]);
        return {first == n ? pivot(n, -1, -1) : pivot(n, first, last), weights_[kind]};
    }

    // A code point's traits in one byte: its joining in the low bits, then whether it is a letter
    // or number, then its pause kind.
    static constexpr std::uint8_t joiningBits = 0x3;
    static constexpr std::uint8_t alphanumericBit = 0x4;
    static constexpr int kindShift = 3;

private:
    static constexpr std::uint8_t skippable = 3;

    bool isAlphanumeric(unsigned char byte) const { return (traits_[byte] & alphanumericBit) != 0; }

    std::uint8_t kindOf(unsigned char byte) const {
        return static_cast<std::uint8_t>(traits_[byte] >> kindShift);
    }

    // The traits of the 128 ASCII code points, and the weight of each pause kind.
    static const std::uint8_t* asciiTraits();
    static const PunctuationWeight* weights();

    const std::uint8_t* traits_;
    const PunctuationWeight* weights_;
};

} // namespace velora::TokenMeasure
