#include "core/ReaderEngine.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

std::vector<Word> words(std::int64_t n) {
    std::vector<Word> list;
    for (std::int64_t i = 0; i < n; ++i) {
        list.push_back(Word{.id = i, .text = "w" + std::to_string(i)});
    }
    return list;
}

ReaderEngine engine(std::int64_t n, std::int64_t chunk = 1) {
    ReadingSettings settings;
    settings.wordsPerChunk = chunk;
    return ReaderEngine(words(n), settings);
}

std::vector<std::int64_t> ids(std::span<const Word> chunk) {
    std::vector<std::int64_t> result;
    for (const Word& word : chunk) {
        result.push_back(word.id);
    }
    return result;
}

TEST(ReaderEngine, EmptyEngineHasNothingToShow) {
    ReaderEngine empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_TRUE(empty.isAtEnd());
    EXPECT_TRUE(empty.currentChunk().empty());
    EXPECT_FALSE(empty.pivotWord());
    EXPECT_EQ(empty.progress(), 0.0);
    EXPECT_FALSE(empty.advance());
    empty.skip(INT64_MAX);
    empty.seek(3);
    EXPECT_EQ(empty.index(), 0);
}

TEST(ReaderEngine, PlaysThroughInChunksWithAShorterLastOne) {
    auto e = engine(10, 3);
    std::vector<std::vector<std::int64_t>> shown;
    std::vector<bool> answers;
    do {
        shown.push_back(ids(e.currentChunk()));
        answers.push_back(e.advance());
    } while (answers.back());
    EXPECT_EQ(shown,
              (std::vector<std::vector<std::int64_t>>{{0, 1, 2}, {3, 4, 5}, {6, 7, 8}, {9}}));
    EXPECT_EQ(answers, (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(e.index(), 10);
    EXPECT_EQ(e.progress(), 1.0);
    EXPECT_FALSE(e.advance());
    EXPECT_EQ(e.index(), 10);
}

TEST(ReaderEngine, ChunksFollowTheIndexAndTheCurrentChunkSize) {
    auto e = engine(10, 3);
    e.seek(4);
    EXPECT_EQ(ids(e.currentChunk()), (std::vector<std::int64_t>{4, 5, 6}));
    EXPECT_EQ(e.pivotWord()->id, 4);
    e.settings.wordsPerChunk = 9;
    EXPECT_EQ(ids(e.currentChunk()), (std::vector<std::int64_t>{4, 5, 6, 7}));
    e.settings.wordsPerChunk = 0;
    EXPECT_EQ(ids(e.currentChunk()), (std::vector<std::int64_t>{4}));
    EXPECT_EQ(e.progress(), 0.4);
}

enum class Move { rewind, skip, seek };

struct MoveCase {
    const char* name;
    std::int64_t start;
    Move move;
    std::int64_t by;
    std::int64_t expected;
};

class EngineMoves : public ::testing::TestWithParam<MoveCase> {};

TEST_P(EngineMoves, StayWithinTheText) {
    auto e = engine(10);
    e.seek(GetParam().start);
    switch (GetParam().move) {
    case Move::rewind:
        e.rewind(GetParam().by);
        break;
    case Move::skip:
        e.skip(GetParam().by);
        break;
    case Move::seek:
        e.seek(GetParam().by);
        break;
    }
    EXPECT_EQ(e.index(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Moves, EngineMoves,
                         ::testing::Values(MoveCase{"SeekBelowStart", 5, Move::seek, -5, 0},
                                           MoveCase{"SeekPastEnd", 0, Move::seek, 1000, 10},
                                           MoveCase{"SeekMinimum", 5, Move::seek, INT64_MIN, 0},
                                           MoveCase{"RewindPastStart", 1, Move::rewind, 3, 0},
                                           MoveCase{"RewindNegative", 5, Move::rewind, -3, 5},
                                           MoveCase{"RewindMinimum", 5, Move::rewind, INT64_MIN, 5},
                                           MoveCase{"RewindMaximum", 5, Move::rewind, INT64_MAX, 0},
                                           MoveCase{"RewindSome", 7, Move::rewind, 2, 5},
                                           MoveCase{"SkipPastEnd", 8, Move::skip, 3, 10},
                                           MoveCase{"SkipNegative", 8, Move::skip, -3, 8},
                                           MoveCase{"SkipMaximum", 8, Move::skip, INT64_MAX, 10},
                                           MoveCase{"SkipNearMaximum", 9, Move::skip, INT64_MAX - 5,
                                                    10},
                                           MoveCase{"SkipSome", 2, Move::skip, 3, 5}),
                         [](const auto& info) { return info.param.name; });

TEST(ReaderEngine, LoadAndRestartReturnToTheStart) {
    auto e = engine(10);
    e.seek(7);
    e.restart();
    EXPECT_EQ(e.index(), 0);
    e.seek(7);
    e.load(words(3));
    EXPECT_EQ(e.index(), 0);
    EXPECT_EQ(e.count(), 3);
}

} // namespace
} // namespace velora
