// Import speed: a 300-page PDF against pdftotext on the same file, in process and as whole
// `veloramac --extract`/`--words` runs beside it on that book and a 110-page manual of about 260
// KB, an EPUB holding 2 MB of text, a 50 MB plain-text file in Windows-1252, and scanned pages read
// by text recognition at 300 dpi. Inputs come from --pdf=, --manual=, --epub=, --text= and --scan=
// or are made here; --program= times another `veloramac`, an earlier build's for a before/after.
#include "DocumentFixtures.hpp"
#include "app/ImportService.hpp"
#include "platform/documents/ChildProcess.hpp"
#include "platform/documents/LinuxDocumentReaders.hpp"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <random>

namespace {

using namespace velora;

struct Inputs {
    std::string program = VELORAMAC;
    std::filesystem::path pdf;
    std::filesystem::path manual;
    std::filesystem::path epub;
    std::filesystem::path text;
    std::filesystem::path scan;
};

constexpr int scannedPages = 4;
constexpr unsigned manualPages = 110;

Inputs inputs;

// Sentences of ordinary words, the same every run.
std::string prose(std::size_t bytes, unsigned seed) {
    static const char* const words[] = {
        "the",   "reader",  "moves", "quickly",   "through",    "a",
        "long",  "chapter", "while", "every",     "sentence",   "keeps",
        "its",   "pace",    "and",   "caf\u00E9", "na\u00EFve", "\u201Cquoted\u201D",
        "words", "appear",  "now",   "then",      "in",         "between"};
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(words) - 1);
    std::string text;
    int inSentence = 0;
    while (text.size() < bytes) {
        text += words[pick(random)];
        if (++inSentence == 12) {
            text += ". ";
            inSentence = 0;
        } else {
            text += ' ';
        }
    }
    return text;
}

void makeMissingInputs(const fixtures::ScratchFolder& folder) {
    if (inputs.pdf.empty()) {
        inputs.pdf = folder / "300-pages.pdf";
        std::vector<std::string> pages;
        for (unsigned page = 0; page < 300; ++page) {
            pages.push_back(prose(2500, page));
        }
        fixtures::writePdf(inputs.pdf, pages);
    }
    if (inputs.manual.empty()) {
        inputs.manual = folder / "manual.pdf";
        std::vector<std::string> pages;
        for (unsigned page = 0; page < manualPages; ++page) {
            pages.push_back(prose(2500, 500 + page));
        }
        fixtures::writePdf(inputs.manual, pages);
    }
    if (inputs.epub.empty()) {
        inputs.epub = folder / "2-mb-text.epub";
        std::vector<std::pair<std::string, std::string>> chapters;
        for (unsigned chapter = 0; chapter < 53; ++chapter) {
            std::string body;
            for (unsigned paragraph = 0; paragraph < 40; ++paragraph) {
                body += "<p>" + prose(1000, chapter * 100 + paragraph) + "</p>\n";
            }
            chapters.emplace_back("Text/chapter" + std::to_string(chapter) + ".xhtml",
                                  fixtures::xhtml(body));
        }
        fixtures::writeEpub(inputs.epub, chapters);
    }
    if (inputs.text.empty()) {
        inputs.text = folder / "50-mb-windows-1252.txt";
        fixtures::writeFile(inputs.text, fixtures::encoded(prose(50u << 20, 7), "windows-1252"));
    }
    if (inputs.scan.empty()) {
        inputs.scan = folder / "scanned-pages.pdf";
        std::vector<std::string> pages;
        for (unsigned page = 0; page < scannedPages; ++page) {
            pages.push_back(prose(2500, 1000 + page));
        }
        fixtures::writeScannedPdf(inputs.scan, pages,
                                  std::vector<bool>(static_cast<std::size_t>(scannedPages), true));
    }
}

const ImportService& service() {
    static const ImportService instance(std::make_shared<LinuxDocumentReaders>());
    return instance;
}

void importFile(benchmark::State& state, const std::filesystem::path& file) {
    std::size_t size = 0;
    for (auto _ : state) {
        const ImportResult text = service().importText(file);
        if (!text.ok()) {
            state.SkipWithError("import failed");
            return;
        }
        size = text.text().size();
        benchmark::DoNotOptimize(text.text().data());
    }
    state.counters["text_MB"] = static_cast<double>(size) / (1 << 20);
}

void BM_ImportPdf(benchmark::State& state) {
    importFile(state, inputs.pdf);
}

void BM_Pdftotext(benchmark::State& state) {
    ChildProcess::Options options;
    for (auto _ : state) {
        if (!ChildProcess::run("/usr/bin/pdftotext", {"-q", inputs.pdf.string(), "/dev/null"},
                               options)) {
            state.SkipWithError("pdftotext failed (poppler-utils installed?)");
            return;
        }
    }
}

// Both readers in turn on every iteration, so that load from elsewhere hits them alike; the
// counter is the import's share of the pdftotext time.
void BM_ImportPdfAgainstPdftotext(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    Clock::duration imported{};
    Clock::duration extracted{};
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(service().importText(inputs.pdf));
        const auto middle = Clock::now();
        if (!ChildProcess::run("/usr/bin/pdftotext", {"-q", inputs.pdf.string(), "/dev/null"},
                               {})) {
            state.SkipWithError("pdftotext failed (poppler-utils installed?)");
            return;
        }
        imported += middle - start;
        extracted += Clock::now() - middle;
    }
    state.counters["import_per_pdftotext"] =
        std::chrono::duration<double>(imported) / std::chrono::duration<double>(extracted);
}

