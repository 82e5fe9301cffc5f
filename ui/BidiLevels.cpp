#include "ui/BidiLevels.hpp"

#include <algorithm>
#include <numeric>
#include <optional>

namespace velora::BidiLevels {

namespace {

using enum Direction;

// Numbers take the direction of the letters before them: they read left to right among
// left-to-right words and keep their place among right-to-left ones.
std::vector<Direction> strongDirections(std::span<const Direction> words, Direction start) {
    std::vector<Direction> strong(words.begin(), words.end());
    Direction last = start;
    for (Direction& direction : strong) {
        if (direction == number) {
            direction = last == leftToRight ? leftToRight : rightToLeft;
        } else if (direction != neutral) {
            last = direction;
        }
    }
    return strong;
}

void resolveParagraph(std::span<const Direction> words, std::span<WordLevel> out) {
    const auto first = std::find_if(words.begin(), words.end(), [](Direction d) {
        return d == leftToRight || d == rightToLeft;
    });
    const bool rightToLeft = first != words.end() && *first == Direction::rightToLeft;
    const Direction base = rightToLeft ? Direction::rightToLeft : leftToRight;
    const std::vector<Direction> strong = strongDirections(words, base);
    // Neutral words between two of one direction take it; others take the paragraph's.
    std::vector<Direction> next(strong.size());
    Direction following = base;
    for (std::size_t i = strong.size(); i-- > 0;) {
        next[i] = following;
        if (strong[i] != neutral) {
            following = strong[i];
        }
    }
    Direction previous = base;
    for (std::size_t i = 0; i < strong.size(); ++i) {
        Direction resolved = strong[i];
        if (resolved == neutral) {
            resolved = previous == next[i] ? previous : base;
        } else {
            previous = resolved;
        }
        std::uint8_t level = 0;
        if (words[i] == number && resolved == Direction::rightToLeft) {
            level = 2; // digits read left to right, one level inside the right-to-left run
        } else if (resolved == Direction::rightToLeft) {
            level = 1;
        } else if (rightToLeft) {
            level = 2;
        }
        out[i] = {level, rightToLeft};
    }
}

} // namespace

Direction of(QStringView word) {
    bool digits = false;
    for (const QChar c : word) {
        switch (c.direction()) {
        case QChar::DirL:
            return leftToRight;
        case QChar::DirR:
        case QChar::DirAL:
            return rightToLeft;
        case QChar::DirEN:
        case QChar::DirAN:
            digits = true;
            break;
        default:
            break;
        }
    }
    return digits ? number : neutral;
}

std::vector<WordLevel> resolve(std::span<const Direction> words,
                               std::span<const std::uint8_t> paragraphEnds) {
    if (std::find(words.begin(), words.end(), Direction::rightToLeft) == words.end()) {
        return {};
    }
    std::vector<WordLevel> levels(words.size());
    std::size_t start = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const bool ends = i + 1 == words.size() || (i < paragraphEnds.size() && paragraphEnds[i]);
        if (ends) {
            resolveParagraph(words.subspan(start, i + 1 - start),
                             std::span(levels).subspan(start, i + 1 - start));
            start = i + 1;
        }
    }
    return levels;
}

std::vector<std::size_t> visualOrder(std::span<const WordLevel> levels) {
    std::vector<std::size_t> order(levels.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (levels.empty()) {
        return order;
    }
    const auto [low, high] = std::minmax_element(
        levels.begin(), levels.end(),
        [](const WordLevel& a, const WordLevel& b) { return a.level < b.level; });
    const int lowestOdd = low->level | 1;
    // From the highest level down to the lowest odd one, every run at that level or above
    // turns around.
    for (int level = high->level; level >= lowestOdd; --level) {
        for (std::size_t i = 0; i < order.size();) {
            if (levels[order[i]].level < level) {
                ++i;
                continue;
            }
            std::size_t end = i;
            while (end < order.size() && levels[order[end]].level >= level) {
                ++end;
            }
            std::reverse(order.begin() + static_cast<std::ptrdiff_t>(i),
                         order.begin() + static_cast<std::ptrdiff_t>(end));
            i = end;
        }
    }
    return order;
}

} // namespace velora::BidiLevels
