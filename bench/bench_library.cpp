#include "app/LibraryStore.hpp"
#include "core/DocumentIdentity.hpp"
#include "core/Graphemes.hpp"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>
#include <unistd.h>

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

// One save of a full library: 40 entries with the longest stored text each.
void BM_UpdateProgressFullLibrary(benchmark::State& state) {
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    LibraryStore store;
    for (int i = 0; i < static_cast<int>(LibraryStore::maxEntries); ++i) {
        const std::string body =
            text(LibraryStore::maxStoredTextChars, static_cast<std::size_t>(i));
        store.registerDocument(velora::DocumentIdentity::textKey(body), "Document",
                               ReadingHistoryEntry::Kind::text, 40000, std::nullopt, body);
    }
    const std::string id = store.entries().front().id;
    for (int warmup = 0; warmup < 10; ++warmup) {
        store.updateProgress(id, warmup);
    }
    const long before = residentKilobytes();
    std::int64_t index = 0;
    for (auto _ : state) {
        store.updateProgress(id, ++index % 40000);
    }
    state.counters["rss_growth_kB"] = static_cast<double>(residentKilobytes() - before);
    state.counters["file_MB"] =
        static_cast<double>(QFileInfo(store.fileURL()).size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_UpdateProgressFullLibrary)->Iterations(1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
