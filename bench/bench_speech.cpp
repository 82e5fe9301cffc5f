#include "app/SpeechService.hpp"
#include "platform/speech/EspeakEngine.hpp"
#include "platform/speech/EspeakWordMap.hpp"

#include <benchmark/benchmark.h>

namespace velora {
namespace {

std::vector<Word> bookOf(std::size_t count) {
    const std::array<const char*, 8> texts{"The",  "reader", "wörld,", "😀",
                                           "3.14", "東京",   "naïve",  "end."};
    std::vector<Word> words(count);
    for (std::size_t i = 0; i < count; ++i) {
        words[i].id = static_cast<std::int64_t>(i);
        words[i].text = texts[i % texts.size()];
    }
    return words;
}

// What speak() does on the main thread before the first word: join a book's words.
void BM_BuildRanges(benchmark::State& state) {
    const auto words = bookOf(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(SpeechService::buildUTF16Ranges(words));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BuildRanges)->Arg(1000)->Arg(200000);

// The synthesizer's side: map the text and take one event per word.
void BM_WordMap(benchmark::State& state) {
    const QString text =
        SpeechService::buildUTF16Ranges(bookOf(static_cast<std::size_t>(state.range(0)))).text;
    for (auto _ : state) {
        EspeakWordMap map(text);
        int position = 1;
        for (const QChar& unit : text) {
            if (unit == u' ') {
                benchmark::DoNotOptimize(map.take(position, 1));
            }
            ++position;
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WordMap)->Arg(200000);

// Seconds of speech synthesized per second of CPU time.
void BM_Synthesis(benchmark::State& state) {
    EspeakEngine& engine = EspeakEngine::instance();
    const QString text = QStringLiteral(
        "When the train left the station, the old man opened his newspaper and began to read "
        "about the weather, the harvest and the price of bread.");
    std::int64_t samples = 0;
    const EspeakEngine::Consumer count = [&](std::span<const std::int16_t> audio,
                                             std::span<const espeak_EVENT>) {
        samples += static_cast<std::int64_t>(audio.size());
        return true;
    };
    for (auto _ : state) {
        engine.synthesize(text, std::nullopt, EspeakEngine::paceFor(0.5F), count);
    }
    state.counters["speech_s_per_s"] = benchmark::Counter(
        static_cast<double>(samples) / engine.sampleRate(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Synthesis)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velora

BENCHMARK_MAIN();
