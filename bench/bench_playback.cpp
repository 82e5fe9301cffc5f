// Timing of the reader's visual loop on the real event loop: how late each chunk appears against
// its planned start, and how far the whole text drifts from the sum of its intervals.

#include "app/ImportService.hpp"
#include "app/LibraryStore.hpp"
#include "app/ReaderViewModel.hpp"
#include "app/ReadingPreferences.hpp"
#include "core/ReadingTiming.hpp"
#include "core/TextEngine.hpp"
#include "core/TextSanitizer.hpp"
#include "platform/desktop/TimerScheduler.hpp"
#include "tests/fakes/FakeDocumentReaders.hpp"
#include "tests/fakes/FakePasteboard.hpp"
#include "tests/fakes/InMemoryPreferencesStore.hpp"
#include "tests/fakes/ScriptedSpeechService.hpp"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <functional>
#include <vector>

namespace {

using namespace velora;

constexpr std::int64_t wordCount = 2000;
constexpr std::int64_t wordsPerMinute = 1200;

// Prose-like words of mixed length with commas and sentence ends, so intervals vary.
std::string prose() {
    static const char* const words[] = {"the",  "reader", "moves",  "through", "every",
                                        "line", "of",     "text,",  "quietly", "and",
                                        "then", "stops",  "before", "turning", "pages."};
    std::string text;
    for (std::int64_t i = 0; i < wordCount; ++i) {
        text += (i == 0 ? "" : " ") + std::string(words[i % std::size(words)]);
    }
    return text;
}

double seconds(const ReadingTiming& timing, std::span<const Word> chunk) {
    return static_cast<double>(timing.nanoseconds(chunk)) / 1e9;
}

// Planned start of each one-word chunk, and last the planned end: the sums of the intervals.
std::vector<double> plannedStarts(const std::vector<Word>& words, const ReadingTiming& timing) {
    std::vector<double> starts{0.0};
    for (const Word& word : words) {
        starts.push_back(starts.back() + seconds(timing, std::span(&word, 1)));
    }
    return starts;
}

double percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const auto position =
        static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
    return values[position];
}

void report(benchmark::State& state, std::vector<double> lateness, double total, double planned) {
    state.counters["p50_ms"] = percentile(lateness, 0.5) * 1000.0;
    state.counters["p99_ms"] = percentile(lateness, 0.99) * 1000.0;
    state.counters["max_ms"] = *std::max_element(lateness.begin(), lateness.end()) * 1000.0;
    state.counters["drift_pct"] = (total - planned) / planned * 100.0;
}

// The controller's loop: each chunk ends one interval after the previous one was planned to end.
void BM_VisualLoop(benchmark::State& state) {
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    fakes::InMemoryPreferencesStore preferences;
    ReadingSettings settings;
    settings.wpm = wordsPerMinute;
    ReadingPreferences::storeSettings(preferences, settings);
    TimerScheduler scheduler;
    fakes::FakePasteboard pasteboard;
    const ImportService importer(std::make_shared<FakeDocumentReaders>());
    fakes::ScriptedSpeechSynthesizer::Log speechLog;

    for (auto _ : state) {
        const auto speech = fakes::scriptedSpeechService(speechLog, preferences);
        LibraryStore library;
        ReaderViewModel reader(ReaderViewModel::Services{preferences, scheduler, pasteboard,
                                                         importer, *speech, library});
        QEventLoop loading;
        reader.load(prose(), ReaderViewModel::LoadSource::text(),
                    [&loading](const LoadOutcome&) { loading.quit(); });
        loading.exec();

        const std::vector<double> plannedStart =
            plannedStarts(reader.engine().words(), ReadingTiming(reader.settings()));

        std::vector<double> lateness;
        lateness.reserve(static_cast<std::size_t>(wordCount));
        QEventLoop loop;
        double startedAt = 0;
        double endedAt = 0;
        QObject::connect(&reader, &ReaderViewModel::engineChanged, [&] {
            const double now = scheduler.now() - startedAt;
            const auto index = static_cast<std::size_t>(reader.engine().index());
            lateness.push_back(now - plannedStart[index]);
            endedAt = now;
        });
        QObject::connect(&reader, &ReaderViewModel::isPlayingChanged, [&] {
            if (!reader.isPlaying()) {
                loop.quit();
            }
        });
        startedAt = scheduler.now();
        reader.play();
        loop.exec();
        report(state, std::move(lateness), endedAt, plannedStart.back());
    }
}
BENCHMARK(BM_VisualLoop)->Iterations(1)->Unit(benchmark::kSecond);

// For comparison: sleeping each interval after the previous wake-up, so every delay adds up.
void BM_SleepAfterWakeUp(benchmark::State& state) {
    ReadingSettings settings;
    settings.wpm = wordsPerMinute;
    const ReadingTiming timing(settings);
    TimerScheduler scheduler;

    for (auto _ : state) {
        ReaderEngine engine(TextEngine::tokenize(TextSanitizer::clean(prose())), settings);
        const std::vector<double> planned = plannedStarts(engine.words(), timing);
        std::vector<double> lateness;
        QEventLoop loop;
        const double startedAt = scheduler.now();
        double endedAt = 0;
        std::function<void()> step = [&] {
            const bool more = engine.advance();
            endedAt = scheduler.now() - startedAt;
            lateness.push_back(endedAt - planned[static_cast<std::size_t>(engine.index())]);
            if (more) {
                scheduler.after(Scheduler::Seconds{seconds(timing, engine.currentChunk())}, step);
            } else {
                loop.quit();
            }
        };
        scheduler.after(Scheduler::Seconds{seconds(timing, engine.currentChunk())}, step);
        loop.exec();
        report(state, std::move(lateness), endedAt, planned.back());
    }
}
BENCHMARK(BM_SleepAfterWakeUp)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
