#include "core/ReaderEngine.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

ReaderEngine engine(std::int64_t n, std::int64_t chunk = 1) {
    std::vector<Word> words;
    for (std::int64_t i = 0; i < n; ++i) {
        words.push_back(Word{.id = i, .text = "w" + std::to_string(i)});
    }
    ReadingSettings settings;
    settings.wordsPerChunk = chunk;
    return ReaderEngine(std::move(words), settings);
}

TEST(ReaderEngine, PlaysThroughInChunksWithAShorterLastOne) {
    auto e = engine(10, 3);
    std::vector<std::int64_t> firsts;
    std::vector<std::size_t> sizes;
    do {
        firsts.push_back(e.currentChunk().front().id);
        sizes.push_back(e.currentChunk().size());
    } while (e.advance());
    EXPECT_EQ(firsts, (std::vector<std::int64_t>{0, 3, 6, 9}));
    EXPECT_EQ(sizes, (std::vector<std::size_t>{3, 3, 3, 1}));
    EXPECT_EQ(e.progress(), 1.0);
    EXPECT_FALSE(e.advance());
    EXPECT_EQ(e.index(), 10);

    ReaderEngine empty;
    EXPECT_TRUE(empty.currentChunk().empty());
    EXPECT_FALSE(empty.advance());
    empty.skip(INT64_MAX);
    EXPECT_EQ(empty.index(), 0);
}

struct MoveCase {
    std::int64_t start;
    void (ReaderEngine::*move)(std::int64_t);
    std::int64_t by;
    std::int64_t expected;
};

class EngineMoves : public ::testing::TestWithParam<MoveCase> {};

TEST_P(EngineMoves, StayWithinTheText) {
    auto e = engine(10);
    e.seek(GetParam().start);
    (e.*GetParam().move)(GetParam().by);
    EXPECT_EQ(e.index(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Moves, EngineMoves,
                         ::testing::Values(MoveCase{0, &ReaderEngine::seek, 1000, 10},
                                           MoveCase{5, &ReaderEngine::seek, INT64_MIN, 0},
                                           MoveCase{5, &ReaderEngine::rewind, INT64_MIN, 5},
                                           MoveCase{5, &ReaderEngine::rewind, INT64_MAX, 0},
                                           MoveCase{8, &ReaderEngine::skip, -3, 8},
                                           MoveCase{9, &ReaderEngine::skip, INT64_MAX - 5, 10}));

// Twelve words; sentences start at 0, 3, 7 and 10, and a paragraph ends with word 6.
ReaderEngine twoParagraphs(std::vector<std::int64_t> sentenceStarts = {10, 3, 7, -4, 99, 3}) {
    auto e = engine(12);
    auto words = e.words();
    words[6].isParagraphEnd = true;
    words[11].isParagraphEnd = true;
    TextStarts starts = Sentences::indexed(words, std::move(sentenceStarts));
    e.load(std::move(words), std::move(starts));
    return e;
}

struct StructureMove {
    std::int64_t start;
    void (ReaderEngine::*move)();
    std::int64_t expected;
};

class EngineStructureMoves : public ::testing::TestWithParam<StructureMove> {};

TEST_P(EngineStructureMoves, LandOnSentenceAndParagraphStarts) {
    auto e = twoParagraphs();
    e.seek(GetParam().start);
    (e.*GetParam().move)();
    EXPECT_EQ(e.index(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Moves, EngineStructureMoves,
                         ::testing::Values(StructureMove{5, &ReaderEngine::previousSentence, 3},
                                           StructureMove{3, &ReaderEngine::previousSentence, 0},
                                           StructureMove{0, &ReaderEngine::previousSentence, 0},
                                           StructureMove{12, &ReaderEngine::previousSentence, 10},
                                           StructureMove{5, &ReaderEngine::nextSentence, 7},
                                           StructureMove{10, &ReaderEngine::nextSentence, 12},
                                           StructureMove{12, &ReaderEngine::nextSentence, 12},
                                           StructureMove{8, &ReaderEngine::previousParagraph, 7},
                                           StructureMove{7, &ReaderEngine::previousParagraph, 0},
                                           StructureMove{3, &ReaderEngine::nextParagraph, 7},
                                           StructureMove{7, &ReaderEngine::nextParagraph, 12}));

TEST(ReaderEngine, KnowsTheSentenceBeingRead) {
    auto e = twoParagraphs();
    std::vector<std::int64_t> starts;
    for (std::int64_t i = 0; i <= e.count(); ++i) {
        e.seek(i);
        starts.push_back(e.sentenceStart());
    }
    EXPECT_EQ(starts, (std::vector<std::int64_t>{0, 0, 0, 3, 3, 3, 3, 7, 7, 7, 10, 10, 12}));

    // Without sentence starts every paragraph is one sentence.
    auto paragraphsOnly = twoParagraphs({});
    paragraphsOnly.seek(9);
    EXPECT_EQ(paragraphsOnly.sentenceStart(), 7);
    paragraphsOnly.load({});
    paragraphsOnly.nextSentence();
    paragraphsOnly.previousParagraph();
    EXPECT_EQ(paragraphsOnly.index(), 0);
}

} // namespace
} // namespace velora
