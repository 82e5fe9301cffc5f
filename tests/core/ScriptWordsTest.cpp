#include "core/ScriptWords.hpp"

#include "core/ORP.hpp"
#include "core/Punctuation.hpp"
#include "core/Sentences.hpp"
#include "core/TextEngine.hpp"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <unicode/brkiter.h>
#include <unicode/uscript.h>
#include <unicode/utext.h>

namespace velora {
namespace {

using W = PunctuationWeight;

bool isIcuWordBoundary(const std::string& token, std::size_t offset) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> words(
        icu::BreakIterator::createWordInstance(icu::Locale::getRoot(), status));
    UText text = UTEXT_INITIALIZER;
    utext_openUTF8(&text, token.data(), static_cast<std::int64_t>(token.size()), &status);
    words->setText(&text, status);
    const bool boundary = U_SUCCESS(status) && words->isBoundary(static_cast<std::int32_t>(offset));
    utext_close(&text);
    return boundary;
}

class UnspacedRuns : public ::testing::TestWithParam<std::string> {};

// The words put each token back together, and every cut lies on one of ICU's word boundaries.
TEST_P(UnspacedRuns, AreCutOnlyAtWordBoundaries) {
    const std::string& token = GetParam();
    std::vector<ScriptWords::Piece> pieces;
    ScriptWords::cut(token, pieces);
    ASSERT_GT(pieces.size(), 1U);
    std::size_t at = 0;
    for (const ScriptWords::Piece& piece : pieces) {
        EXPECT_EQ(piece.begin, at);
        EXPECT_LT(piece.begin, piece.end);
        EXPECT_TRUE(isIcuWordBoundary(token, piece.begin)) << piece.begin;
        at = piece.end;
    }
    EXPECT_EQ(at, token.size());
}

INSTANTIATE_TEST_SUITE_P(Texts, UnspacedRuns,
                         ::testing::Values("中华人民共和国成立于一九四九年。",
                                           "私は東京大学の学生です。",
                                           "カタカナとひらがなと漢字を混ぜた文章",
                                           "สวัสดีครับยินดีต้อนรับ", "ສະບາຍດີປະເທດລາວ", "ព្រះរាជាណាចក្រកម្ពុជា",
                                           "မြန်မာနိုင်ငံသည်", "«中文»和English混合123的文本！"));

// The scan for tokens to cut passes over lead byte E2 unread: no letter of those scripts may be
// encoded with it, whatever ICU's tables say next.
TEST(UnspacedRuns, HaveNoLetterInThePunctuationBlocks) {
    for (UChar32 c = 0x2000; c < 0x3000; ++c) {
        UErrorCode status = U_ZERO_ERROR;
        const UScriptCode script = uscript_getScript(c, &status);
        const bool unspaced = script == USCRIPT_HAN || script == USCRIPT_HIRAGANA ||
                              script == USCRIPT_KATAKANA || script == USCRIPT_THAI ||
                              script == USCRIPT_LAO || script == USCRIPT_KHMER ||
                              script == USCRIPT_MYANMAR;
        EXPECT_FALSE(unspaced && ORP::isAlphanumeric(c)) << std::hex << c;
    }
}

class RepeatedTokens : public ::testing::TestWithParam<std::string> {};

// A token met again in the same text must read as it did the first time, and a line that ends
// with it must end its paragraph on its last word only.
TEST_P(RepeatedTokens, ReadAsTheyDoAlone) {
    const std::string& token = GetParam();
    const std::vector<Word> alone = TextEngine::tokenize(token);
    ASSERT_FALSE(alone.empty());
    const std::vector<Word> words = TextEngine::tokenize(token + " " + token + "\n" + token);
    ASSERT_EQ(words.size(), 3 * alone.size());
    for (std::size_t k = 0; k < words.size(); ++k) {
        const Word& word = words[k];
        const Word& expected = alone[k % alone.size()];
        EXPECT_EQ(word.text, expected.text) << k;
        EXPECT_EQ(word.orp, expected.orp) << k;
        EXPECT_EQ(word.punctuation, expected.punctuation) << k;
        const bool endsLine = k == 2 * alone.size() - 1 || k == words.size() - 1;
        EXPECT_EQ(word.isParagraphEnd, endsLine) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Tokens, RepeatedTokens,
                         ::testing::Values("日本語のテキストを読む。", "中文文本，",
                                           "ภาษาไทยไม่มีช่องว่าง", "iPhone在中国", "한국어",
                                           "word\u2026", "「速読」"));

struct MarkCase {
    char32_t mark;
    PunctuationWeight weight;
};

std::string utf8(char32_t c) {
    std::string out;
    icu::UnicodeString(static_cast<UChar32>(c)).toUTF8String(out);
    return out;
}

std::vector<MarkCase> everyMark() {
    std::vector<MarkCase> cases;
    for (const char32_t c : Punctuation::major) {
        cases.push_back({c, W::major});
    }
    for (const char32_t c : Punctuation::minor) {
        cases.push_back({c, W::minor});
    }
    return cases;
}

class PauseMarks : public ::testing::TestWithParam<MarkCase> {};

// What pauses like a full stop also starts the next sentence for the sentence moves, and a comma
// never does, closing brackets or not. The ellipsis pauses but may trail off inside a sentence.
TEST_P(PauseMarks, PauseAndEndSentencesAlike) {
    const auto [mark, weight] = GetParam();
    for (const std::string closer : {"", "」", "\u201D"}) {
        const std::string text = "Word" + utf8(mark) + closer + " Next word";
        SCOPED_TRACE(text);
        const std::vector<Word> words = TextEngine::tokenize(text);
        ASSERT_EQ(words.size(), 3U);
        EXPECT_EQ(words[0].punctuation, weight);
        if (mark != U'\u2026') {
            const std::vector<std::int64_t> sentences =
                weight == W::major ? std::vector<std::int64_t>{0, 1} : std::vector<std::int64_t>{0};
            EXPECT_EQ(Sentences::starts(text), sentences);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Marks, PauseMarks, ::testing::ValuesIn(everyMark()));

// The sentence moves index the tokenizer's words: in any mix of scripts, spaced or not, both must
// count the same words, and a sentence starts only after a full stop or a line end.
TEST(ScriptSentences, IndexTheTokenizersWords) {
    const std::vector<std::string> openings{"", "", "「", "“"};
    const std::vector<std::string> letters{"中", "文", "ไ", "ท", "ក", "A", "b"};
    const std::vector<std::string> marks{"", "", "。", "、", ".", "!", "?", "।"};
    const std::vector<std::string> closers{"", "", "」", "”"};
    const std::vector<std::string> gaps{"", "", " ", "\n"};
    std::mt19937 random(5);
    auto pick = [&random](const std::vector<std::string>& pool) -> const std::string& {
        return pool[random() % pool.size()];
    };
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        for (auto i = random() % 8; i > 0; --i) {
            text += pick(openings);
            for (auto n = 1 + random() % 3; n > 0; --n) {
                text += pick(letters);
            }
            text += pick(marks) + pick(closers) + pick(gaps);
        }
        SCOPED_TRACE(::testing::PrintToString(text));
        const std::vector<Word> words = TextEngine::tokenize(text);
        const std::vector<std::int64_t> starts = Sentences::starts(text);
        // Given the words, the moves take their cuts from them and must find the same starts.
        EXPECT_EQ(Sentences::of(words, text), Sentences::indexed(words, starts));
        EXPECT_TRUE(std::is_sorted(starts.begin(), starts.end()));
        EXPECT_EQ(std::adjacent_find(starts.begin(), starts.end()), starts.end());
        for (const std::int64_t start : starts) {
            ASSERT_LT(start, static_cast<std::int64_t>(words.size()));
            if (start > 0) {
                const Word& before = words[static_cast<std::size_t>(start - 1)];
                EXPECT_TRUE(before.isParagraphEnd || before.punctuation == W::major) << before.text;
            }
        }
    }
}

} // namespace
} // namespace velora
