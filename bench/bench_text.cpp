#include "core/LengthHyphenator.hpp"
#include "core/ReadingTiming.hpp"
#include "core/Sentences.hpp"
#include "core/TextEngine.hpp"
#include "core/TextSanitizer.hpp"
#include "core/WordRhythm.hpp"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

using namespace velora;

constexpr std::size_t megabyte = 1 << 20;

const std::vector<std::string> english{
    "the",     "quick",   "brown",  "fox",      "jumps",      "over",    "lazy",    "dog",
    "reading", "speed",   "words",  "sentence", "paragraph",  "while",   "their",   "would",
    "because", "through", "should", "people",   "another",    "between", "against", "during",
    "a",       "I",       "it's",   "don't",    "well-known", "e-mail",  "1984",    "3.14"};
const std::vector<std::string> accented{"café",   "naïve",       "crème",  "brûlée", "Ærøskøbing",
                                        "façade", "e\u0301tude", "Dvořák", "São",    "Łódź"};
const std::vector<std::string> cyrillic{"Привет", "мир",         "чтение", "скорость",
                                        "слово",  "предложение", "и",      "в"};
const std::vector<std::string> cjk{"日本語のテキストを読む", "中文文本", "速読", "한국어"};
const std::vector<std::string> emoji{"😀", "👍🏽", "👨‍👩‍👧", "🇫🇷", "✨"};
const std::vector<std::string> bullets{"• ", "◦ ", "▪ ", "· "};
const std::vector<std::string> trailing{"",  "",  "",  "",       ",",      ".",
                                        "!", "?", ";", "\u2026", "\u201D", ".)"};

template <typename Random>
const std::string& pick(const std::vector<std::string>& pool, Random& r) {
    return pool[r() % pool.size()];
}

std::string longToken(std::mt19937& random) {
    std::string token = "https://example.org/";
    const std::size_t length = 40 + random() % 200;
    while (token.size() < length) {
        token += static_cast<char>('a' + random() % 26);
        token += random() % 9 == 0 ? "/" : "";
    }
    return token;
}

// Mixed text as it arrives from documents and selections, with CR LF line ends.
std::string mixedText(std::size_t size) {
    std::mt19937 random(42);
    std::string text;
    text.reserve(size + 4096);
    while (text.size() < size) {
        if (random() % 5 == 0) {
            text += pick(bullets, random);
        }
        const std::size_t words = 5 + random() % 60;
        for (std::size_t i = 0; i < words; ++i) {
            const auto roll = random() % 100;
            if (roll < 62) {
                text += pick(english, random);
            } else if (roll < 74) {
                text += pick(accented, random);
            } else if (roll < 86) {
                text += pick(cyrillic, random);
            } else if (roll < 93) {
                text += pick(cjk, random);
            } else if (roll < 97) {
                text += pick(emoji, random);
            } else {
                text += longToken(random);
            }
            text += pick(trailing, random);
            const auto gap = random() % 40;
            text += gap == 0 ? "\u00A0" : gap == 1 ? "  " : gap == 2 ? "\t" : " ";
        }
        text += random() % 4 == 0 ? "\r\n\r\n" : "\r\n";
    }
    return text;
}

std::string englishText(std::size_t size) {
    std::mt19937 random(7);
    std::string text;
    text.reserve(size + 1024);
    while (text.size() < size) {
        const std::size_t words = 5 + random() % 60;
        for (std::size_t i = 0; i < words; ++i) {
            text += pick(english, random);
            text += pick(trailing, random);
            text += i + 1 < words ? " " : "\n";
        }
    }
    return text;
}

// Sentences drawn at random into paragraphs, with no space between them, as Chinese and Thai
// are written (Thai puts a space between sentences).
std::string unspacedText(const std::vector<std::string>& sentences, const std::string& gap,
                         std::size_t size) {
    std::mt19937 random(3);
    std::string text;
    text.reserve(size + 1024);
    while (text.size() < size) {
        for (auto n = 2 + random() % 8; n > 0; --n) {
            text += pick(sentences, random);
            text += n > 1 ? gap : "\n";
        }
    }
    return text;
}