struct ProcessRun {
    double seconds = 0;
    double cpuSeconds = 0;
    double peakMB = 0;
};

// One whole process under /usr/bin/time, which reports its processor time and peak resident set:
// the program is forked by that small process, so none of this one's memory counts in its peak.
std::optional<ProcessRun> runTimed(const std::string& program,
                                   const std::vector<std::string>& arguments,
                                   const std::filesystem::path& report) {
    std::vector<std::string> timeArguments = {"-f", "%M %U %S", "-o", report.string(), program};
    timeArguments.insert(timeArguments.end(), arguments.begin(), arguments.end());
    const auto start = std::chrono::steady_clock::now();
    if (!ChildProcess::run("/usr/bin/time", timeArguments, {})) {
        return std::nullopt;
    }
    ProcessRun run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    double peakKB = 0;
    double user = 0;
    double system = 0;
    std::ifstream(report) >> peakKB >> user >> system;
    run.peakMB = peakKB / 1024;
    run.cpuSeconds = user + system;
    return run;
}

double median(std::vector<double> values) {
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// One figure of both programs over the pairs: medians of each and of the pairs' ratios.
struct PairedFigure {
    std::vector<double> ours;
    std::vector<double> yardstick;
    std::vector<double> ratios;

    void add(double our, double their) {
        ours.push_back(our);
        yardstick.push_back(their);
        ratios.push_back(our / their);
    }

    void report(benchmark::State& state, const std::string& name, double scale) const {
        state.counters[name] = median(ours) * scale;
        state.counters["pdftotext_" + name] = median(yardstick) * scale;
        state.counters[name + "_ratio"] = median(ratios);
    }
};

// `veloramac OPTION FILE` and `pdftotext FILE -` in turn, seven pairs, both writing to the null
// device, so that load from elsewhere hits them alike. Wall time is what the user waits; on a
// shared machine the processor time is the steadier comparison.
void BM_CommandLineAgainstPdftotext(benchmark::State& state, const char* option,
                                    const std::filesystem::path* file) {
    constexpr int pairs = 7;
    const fixtures::ScratchFolder folder;
    PairedFigure wall;
    PairedFigure cpu;
    PairedFigure peak;
    for (auto _ : state) {
        for (int pair = 0; pair < pairs; ++pair) {
            const auto ours = runTimed(inputs.program, {option, file->string()}, folder / "time");
            const auto yardstick =
                runTimed("/usr/bin/pdftotext", {"-q", file->string(), "-"}, folder / "time");
            if (!ours || !yardstick) {
                state.SkipWithError("a run failed (poppler-utils and time installed?)");
                return;
            }
            wall.add(ours->seconds, yardstick->seconds);
            cpu.add(ours->cpuSeconds, yardstick->cpuSeconds);
            peak.add(ours->peakMB, yardstick->peakMB);
        }
    }
    state.counters["file_KB"] = static_cast<double>(std::filesystem::file_size(*file)) / 1024;
    wall.report(state, "ms", 1000);
    cpu.report(state, "cpu_ms", 1000);
    peak.report(state, "peak_MB", 1);
}

void BM_ImportEpub(benchmark::State& state) {
    importFile(state, inputs.epub);
}

void BM_ImportWindows1252Text(benchmark::State& state) {
    importFile(state, inputs.text);
}

// Text recognition of full A4 pages of prose rendered at 300 dpi; the counter is per page.
void BM_RecognisePages(benchmark::State& state) {
    int pages = 0;
    const ReadingMonitor monitor{nullptr, [&pages](int, int) { ++pages; }};
    for (auto _ : state) {
        const ImportResult text = service().importText(inputs.scan, &monitor);
        if (!text.ok() || !text.isRecognised()) {
            state.SkipWithError("recognition failed (tesseract-ocr-eng installed?)");
            return;
        }
        benchmark::DoNotOptimize(text.text().data());
    }
    state.counters["pages"] = benchmark::Counter(static_cast<double>(pages));
    state.counters["s_per_page"] = benchmark::Counter(
        static_cast<double>(pages), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_ImportPdf)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Pdftotext)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportPdfAgainstPdftotext)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportEpub)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportWindows1252Text)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RecognisePages)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// Whole runs of each option on the manual and the book; registered here to keep that order.
void registerCommandLineRuns() {
    for (const char* option : {"--extract", "--words"}) {
        for (const auto& [name, file] :
             {std::pair{"manual", &inputs.manual}, std::pair{"book", &inputs.pdf}}) {
            benchmark::RegisterBenchmark(
                (std::string("BM_CommandLineAgainstPdftotext/") + (option + 2) + '_' + name)
                    .c_str(),
                BM_CommandLineAgainstPdftotext, option, file)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->Iterations(1);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument.starts_with("--program=")) {
            inputs.program = argument.substr(10);
        } else if (argument.starts_with("--pdf=")) {
            inputs.pdf = argument.substr(6);
        } else if (argument.starts_with("--manual=")) {
            inputs.manual = argument.substr(9);
        } else if (argument.starts_with("--epub=")) {
            inputs.epub = argument.substr(7);
        } else if (argument.starts_with("--text=")) {
            inputs.text = argument.substr(7);
        } else if (argument.starts_with("--scan=")) {
            inputs.scan = argument.substr(7);
        } else {
            rest.push_back(argv[i]);
        }
    }
    int restCount = static_cast<int>(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    registerCommandLineRuns();
    const fixtures::ScratchFolder folder;
    makeMissingInputs(folder);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
