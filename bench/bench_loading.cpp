// How long the main thread is busy at a stretch while documents load through the reader's one
// road: a 7 MB selection and a 60 MB Windows-1252 text file. A zero-delay timer ticks on the main
// thread throughout; the longest gap between ticks is the longest the event loop was held.

#include "DocumentFixtures.hpp"
#include "app/ImportService.hpp"
#include "app/LibraryStore.hpp"
#include "app/ReaderViewModel.hpp"
#include "platform/desktop/TimerScheduler.hpp"
#include "platform/documents/LinuxDocumentReaders.hpp"
#include "tests/fakes/FakePasteboard.hpp"
#include "tests/fakes/InMemoryPreferencesStore.hpp"
#include "tests/fakes/ScriptedSpeechService.hpp"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <ctime>
#include <random>

namespace {

using namespace velora;

std::string prose(std::size_t bytes) {
    static const char* const words[] = {"the",     "reader", "moves",      "quickly",
                                        "through", "a",      "long",       "caf\u00E9",
                                        "chapter", "while",  "na\u00EFve", "\u201Cwords\u201D",
                                        "appear",  "and",    "go"};
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(words) - 1);
    std::string text;
    int inSentence = 0;
    while (text.size() < bytes) {
        text += words[pick(random)];
        text += ++inSentence % 12 == 0 ? ". " : " ";
    }
    return text;
}

std::int64_t threadCpuNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

// The longest stretches, in milliseconds, that the main thread did not get back to its event
// loop: in wall time, and in its own CPU time, which the other programs sharing the cores do not
// lengthen.
struct Busy {
    double wallMs = 0;
    double cpuMs = 0;
};

// Runs `start` (which begins a load ending in the given callback) and measures the main thread
// until the load ended.
Busy longestBusy(const std::function<void(LoadDone)>& start) {
    QEventLoop loop;
    QElapsedTimer clock;
    qint64 lastWall = 0;
    std::int64_t lastCpu = 0;
    Busy longest;
    const auto sample = [&] {
        const qint64 wall = clock.nsecsElapsed();
        const std::int64_t cpu = threadCpuNanoseconds();
        longest.wallMs = std::max(longest.wallMs, static_cast<double>(wall - lastWall) / 1e6);
        longest.cpuMs = std::max(longest.cpuMs, static_cast<double>(cpu - lastCpu) / 1e6);
        lastWall = wall;
        lastCpu = cpu;
    };
    QTimer tick;
    tick.setInterval(0);
    QObject::connect(&tick, &QTimer::timeout, sample);
    bool ended = false;
    tick.start();
    clock.start();
    lastCpu = threadCpuNanoseconds();
    start([&](const LoadOutcome&) {
        sample();
        ended = true;
        loop.quit();
    });
    if (!ended) {
        loop.exec();
    }
    return longest;
}

class Reader {
public:
    Reader()
        : importer_(std::make_shared<LinuxDocumentReaders>()),
          speech_(fakes::scriptedSpeechService(log_, preferences_)),
          viewModel_(ReaderViewModel::Services{preferences_, scheduler_, pasteboard_, importer_,
                                               *speech_, library_}) {}

    ReaderViewModel& viewModel() { return viewModel_; }

private:
    fakes::InMemoryPreferencesStore preferences_;
    TimerScheduler scheduler_;
    fakes::FakePasteboard pasteboard_;
    ImportService importer_;
    fakes::ScriptedSpeechSynthesizer::Log log_;
    std::unique_ptr<SpeechService> speech_;
    LibraryStore library_;
    ReaderViewModel viewModel_;
};

void report(benchmark::State& state, const std::vector<Busy>& busy) {
    std::vector<double> wall;
    std::vector<double> cpu;
    for (const Busy& one : busy) {
        wall.push_back(one.wallMs);
        cpu.push_back(one.cpuMs);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    state.counters["busy_max_ms"] = wall.back();
    state.counters["busy_median_ms"] = wall[wall.size() / 2];
    state.counters["busy_cpu_max_ms"] = cpu.back();
    state.counters["busy_cpu_median_ms"] = cpu[cpu.size() / 2];
}

void BM_MainThreadWhileSelectionLoads(benchmark::State& state) {
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    Reader reader;
    const QString selection = QString::fromStdString(prose(7u << 20));
    std::vector<Busy> busy;
    for (auto _ : state) {
        // The shell hands the selection over as Qt text, as the bus delivers it.
        busy.push_back(longestBusy(
            [&](LoadDone done) { reader.viewModel().loadText(selection, std::move(done)); }));
    }
    report(state, busy);
}

void BM_MainThreadWhileLegacyTextLoads(benchmark::State& state) {
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    fixtures::ScratchFolder folder;
    const auto file = folder / "60-mb-windows-1252.txt";
    fixtures::writeFile(file, fixtures::encoded(prose(60u << 20), "windows-1252"));
    Reader reader;
    std::vector<Busy> busy;
    for (auto _ : state) {
        busy.push_back(longestBusy([&](LoadDone done) {
            reader.viewModel().loadFile(file, ReaderViewModel::couldNotRead(), std::move(done));
        }));
    }
    report(state, busy);
}

BENCHMARK(BM_MainThreadWhileSelectionLoads)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_MainThreadWhileLegacyTextLoads)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
