#include "core/ScriptWords.hpp"

#include "core/Punctuation.hpp"
#include "core/Sentences.hpp"
#include "core/TextEngine.hpp"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <unicode/brkiter.h>
#include <unicode/utext.h>

namespace velora {
namespace {

using W = PunctuationWeight;

struct Expected {
    std::string text;
    std::int64_t orp;
    PunctuationWeight punctuation;
    bool isParagraphEnd;
    bool operator==(const Expected&) const = default;
};

void PrintTo(const Expected& word, std::ostream* out) {
    *out << word.text << " orp " << word.orp << ' ' << toString(word.punctuation)
         << (word.isParagraphEnd ? " paragraph end" : "");
}

struct ScriptCase {
    const char* name;
    std::string text;
    std::vector<Expected> words;
    std::vector<std::int64_t> sentenceStarts;
};

class Scripts : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(Scripts, ReadWordByWordWithTheirOwnStops) {
    const std::vector<Word> words = TextEngine::tokenize(GetParam().text);
    std::vector<Expected> got;
    for (const Word& word : words) {
        EXPECT_EQ(word.id, static_cast<std::int64_t>(got.size()));
        got.push_back({word.text, word.orp, word.punctuation, word.isParagraphEnd});
    }
    EXPECT_EQ(got, GetParam().words);
    EXPECT_EQ(Sentences::starts(GetParam().text), GetParam().sentenceStarts);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Scripts,
    ::testing::Values(ScriptCase{"Chinese",
                                 "今天天气很好。\n我们去公园散步吧！",
                                 {{"今天", 0, W::none, false},
                                  {"天气", 0, W::none, false},
                                  {"很好。", 0, W::major, true},
                                  {"我们", 0, W::none, false},
                                  {"去", 0, W::none, false},
                                  {"公园", 0, W::none, false},
                                  {"散步", 0, W::none, false},
                                  {"吧！", 0, W::major, true}},
                                 {0, 3}},
                      ScriptCase{"ChineseQuotesAndBrackets",
                                 "他说：“走吧。”（中国）",
                                 {{"他", 0, W::none, false},
                                  {"说：", 0, W::minor, false},
                                  {"“走", 1, W::none, false},
                                  {"吧。”", 0, W::major, false},
                                  {"（中国）", 1, W::none, true}},
                                 {0, 4}},
                      ScriptCase{"MixedToken",
                                 "iPhone在中国。",
                                 {{"iPhone", 2, W::none, false},
                                  {"在", 0, W::none, false},
                                  {"中国。", 0, W::major, true}},
                                 {0}},
                      ScriptCase{"Japanese",
                                 "東京は大きい。「コーヒー」を飲みます、",
                                 {{"東京", 0, W::none, false},
                                  {"は", 0, W::none, false},
                                  {"大きい。", 1, W::major, false},
                                  {"「コーヒー」", 2, W::none, false},
                                  {"を", 0, W::none, false},
                                  {"飲", 0, W::none, false},
                                  {"み", 0, W::none, false},
                                  {"ます、", 0, W::minor, true}},
                                 {0, 3}},
                      ScriptCase{"Thai",
                                 "ภาษาไทยไม่มีช่องว่างระหว่างคำ ครับ",
                                 {{"ภาษา", 1, W::none, false},
                                  {"ไทย", 1, W::none, false},
                                  {"ไม่มี", 1, W::none, false},
                                  {"ช่อง", 1, W::none, false},
                                  {"ว่าง", 1, W::none, false},
                                  {"ระหว่าง", 2, W::none, false},
                                  {"คำ", 0, W::none, false},
                                  {"ครับ", 1, W::none, true}},
                                 {0}},
                      ScriptCase{"Khmer",
                                 "ខ្ញុំស្រលាញ់អ្នក។ សួស្តី",
                                 {{"ខ្ញុំ", 0, W::none, false},
                                  {"ស្រលាញ់", 1, W::none, false},
                                  {"អ្នក។", 1, W::major, false},
                                  {"សួស្តី", 1, W::none, true}},
                                 {0, 3}},
                      ScriptCase{"Myanmar",
                                 "မြန်မာစာ၊ နေကောင်းလား။",
                                 {{"မြန်မာ", 1, W::none, false},
                                  {"စာ၊", 0, W::minor, false},
                                  {"နေ", 0, W::none, false},
                                  {"ကောင်း", 1, W::none, false},
                                  {"လား။", 1, W::major, true}},
                                 {0}},
                      ScriptCase{"Hindi",
                                 "यह एक वाक्य है। दूसरा वाक्य॥ तीसरा",
                                 {{"यह", 0, W::none, false},
                                  {"एक", 0, W::none, false},
                                  {"वाक्य", 0, W::none, false},
                                  {"है।", 0, W::major, false},
                                  {"दूसरा", 1, W::none, false},
                                  {"वाक्य॥", 0, W::major, false},
                                  {"तीसरा", 1, W::none, true}},
                                 {0, 4, 6}},
                      ScriptCase{"Arabic",
                                 "مرحبا، كيف حالك؟ أنا بخير.",
                                 {{"مرحبا،", 2, W::minor, false},
                                  {"كيف", 1, W::none, false},
                                  {"حالك؟", 1, W::major, false},
                                  {"أنا", 1, W::none, false},
                                  {"بخير.", 1, W::major, true}},
                                 {0, 3}},
                      ScriptCase{"Urdu",
                                 "یہ ہے۔ وہ",
                                 {{"یہ", 0, W::none, false},
                                  {"ہے۔", 0, W::major, false},
                                  {"وہ", 0, W::none, true}},
                                 {0, 2}},
                      ScriptCase{"Hebrew",
                                 "שלום, מה שלומך?",
                                 {{"שלום,", 1, W::minor, false},
                                  {"מה", 0, W::none, false},
                                  {"שלומך?", 2, W::major, true}},
                                 {0}},
                      ScriptCase{"HebrewWithEnglishAndNumbers",
                                 "ביקרתי ב-iPhone 15 אתמול. טוב",
                                 {{"ביקרתי", 2, W::none, false},
                                  {"ב-iPhone", 3, W::none, false},
                                  {"15", 0, W::none, false},
                                  {"אתמול.", 2, W::major, false},
                                  {"טוב", 1, W::none, true}},
                                 {0, 4}},
                      ScriptCase{"Russian",
                                 "Привет, мир! Как дела?",
                                 {{"Привет,", 2, W::minor, false},
                                  {"мир!", 1, W::major, false},
                                  {"Как", 1, W::none, false},
                                  {"дела?", 1, W::major, true}},
                                 {0, 2}},
                      ScriptCase{"Korean",
                                 "한국어 문장입니다. 둘째",
                                 {{"한국어", 1, W::none, false},
                                  {"문장입니다.", 2, W::major, false},
                                  {"둘째", 0, W::none, true}},
                                 {0, 2}},
                      ScriptCase{"Ethiopic",
                                 "ሰላም፣ እንዴት ነህ። ደህና",
                                 {{"ሰላም፣", 1, W::minor, false},
                                  {"እንዴት", 1, W::none, false},
                                  {"ነህ።", 0, W::major, false},
                                  {"ደህና", 1, W::none, true}},
                                 {0, 3}},
                      ScriptCase{"Armenian",
                                 "Բարեւ՝ աշխարհ։ Լավ",
                                 {{"Բարեւ՝", 2, W::minor, false},
                                  {"աշխարհ։", 2, W::major, false},
                                  {"Լավ", 1, W::none, true}},
                                 {0, 2}},
                      // Three-byte characters outside those scripts keep their token whole.
                      ScriptCase{"SymbolsStayWhole",
                                 "€100→€200 ①②",
                                 {{"€100→€200", 4, W::none, false}, {"①②", 0, W::none, true}},
                                 {0}}),
    [](const auto& info) { return std::string(info.param.name); });

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
