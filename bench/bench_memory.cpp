// Peak resident memory of `veloramac --extract` on hostile documents: 50 MB of nested RTF groups
// and a small DOCX whose main part inflates to 200 MB of flat paragraphs. Memory must stay in
// proportion to the text read, not to the nesting or the inflated markup.

#include "DocumentFixtures.hpp"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using namespace velora;

struct Run {
    double peakMB = 0;
    double outputMB = 0;
    int status = -1;
};

// Makes a fixture in a child process of its own. The program is started with posix_spawn, which
// shares this process's memory until the exec, and the kernel counts that memory's peak into the
// program's own: a 200 MB fixture built here would be measured as the program's.
void makeInChild(const std::function<void()>& make) {
    const pid_t pid = fork();
    if (pid == 0) {
        make();
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
}

// Runs the program on `file`, its output into `output`, and measures its peak resident set.
Run extract(const std::filesystem::path& file, const std::filesystem::path& output) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::string program = VELORAMAC;
    std::string option = "--extract";
    std::string path = file.string();
    char* argv[] = {program.data(), option.data(), path.data(), nullptr};
    pid_t pid = -1;
    Run run;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) == 0) {
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.peakMB = static_cast<double>(usage.ru_maxrss) / 1024.0;
        run.outputMB = static_cast<double>(std::filesystem::file_size(output)) / (1 << 20);
    }
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

void measure(benchmark::State& state, const std::filesystem::path& file,
             const std::filesystem::path& output) {
    Run run;
    for (auto _ : state) {
        run = extract(file, output);
        if (run.status != 0) {
            state.SkipWithError("extract failed");
            return;
        }
    }
    state.counters["input_MB"] = static_cast<double>(std::filesystem::file_size(file)) / (1 << 20);
    state.counters["peak_MB"] = run.peakMB;
    state.counters["text_MB"] = run.outputMB;
    state.counters["peak_per_text"] = run.peakMB / run.outputMB;
}

void BM_NestedRtf(benchmark::State& state) {
    fixtures::ScratchFolder folder;
    const auto file = folder / "nested.rtf";
    makeInChild([&] {
        const std::size_t groups = 25u << 20;
        std::string rtf = "{\\rtf1\\ansi Words before the braces. ";
        rtf.reserve(2 * groups + 64);
        rtf.append(groups, '{');
        rtf += "Deep text.";
        rtf.append(groups, '}');
        rtf += '}';
        fixtures::writeFile(file, rtf);
    });
    measure(state, file, folder / "text");
}

void BM_InflatingDocx(benchmark::State& state) {
    fixtures::ScratchFolder folder;
    const auto file = folder / "inflating.docx";
    makeInChild([&] {
        const std::string paragraph =
            "<w:p><w:r><w:t>A flat paragraph of ordinary words that repeats.</w:t></w:r></w:p>";
        std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:document xmlns:w=\""
                          "http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>";
        while (xml.size() < (200u << 20)) {
            xml += paragraph;
        }
        xml += "</w:body></w:document>";
        fixtures::writeZip(file, {{"[Content_Types].xml", "<Types/>"}, {"word/document.xml", xml}});
    });
    measure(state, file, folder / "text");
}

BENCHMARK(BM_NestedRtf)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_InflatingDocx)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