const std::vector<std::string> chinese{"今天天气很好，我们去公园散步吧！",
                                       "中华人民共和国成立于一九四九年十月一日。",
                                       "他说：“这本书非常有意思，你一定要读一读。”",
                                       "速读是一种从文字中快速获取信息的阅读方法。",
                                       "我们在图书馆里学习了三个小时，然后去吃晚饭。",
                                       "（注意）请在明天上午九点以前提交报告。"};
const std::vector<std::string> thai{
    "ภาษาไทยไม่มีช่องว่างระหว่างคำ", "วันนี้อากาศดีมากเราไปเดินเล่นที่สวนสาธารณะกันเถอะ",
    "การอ่านเร็วช่วยให้เราเข้าใจเนื้อหาได้มากขึ้นในเวลาที่น้อยลง", "ประเทศไทยมีประชากรประมาณเจ็ดสิบล้านคน",
    "หนังสือเล่มนี้น่าสนใจมากคุณควรอ่าน"};

// Letters of several scripts with no space or line break at all: one huge token.
std::string unbrokenText(std::size_t size) {
    const std::string piece = "wordсловоslово日本語e\u0301tude";
    std::string text;
    text.reserve(size + piece.size());
    while (text.size() < size) {
        text += piece;
    }
    return text;
}

std::size_t bytesHeld(const std::vector<Word>& words) {
    std::size_t bytes = words.capacity() * sizeof(Word);
    const std::size_t inPlace = std::string().capacity();
    for (const Word& word : words) {
        bytes += word.text.capacity() > inPlace ? word.text.capacity() + 1 : 0;
    }
    return bytes;
}

