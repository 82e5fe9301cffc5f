#include "app/LibraryStore.hpp"
#include "core/DocumentIdentity.hpp"
#include "core/Graphemes.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <fstream>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

using velora::LibraryStore;
using velora::ReadingHistoryEntry;

// Resident set size in kilobytes.
long residentKilobytes() {
    long pages = 0;
    long resident = 0;
    std::ifstream statm("/proc/self/statm");
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Prose-like text of exactly `characters` characters, with accents and quotes to escape.
std::string text(std::size_t characters, std::size_t seed) {
    const std::string_view words[] = {"the ",        "reader ", "café ",
                                      "\"quoted\" ", "naïve ",  "words,\n"};
    std::string result = "Document " + std::to_string(seed) + ": ";
    // Every character takes at least one byte, so this many bytes hold enough characters.
    for (std::size_t i = seed; result.size() < 2 * characters; ++i) {
        result += words[i % std::size(words)];
    }
    return std::string(velora::Graphemes::prefix(result, characters));
}

// A library as full as it gets: 40 entries with the longest stored text each.
std::unique_ptr<LibraryStore> fullLibrary(const QTemporaryDir& dataHome) {
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    auto store = std::make_unique<LibraryStore>();
    for (int i = 0; i < static_cast<int>(LibraryStore::maxEntries); ++i) {
        const std::string body =
            text(LibraryStore::maxStoredTextChars, static_cast<std::size_t>(i));
        store->registerDocument(velora::DocumentIdentity::textKey(body), "Document",
                                ReadingHistoryEntry::Kind::text, 40000, std::nullopt, body);
    }
    store->flush();
    return store;
}

double threadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// What a save costs the event loop: the state is handed to the writer, which encodes and
// writes it meanwhile. Saves come faster than the disk takes them, as in a burst of pauses.
// Wall time includes the time the calling thread waits for a core on a loaded machine; thread
// CPU time is what the call itself takes.
void BM_SaveOnTheMainThread(benchmark::State& state) {
    const QTemporaryDir dataHome;
    const auto store = fullLibrary(dataHome);
    const std::string id = store->entries().front().id;
    const long before = residentKilobytes();
    std::int64_t index = 0;
    std::vector<double> wall;
    double longestCpu = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = threadCpuMilliseconds();
        store->updateProgress(id, ++index % 40000);
        longestCpu = std::max(longestCpu, threadCpuMilliseconds() - cpuStart);
        wall.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    store->flush();
    std::sort(wall.begin(), wall.end());
    state.counters["wall_p99_ms"] = wall[wall.size() * 99 / 100];
    state.counters["wall_max_ms"] = wall.back();
    state.counters["cpu_max_ms"] = longestCpu;
    state.counters["rss_growth_kB"] = static_cast<double>(residentKilobytes() - before);
}
BENCHMARK(BM_SaveOnTheMainThread)->Iterations(1000)->Unit(benchmark::kMillisecond);

// One save of the full library until it is on disk: encoding, temporary file, fdatasync, rename.
void BM_SaveToDisk(benchmark::State& state) {
    const QTemporaryDir dataHome;
    const auto store = fullLibrary(dataHome);
    const std::string id = store->entries().front().id;
    std::int64_t index = 0;
    for (auto _ : state) {
        store->updateProgress(id, ++index % 40000);
        store->flush();
    }
    state.counters["file_MB"] =
        static_cast<double>(QFileInfo(store->filePath()).size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_SaveToDisk)->Iterations(100)->Unit(benchmark::kMillisecond);

// A start over a hostile library.json of nothing but '[': opened, refused, and set aside by the
// first save. Argument: the file's size in MB (above and below the size a library can have).
void BM_StartOverHostileLibrary(benchmark::State& state) {
    const QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    const QString folder = dataHome.path() + "/VeloraMac";
    QDir().mkpath(folder);
    const QString path = folder + "/library.json";
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray(static_cast<qsizetype>(state.range(0)) << 20, '['));
    }
    long peak = 0;
    for (auto _ : state) {
        {
            LibraryStore store;
            peak = std::max(peak, residentKilobytes());
            store.recordSession();
        }
        state.PauseTiming();
        const QStringList aside = QDir(folder).entryList({"library.json.bad-*"});
        QFile::remove(path);
        QFile::rename(folder + "/" + aside.front(), path);
        state.ResumeTiming();
    }
    state.counters["peak_rss_MB"] = static_cast<double>(peak) / 1024.0;
}
BENCHMARK(BM_StartOverHostileLibrary)
    ->Arg(50)
    ->Arg(30)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
