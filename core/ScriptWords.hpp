#pragma once

#include "core/ByteScan.hpp"

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

// Every letter of those scripts is encoded in three or four bytes, so a token without a lead byte
// of E0 or above needs no closer look.
inline bool mayNeedCutting(std::string_view token) {
    std::size_t i = 0;
    for (; i + 8 <= token.size(); i += 8) {
        const std::uint64_t word = ByteScan::load(token.data() + i);
        if ((word & (word << 1) & (word << 2) & ByteScan::topBits) != 0) {
            return true;
        }
    }
    for (; i < token.size(); ++i) {
        if (static_cast<unsigned char>(token[i]) >= 0xE0) {
            return true;
        }
    }
    return false;
}

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
