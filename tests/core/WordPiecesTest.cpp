#include "core/WordPieces.hpp"

#include "core/ChunkFrames.hpp"
#include "core/LengthHyphenator.hpp"

#include <gtest/gtest.h>
#include <numeric>

namespace velora {
namespace {

Word word(std::string text, PunctuationWeight punctuation = PunctuationWeight::none) {
    return Word{.id = 7,
                .text = std::move(text),
                .orp = 0,
                .punctuation = punctuation,
                .isParagraphEnd = true};
}

// The pieces without the hyphens the split added, as the word was written.
std::string rejoined(const std::vector<Word>& pieces, const std::string& original) {
    std::string text;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        std::string piece = pieces[i].text;
        if (i + 1 < pieces.size() && original.compare(text.size(), piece.size(), piece) != 0) {
            piece.pop_back();
        }
        text += piece;
    }
    return text;
}

struct SplitCase {
    const char* name;
    const char* text;
    std::int64_t limit;
    std::size_t pieces;
};

class Split : public ::testing::TestWithParam<SplitCase> {};

TEST_P(Split, ShowsTheWholeWordInHyphenatedPieces) {
    const Word original = word(GetParam().text, PunctuationWeight::major);
    const std::vector<Word> pieces = WordPieces::of(original, GetParam().limit, LengthHyphenator());
    ASSERT_EQ(pieces.size(), GetParam().pieces);
    EXPECT_EQ(rejoined(pieces, original.text), original.text);
    for (const Word& piece : pieces) {
        const bool last = &piece == &pieces.back();
        EXPECT_EQ(piece.id, original.id);
        EXPECT_EQ(piece.text.ends_with('-'), !last) << piece.text;
        EXPECT_FALSE(piece.text.ends_with("--")) << piece.text;
        EXPECT_EQ(piece.punctuation, last ? PunctuationWeight::major : PunctuationWeight::none);
        EXPECT_EQ(piece.isParagraphEnd, last);
        EXPECT_LT(piece.orp, static_cast<std::int64_t>(piece.text.size()));
    }
    const std::vector<double> shares = WordPieces::timeShares(pieces);
    EXPECT_NEAR(std::accumulate(shares.begin(), shares.end(), 0.0), 1.0, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Words, Split,
    ::testing::Values(SplitCase{"ShortEnoughStaysWhole", "remarkable.", 10, 1},
                      SplitCase{"LongWordInTwo", "incomprehensible.", 10, 2},
                      SplitCase{"CompoundInFour", "Donaudampfschifffahrtsgesellschaft.", 10, 4},
                      SplitCase{"KeepsItsOwnHyphen", "state-of-the-art-machinery", 12, 2},
                      SplitCase{"NoLettersNoBreak", "12345678901234567890", 10, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChunkFrames, PiecesAndTheBlankBeatShareTheChunksTime) {
    ReadingSettings settings;
    settings.splitLongWords = true;
    settings.splitLength = 10;
    settings.blankBeat = true;
    settings.blankBeatPercent = 25;
    const std::vector<Word> one{word("incomprehensible")};
    const std::vector<ChunkFrame> frames = ChunkFrames::of(one, 0.4, settings, LengthHyphenator());
    ASSERT_EQ(frames.size(), 3U);
    EXPECT_TRUE(frames.back().words.empty());
    EXPECT_DOUBLE_EQ(frames.back().seconds, 0.1);
    EXPECT_NEAR(frames[0].seconds + frames[1].seconds, 0.3, 1e-12);

    // Inside a chunk of several words nothing is split; without the beat one frame is left.
    const std::vector<Word> two{word("incomprehensible"), word("dog")};
    settings.blankBeat = false;
    const std::vector<ChunkFrame> whole = ChunkFrames::of(two, 0.4, settings, LengthHyphenator());
    ASSERT_EQ(whole.size(), 1U);
    EXPECT_EQ(whole[0].words.size(), 2U);
    EXPECT_DOUBLE_EQ(whole[0].seconds, 0.4);
}

} // namespace
} // namespace velora
