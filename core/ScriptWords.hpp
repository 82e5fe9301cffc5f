#pragma once

#include "core/ByteScan.hpp"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Han, Kana, Thai, Lao, Khmer and Myanmar put no space between words: inside a token, their runs
// are cut into words by ICU's dictionary word breaks. Text in other scripts is left whole.
namespace velora::ScriptWords {

// Byte offsets within the token.
struct Piece {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool operator==(const Piece&) const = default;
};

// Every letter of those scripts is encoded in three or four bytes, and none lies in U+2000 to
// U+2FFF (lead byte E2: punctuation, symbols, radicals), where most such bytes of other text are:
// where the next lead byte of E0 or above other than E2 is at or after `from`, or the text's size.
inline std::size_t nextLetterLead(std::string_view text, std::size_t from) {
    constexpr unsigned char punctuationLead = 0xE2;
    std::size_t i = from;
    for (; i + 8 <= text.size(); i += 8) {
        const std::uint64_t word = ByteScan::load(text.data() + i);
        const std::uint64_t leads = word & (word << 1) & (word << 2) & ByteScan::topBits &
                                    ~ByteScan::equal(word, punctuationLead);
        if (leads != 0) {
            return i + static_cast<std::size_t>(std::countr_zero(leads)) / 8;
        }
    }
    while (i < text.size() && (static_cast<unsigned char>(text[i]) < 0xE0 ||
                               static_cast<unsigned char>(text[i]) == punctuationLead)) {
        ++i;
    }
    return i;
}

// A token without such a byte needs no closer look.
inline bool mayNeedCutting(std::string_view token) {
    return nextLetterLead(token, 0) < token.size();
}

// Whether a letter of those scripts is in the token, which is well-formed; only then is it cut.
bool holdsUnspacedLetters(std::string_view token);

// The words of one token (well-formed, without spaces, tabs or line breaks), in order, covering
// it without gaps. Cuts fall only on ICU word boundaries next to a run of those scripts; marks
// that follow a word stay on it, and opening brackets and quotes on the word they open.
void cut(std::string_view token, std::vector<Piece>& pieces);

// The same, with the common case of a token that is one word decided without a call.
template <typename Visit> void forEachWord(std::string_view token, Visit&& visit) {
    if (!mayNeedCutting(token)) {
        visit(Piece{0, token.size()}, true);
        return;
    }
    thread_local std::vector<Piece> pieces;
    cut(token, pieces);
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        visit(pieces[k], k + 1 == pieces.size());
    }
}

} // namespace velora::ScriptWords