void cleanAndTokenize(benchmark::State& state, const std::string& text) {
    std::size_t count = 0;
    for (auto _ : state) {
        const TextEngine::CleanedWords read = TextEngine::cleanAndTokenize(text);
        count = read.words.size();
        benchmark::DoNotOptimize(read.words.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.SetComplexityN(static_cast<std::int64_t>(text.size()));
    state.counters["words"] = static_cast<double>(count);
}

void BM_CleanAndTokenizeMixed(benchmark::State& state) {
    static const std::string text = mixedText(10 * megabyte);
    cleanAndTokenize(state, text);
}
BENCHMARK(BM_CleanAndTokenizeMixed)->Unit(benchmark::kMillisecond);

void BM_CleanMixed(benchmark::State& state) {
    static const std::string text = mixedText(10 * megabyte);
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextSanitizer::clean(text).size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_CleanMixed)->Unit(benchmark::kMillisecond);

void BM_TokenizeCleanedMixed(benchmark::State& state) {
    static const std::string text = TextSanitizer::clean(mixedText(10 * megabyte));
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextEngine::tokenize(text).size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_TokenizeCleanedMixed)->Unit(benchmark::kMillisecond);

void BM_EnglishWordList(benchmark::State& state) {
    static const std::string text = englishText(10 * megabyte);
    std::vector<Word> words;
    for (auto _ : state) {
        words = TextEngine::cleanAndTokenize(text).words;
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["words"] = static_cast<double>(words.size());
    state.counters["bytesPerWord"] =
        static_cast<double>(bytesHeld(words)) / static_cast<double>(words.size());
}
BENCHMARK(BM_EnglishWordList)->Unit(benchmark::kMillisecond);

double childCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The yardstick beside the figures above: `wc -w` over the same bytes, timed by its own CPU time
// so that the two are compared alike on a loaded machine.
void wcWords(benchmark::State& state, const std::string& text) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("bench_text_wc_" + std::to_string(getpid()));
    std::ofstream(path, std::ios::binary) << text;
    std::string program = "wc";
    std::string option = "-w";
    std::string file = path.string();
    char* arguments[] = {program.data(), option.data(), file.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        const double before = childCpuSeconds();
        pid_t child = 0;
        int status = 0;
        if (posix_spawnp(&child, "wc", &actions, nullptr, arguments, environ) != 0 ||
            waitpid(child, &status, 0) != child || status != 0) {
            state.SkipWithError("wc -w failed");
            break;
        }
        state.SetIterationTime(childCpuSeconds() - before);
    }
    posix_spawn_file_actions_destroy(&actions);
    std::filesystem::remove(path);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_WcWordsMixed(benchmark::State& state) {
    static const std::string text = mixedText(10 * megabyte);
    wcWords(state, text);
}
BENCHMARK(BM_WcWordsMixed)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_WcWordsEnglish(benchmark::State& state) {
    static const std::string text = englishText(10 * megabyte);
    wcWords(state, text);
}
BENCHMARK(BM_WcWordsEnglish)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_CleanAndTokenizeChinese(benchmark::State& state) {
    static const std::string text = unspacedText(chinese, "", 10 * megabyte);
    cleanAndTokenize(state, text);
}
BENCHMARK(BM_CleanAndTokenizeChinese)->Unit(benchmark::kMillisecond);

void BM_CleanAndTokenizeThai(benchmark::State& state) {
    static const std::string text = unspacedText(thai, " ", 10 * megabyte);
    cleanAndTokenize(state, text);
}
BENCHMARK(BM_CleanAndTokenizeThai)->Unit(benchmark::kMillisecond);

void BM_SentenceStartsEnglish(benchmark::State& state) {
    static const std::string text = TextSanitizer::clean(englishText(10 * megabyte));
    std::size_t count = 0;
    for (auto _ : state) {
        count = Sentences::starts(text).size();
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["sentences"] = static_cast<double>(count);
}
BENCHMARK(BM_SentenceStartsEnglish)->Unit(benchmark::kMillisecond);

// A book of 1 MB: its words' weights are found off the main thread when it loads; the shares are
// worked out again on the main thread whenever a pause or the natural rhythm is changed.
struct Book {
    std::vector<Word> words;
    TextStarts starts;
    std::vector<double> weights;
};

const Book& englishBook() {
    static const Book book = [] {
        const std::string text = TextSanitizer::clean(englishText(megabyte));
        Book b;
        b.words = TextEngine::tokenize(text);
        b.starts = Sentences::of(b.words, text);
        b.weights = WordRhythm::weights(b.words, b.starts, LengthHyphenator());
        return b;
    }();
    return book;
}

void BM_RhythmWeights(benchmark::State& state) {
    const Book& book = englishBook();
    for (auto _ : state) {
        benchmark::DoNotOptimize(WordRhythm::weights(book.words, book.starts, LengthHyphenator()));
    }
    state.counters["words"] = static_cast<double>(book.words.size());
}
BENCHMARK(BM_RhythmWeights)->Unit(benchmark::kMillisecond);

void BM_RhythmShares(benchmark::State& state) {
    const Book& book = englishBook();
    ReadingSettings settings;
    settings.naturalRhythm = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            ReadingTiming(settings).rhythmShares(book.words, book.starts, book.weights));
    }
    state.counters["words"] = static_cast<double>(book.words.size());
}
BENCHMARK(BM_RhythmShares)->Unit(benchmark::kMillisecond);

void BM_UnbrokenText(benchmark::State& state) {
    const std::string text = unbrokenText(static_cast<std::size_t>(state.range(0)) * megabyte);
    cleanAndTokenize(state, text);
}
BENCHMARK(BM_UnbrokenText)
    ->Arg(1)
    ->Arg(2)
    ->Arg(5)
    ->Arg(10)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_OneLetterLines(benchmark::State& state) {
    std::string text;
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        text += static_cast<char>('a' + i % 26);
        text += '\n';
    }
    cleanAndTokenize(state, text);
}
BENCHMARK(BM_OneLetterLines)
    ->Arg(500'000)
    ->Arg(1'000'000)
    ->Arg(2'500'000)
    ->Arg(5'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
