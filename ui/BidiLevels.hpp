#pragma once

#include <QStringView>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace velora::BidiLevels {

// How a word takes part in the order of its paragraph: by its first letter with a direction,
// else as a number when it holds digits.
enum class Direction : std::uint8_t { neutral, leftToRight, rightToLeft, number };

Direction of(QStringView word);

struct WordLevel {
    std::uint8_t level = 0; // even: left to right, odd: right to left
    bool rightToLeftParagraph = false;
};

// The levels of words in paragraphs, each word taken as one character of its direction under
// Unicode's bidi rules; a paragraph takes the direction of its first word with one. Empty when
// nothing runs right to left: left to right throughout.
std::vector<WordLevel> resolve(std::span<const Direction> words,
                               std::span<const std::uint8_t> paragraphEnds);

// The positions in `levels` in the order they show from left to right on one line.
std::vector<std::size_t> visualOrder(std::span<const WordLevel> levels);

} // namespace velora::BidiLevels
