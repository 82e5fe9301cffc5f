#pragma once

#include "core/Hyphenator.hpp"
#include "core/ReadingSettings.hpp"
#include "core/Word.hpp"

#include <span>
#include <vector>

namespace velora {

// What the reading views show, one after the other, while a chunk's time runs: the chunk, or a
// long word's pieces in turn, then the blank beat. The frames share the chunk's time, so the
// words per minute stay what they are.
struct ChunkFrame {
    // Empty for the blank beat.
    std::vector<Word> words;
    double seconds = 0.0;
};

namespace ChunkFrames {

std::vector<ChunkFrame> of(std::span<const Word> chunk, double seconds,
                           const ReadingSettings& settings, const Hyphenator& hyphenator);

} // namespace ChunkFrames

} // namespace velora
