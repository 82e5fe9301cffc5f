#include "core/TextEngine.hpp"

#include "core/Graphemes.hpp"
#include "core/Sentences.hpp"
#include "core/TextSanitizer.hpp"

#include <gtest/gtest.h>
#include <random>

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

struct TokenizeCase {
    std::string input;
    std::vector<Expected> words;
};

class Tokenize : public ::testing::TestWithParam<TokenizeCase> {};

TEST_P(Tokenize, SplitsIntoWords) {
    std::vector<Expected> words;
    for (const Word& word : TextEngine::tokenize(GetParam().input)) {
        EXPECT_EQ(word.id, static_cast<std::int64_t>(words.size()));
        words.push_back({word.text, word.orp, word.punctuation, word.isParagraphEnd});
    }
    EXPECT_EQ(words, GetParam().words);
}

const std::vector<Expected> oneTwoThree{
    {"one", 1, W::none, false}, {"two", 1, W::none, true}, {"three", 2, W::none, true}};

INSTANTIATE_TEST_SUITE_P(
    Texts, Tokenize,
    ::testing::Values(
        TokenizeCase{"", {}}, TokenizeCase{" \tone  two\r\n\n \t \r\rthree\n", oneTwoThree},
        TokenizeCase{"a\u00A0b", {{"a\u00A0b", 1, W::none, true}}},
        TokenizeCase{
            "a \u2014 b",
            {{"a", 0, W::none, false}, {"\u2014", 0, W::minor, false}, {"b", 0, W::none, true}}},
        TokenizeCase{"a\xFF b", {{"a\uFFFD", 0, W::none, false}, {"b", 0, W::none, true}}},
        TokenizeCase{"e\u0301te\u0301, \U0001F1EB\U0001F1F7\U0001F1E9\U0001F1EA.",
                     {{"e\u0301te\u0301,", 1, W::minor, false},
                      {"\U0001F1EB\U0001F1F7\U0001F1E9\U0001F1EA.", 1, W::major, true}}}));

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

// Whatever bytes arrive, the words hold what a word promises: well-formed, non-empty text without
// separators, a pivot inside it, and parts that put it back together.
TEST(Tokenize, AnyBytesGiveSoundWords) {
    const std::vector<std::string> pieces{
        " ",      "\n",         "\r",           "a",
        "7",      ".",          "\"",           "\u2019",
        "\u2014", "\u0301",     "\u200D",       "\u00A0",
        "\u2028", "\U0001F1EB", "\xFF",         "\xC3",
        "\u1100", "\U0001F468", "\xED\xA0\x80", std::string(1, '\0'),
        "\u4E2D", "\u3002",     "\u300C",       "\u0E44",
        "\u0E31", "\u17D2"};
    std::mt19937 random(11);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (auto i = random() % 24; i > 0; --i) {
            text += pieces[random() % pieces.size()];
        }
        SCOPED_TRACE(::testing::PrintToString(text));
        // The loader's one call trusts the cleaner's text to be well-formed and free of CR.
        const TextEngine::CleanedWords read = TextEngine::cleanAndTokenize(text);
        EXPECT_EQ(read.text, TextSanitizer::clean(text));
        EXPECT_TRUE(Graphemes::isWellFormed(read.text));
        EXPECT_EQ(read.text.find('\r'), std::string::npos);
        EXPECT_EQ(read.words, TextEngine::tokenize(read.text));
        for (const std::string& input : {text, read.text}) {
            for (const Word& word : TextEngine::tokenize(input)) {
                EXPECT_TRUE(Graphemes::isWellFormed(word.text));
                EXPECT_EQ(word.text.find_first_of(" \t\r\n"), std::string::npos);
                EXPECT_GE(word.orp, 0);
                EXPECT_LT(word.orp, static_cast<std::int64_t>(Graphemes::count(word.text)));
                const Word::OrpParts parts = word.orpParts();
                EXPECT_EQ(parts.left + parts.pivot + parts.right, word.text);
                EXPECT_EQ(static_cast<std::int64_t>(Graphemes::count(parts.left)), word.orp);
            }
        }
    }
}

// The ranges are the character counts of the joined text as it grows; counting each prefix afresh
// must agree for words that join across the space in every way clusters can.
TEST(Speech, RangesAgreeWithCountingEachPrefix) {
    EXPECT_EQ(TextEngine::normalize("a\n\rb\r\r\n"), "a\n\nb\n\n");
    const std::vector<std::string> texts{"\u0301", "a\u200D", "\U0001F1EB", "\U0001F1F7\U0001F1E9",
                                         "\u0600", "x\r",     "\n",         "\U0001F468\u200D",
                                         "\u1100", "\u1161",  "\uFE0F",     "end."};
    std::vector<Word> words;
    for (const std::string& text : texts) {
        words.push_back(Word{.id = static_cast<std::int64_t>(words.size()), .text = text});
    }
    const TextEngine::SpeechString speech = TextEngine::speechString(words);
    ASSERT_EQ(speech.ranges.size(), texts.size());
    std::string growing;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        growing += i > 0 ? " " : "";
        const auto begin = static_cast<std::int64_t>(Graphemes::count(growing));
        growing += texts[i];
        const auto end = static_cast<std::int64_t>(Graphemes::count(growing));
        EXPECT_EQ(speech.ranges[i], (TextEngine::CharacterRange{begin, end})) << i;
    }
    EXPECT_EQ(speech.text, growing);
}

} // namespace
} // namespace velora
