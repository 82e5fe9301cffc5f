#include "core/TokenMeasure.hpp"

#include "core/CodePointTable.hpp"
#include "core/GraphemeJoining.hpp"
#include "core/ORP.hpp"
#include "core/Punctuation.hpp"
#include "core/Utf8Sequences.hpp"

#include <array>

namespace velora::TokenMeasure {

namespace {

using Graphemes::Joining;
using Punctuation::Kind;

constexpr std::uint8_t joiningBits = AsciiMeasure::joiningBits;
constexpr std::uint8_t alphanumericBit = AsciiMeasure::alphanumericBit;
constexpr int kindShift = AsciiMeasure::kindShift;
static_assert(static_cast<int>(Kind::skippable) == 3);

std::uint8_t computeTraits(std::int32_t c) {
    const auto joining = static_cast<std::uint8_t>(Graphemes::joiningOf(c));
    const auto kind = static_cast<std::uint8_t>(Punctuation::kindOf(c));
    return static_cast<std::uint8_t>(joining | (ORP::isAlphanumeric(c) ? alphanumericBit : 0) |
                                     (kind << kindShift));
}

const CodePointTable<std::uint8_t, computeTraits>& traits() {
    static const CodePointTable<std::uint8_t, computeTraits> table;
    return table;
}

Kind kindIn(std::uint8_t traits) {
    return static_cast<Kind>(traits >> kindShift);
}

} // namespace

const std::uint8_t* AsciiMeasure::asciiTraits() {
    static const std::array<std::uint8_t, 128> ascii = [] {
        std::array<std::uint8_t, 128> table{};
        for (std::size_t c = 0; c < table.size(); ++c) {
            table[c] = traits()(static_cast<std::int32_t>(c));
        }
        return table;
    }();
    return ascii.data();
}

const PunctuationWeight* AsciiMeasure::weights() {
    static const std::array<PunctuationWeight, 4> byKind{
        Punctuation::weightOf(Kind::other), Punctuation::weightOf(Kind::major),
        Punctuation::weightOf(Kind::minor), Punctuation::weightOf(Kind::skippable)};
    return byKind.data();
}

Measure of(std::string_view token) {
    return of(token, 0);
}

Measure of(std::string_view token, std::size_t asciiBytes) {
    const CodePointTable<std::uint8_t, computeTraits>& table = traits();
    std::int64_t characters = 0;
    std::int64_t firstCore = -1;
    std::int64_t lastCore = -1;
    // The kind of the character being read, and of the last one before it that is no closing
    // quote; nothing before the first character counts.
    Kind current = Kind::skippable;
    Kind counting = Kind::other;
    // Marks at the start have nothing to join, as after a control.
    Joining previous = Joining::control;
    auto count = [&](std::uint8_t t) {
        counting = current == Kind::skippable ? counting : current;
        if ((t & alphanumericBit) != 0) {
            firstCore = firstCore < 0 ? characters : firstCore;
            lastCore = characters;
        }
        current = kindIn(t);
        ++characters;
    };
    // Each of these bytes is a character that joins nothing, so only the first and last letters or
    // numbers among them and the kinds of their last bytes decide: they are read from their ends,
    // as the count above would leave them.
    if (asciiBytes > 0) {
        auto traitsAt = [&](std::size_t i) { return table(static_cast<unsigned char>(token[i])); };
        std::size_t first = 0;
        while (first < asciiBytes && (traitsAt(first) & alphanumericBit) == 0) {
            ++first;
        }
        if (first < asciiBytes) {
            std::size_t last = asciiBytes - 1;
            while ((traitsAt(last) & alphanumericBit) == 0) {
                --last;
            }
            firstCore = static_cast<std::int64_t>(first);
            lastCore = static_cast<std::int64_t>(last);
        }
        std::size_t counted = asciiBytes - 1;
        while (counted > 0 && kindIn(traitsAt(counted - 1)) == Kind::skippable) {
            --counted;
        }
        counting = counted > 0 ? kindIn(traitsAt(counted - 1)) : Kind::other;
        const std::uint8_t t = traitsAt(asciiBytes - 1);
        current = kindIn(t);
        previous = static_cast<Joining>(t & joiningBits);
        characters = static_cast<std::int64_t>(asciiBytes);
    }
    for (std::size_t i = asciiBytes; i < token.size();) {
        const auto lead = static_cast<unsigned char>(token[i]);
        const std::int32_t c = lead < 0x80 ? lead : Graphemes::decode(token, i);
        i += lead < 0x80 ? 1 : 0;
        const std::uint8_t t = table(c);
        const auto joining = static_cast<Joining>(t & joiningBits);
        if (joining == Joining::complex) {
            return {ORP::index(token), Punctuation::weight(token)};
        }
        if (joining == Joining::mark && previous != Joining::control) {
            // A character of several code points is no mark.
            current = Kind::other;
        } else {
            count(t);
        }
        previous = joining;
    }
    counting = current == Kind::skippable ? counting : current;
    return {pivot(characters, firstCore, lastCore), Punctuation::weightOf(counting)};
}

} // namespace velora::TokenMeasure
