#include "core/ChunkFrames.hpp"

#include "core/WordPieces.hpp"

namespace velora::ChunkFrames {

std::vector<ChunkFrame> of(std::span<const Word> chunk, double seconds,
                           const ReadingSettings& settings, const Hyphenator& hyphenator) {
    const double blank = seconds * settings.blankShare();
    const double shown = seconds - blank;
    std::vector<ChunkFrame> frames;
    // Only a word shown alone is split: inside a chunk its pieces would read as separate words.
    if (settings.splitLongWords && chunk.size() == 1) {
        const std::vector<Word> pieces =
            WordPieces::of(chunk.front(), settings.clampedSplitLength(), hyphenator);
        const std::vector<double> shares = WordPieces::timeShares(pieces);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            frames.push_back({{pieces[i]}, shown * shares[i]});
        }
    } else {
        frames.push_back({{chunk.begin(), chunk.end()}, shown});
    }
    if (blank > 0.0) {
        frames.push_back({{}, blank});
    }
    return frames;
}

} // namespace velora::ChunkFrames
