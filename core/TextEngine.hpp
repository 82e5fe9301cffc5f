#pragma once

#include "core/Word.hpp"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velora::TextEngine {

// A half-open range of character indexes.
struct CharacterRange {
    std::int64_t begin = 0;
    std::int64_t end = 0;
    bool operator==(const CharacterRange&) const = default;
};

struct SpeechString {
    std::string text;
    std::vector<CharacterRange> ranges;
};

// One word per run of characters between spaces and tabs, runs of scripts written without spaces
// cut into their words; every line break ends a paragraph.
// Ill-formed UTF-8 is read with U+FFFD for each bad sequence.
std::vector<Word> tokenize(std::string_view text);

struct CleanedWords {
    std::string text;
    std::vector<Word> words;
};

// TextSanitizer::clean, then tokenize, without checking again what cleaning guarantees.
CleanedWords cleanAndTokenize(std::string_view text);

// CR LF, then every remaining CR, become LF.
std::string normalize(std::string_view text);

// The texts joined by single spaces, with the character range each word takes, counted on the
// joined text as it grows.
SpeechString speechString(std::span<const Word> words);

} // namespace velora::TextEngine
