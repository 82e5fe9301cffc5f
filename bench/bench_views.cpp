// The reader's views on a whole book, offscreen: the flow page's first layout of a
// million-word text and the longest the window waits for it, its repaint after a word change,
// and the focus view's repaint, playing and paused with the sentence under the line.

#include "core/Word.hpp"
#include "ui/FlowReadingView.hpp"
#include "ui/FocusReaderView.hpp"

#include <QApplication>
#include <QFile>
#include <QString>
#include <QVariantAnimation>
#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <memory>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace {

using namespace velora;
using Clock = std::chrono::steady_clock;

constexpr std::size_t bookWords = 1'000'000;
constexpr QSize window(900, 640);

// A book-like text: a vocabulary of 20,000 words of 1 to 14 letters drawn with a Zipf-like
// skew, so a few short words are everywhere and most words are rare; a paragraph ends every
// 137 words.
const std::shared_ptr<const std::vector<Word>>& sharedBook() {
    static const auto words = std::make_shared<const std::vector<Word>>([] {
        std::mt19937 random(7);
        std::uniform_int_distribution<int> length(1, 14);
        std::uniform_int_distribution<int> letter('a', 'z');
        std::vector<std::string> vocabulary(20'000);
        for (std::string& entry : vocabulary) {
            entry.resize(static_cast<std::size_t>(length(random)));
            for (char& c : entry) {
                c = static_cast<char>(letter(random));
            }
        }
        std::vector<double> weights(vocabulary.size());
        for (std::size_t i = 0; i < weights.size(); ++i) {
            weights[i] = 1.0 / static_cast<double>(i + 1);
        }
        std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
        std::vector<Word> result(bookWords);
        for (std::size_t i = 0; i < result.size(); ++i) {
            result[i].id = static_cast<std::int64_t>(i);
            result[i].text = vocabulary[pick(random)];
            result[i].orp = static_cast<std::int64_t>(result[i].text.size() / 3);
            result[i].isParagraphEnd = i % 137 == 136;
        }
        return result;
    }());
    return words;
}

const std::vector<Word>& book() {
    return *sharedBook();
}

// Right-to-left words whose letters join, each shaped whole: 100,000 words drawn from 5,000 of
// 2 to 9 Arabic letters.
const std::vector<Word>& arabicWords() {
    static const std::vector<Word> words = [] {
        std::mt19937 random(11);
        std::uniform_int_distribution<int> length(2, 9);
        // The letters from beh to ghain and from feh to yeh: all join on both sides but a few.
        std::uniform_int_distribution<std::uint32_t> letter(0x0628, 0x0649);
        std::vector<std::string> vocabulary(5'000);
        for (std::string& entry : vocabulary) {
            std::u32string letters;
            while (letters.size() < static_cast<std::size_t>(length(random))) {
                const auto c = static_cast<char32_t>(letter(random));
                if (c <= 0x063A || c >= 0x0641) {
                    letters.push_back(c);
                }
            }
            entry = QString::fromUcs4(letters.data(), static_cast<qsizetype>(letters.size()))
                        .toStdString();
        }
        std::uniform_int_distribution<std::size_t> pick(0, vocabulary.size() - 1);
        std::vector<Word> result(100'000);
        for (std::size_t i = 0; i < result.size(); ++i) {
            result[i].id = static_cast<std::int64_t>(i);
            result[i].text = vocabulary[pick(random)];
            result[i].orp = 1;
        }
        return result;
    }();
    return words;
}

double milliseconds(Clock::duration elapsed) {
    return std::chrono::duration<double, std::milli>(elapsed).count();
}

void finishAnimations(QWidget& widget) {
    for (QVariantAnimation* animation : widget.findChildren<QVariantAnimation*>()) {
        animation->setCurrentTime(animation->duration());
    }
}

// Peak resident memory of the whole program so far, from the kernel's own account.
double peakResidentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
        }
    }
    return 0;
}

// The CPU time of the calling thread alone: what the window's thread spends, not its waits for
// a core on a loaded machine or for the worker.
double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The CPU time of every thread of the program: the raster engine hands large blends to a pool.
double processMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Runs the window's events until the whole page is in; answers the longest the thread was busy
// handling one round of them.
double untilLaidOut(FlowReadingView& view) {
    double longest = 0;
    while (!view.isLaidOut()) {
        const double start = threadMilliseconds();
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        longest = std::max(longest, threadMilliseconds() - start);
    }
    return longest;
}

void BM_FlowLayout(benchmark::State& state) {
    const auto& words = sharedBook();
    double total = 0;
    for (auto _ : state) {
        FlowReadingView view;
        view.resize(window);
        view.setActiveRange(0, 1);
        const auto start = Clock::now();
        view.setWords(words);
        untilLaidOut(view);
        const auto elapsed = Clock::now() - start;
        state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
        total += milliseconds(elapsed);
        benchmark::DoNotOptimize(view.wordBounds(bookWords - 1));
    }
    state.counters["flow_layout_ms"] = total / static_cast<double>(state.iterations());
    state.counters["peak_rss_mb"] = peakResidentMegabytes();
}
BENCHMARK(BM_FlowLayout)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// A new book installed in a shown page that holds one already, the reader in its middle: the
// longest stretch of the window's thread, from the call through every round of events until the
// whole page is in.
void BM_FlowInstall(benchmark::State& state) {
    // Two lists, so that every install replaces the words the view holds, as a new load does.
    const std::array<std::shared_ptr<const std::vector<Word>>, 2> lists{
        sharedBook(), std::make_shared<const std::vector<Word>>(book())};
    std::size_t next = 0;
    FlowReadingView view;
    view.resize(window);
    view.setMode(static_cast<ReadingMode>(state.range(0)));
    view.setWords(lists[next++ % 2]);
    view.show();
    untilLaidOut(view);
    double longest = 0;
    double call = 0;
    double whole = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const double cpu = threadMilliseconds();
        view.setWords(lists[next++ % 2]);
        view.setActiveRange(bookWords / 2, bookWords / 2 + 1);
        QApplication::processEvents();
        const double installed = threadMilliseconds() - cpu;
        const double waits = untilLaidOut(view);
        const auto elapsed = Clock::now() - start;
        state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
        longest = std::max({longest, installed, waits});
        call += installed;
        whole += milliseconds(elapsed);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["longest_main_ms"] = longest;
    state.counters["first_frame_ms"] = call / iterations;
    state.counters["whole_page_ms"] = whole / iterations;
}
BENCHMARK(BM_FlowInstall)
    ->Arg(static_cast<int>(ReadingMode::flow))
    ->Arg(static_cast<int>(ReadingMode::spotlight))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// One step of the current word and the frame that follows, painted into the window.
void BM_FlowRepaint(benchmark::State& state) {
    const auto& words = sharedBook();
    FlowReadingView view;
    view.resize(window);
    view.setMode(static_cast<ReadingMode>(state.range(0)));
    view.setWords(words);
    view.show();
    untilLaidOut(view);
    std::size_t at = bookWords / 2;
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        view.setActiveRange(at, at + 1);
        finishAnimations(view);
        QApplication::processEvents();
        const auto elapsed = Clock::now() - start;
        state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
        total += milliseconds(elapsed);
        ++at;
    }
    state.counters["flow_repaint_ms"] = total / static_cast<double>(state.iterations());
    state.counters["peak_rss_mb"] = peakResidentMegabytes();
}
BENCHMARK(BM_FlowRepaint)
    ->Arg(static_cast<int>(ReadingMode::flow))
    ->Arg(static_cast<int>(ReadingMode::spotlight))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(500);

// English-like words (`0`) or Arabic ones.
std::span<const Word> focusWords(std::int64_t script) {
    return script != 0 ? std::span(arabicWords()) : std::span(book()).first(100'000);
}

// The focus view shown with words at the full-screen size.
void showFullScreenSize(FocusReaderView& view, WordTransition transition) {
    view.resize(window);
    view.setFontSize(52 * 1.7);
    ReadingSettings settings;
    settings.transition = transition;
    view.setSettings(settings);
    view.show();
    QApplication::processEvents();
}

// A word change drawn at once (hard) and halfway through the soft cross-fade or the slow one,
// whose lines also grow, when two lines are drawn; English-like words (`/0`) or Arabic ones (`/1`).
// Frames go through the window's own repaint, so only what changed is painted.
void BM_FocusRepaint(benchmark::State& state) {
    const std::span<const Word> words = focusWords(state.range(1));
    FocusReaderView view;
    showFullScreenSize(view, static_cast<WordTransition>(state.range(0)));
    std::size_t at = 0;
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        view.setChunk(words.subspan(at % words.size(), 1));
        for (QVariantAnimation* animation : view.findChildren<QVariantAnimation*>()) {
            animation->setCurrentTime(animation->duration() / 2);
        }
        QApplication::processEvents();
        const auto elapsed = Clock::now() - start;
        state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
        total += milliseconds(elapsed);
        ++at;
    }
    state.counters["focus_repaint_ms"] = total / static_cast<double>(state.iterations());
}
BENCHMARK(BM_FocusRepaint)
    ->ArgsProduct({{static_cast<int>(WordTransition::hard), static_cast<int>(WordTransition::soft),
                    static_cast<int>(WordTransition::slow)},
                   {0, 1}})
    ->UseManualTime()
    // The raster engine hands large blends to its thread pool, whose time counts too.
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2000);

// Every frame of the slow and soft transitions, 60 a second, as the window draws them: the first
// frames of a word meet glyphs not drawn before, later ones copy them. CPU time of the whole
// program per frame, on average and at its worst.
void BM_FocusTransitionFrames(benchmark::State& state) {
    const std::span<const Word> words = focusWords(state.range(1));
    constexpr int frameMilliseconds = 16;
    FocusReaderView view;
    showFullScreenSize(view, static_cast<WordTransition>(state.range(0)));
    auto* animation = view.findChild<QVariantAnimation*>();
    std::size_t at = 0;
    double total = 0;
    double worst = 0;
    std::size_t frames = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        view.setChunk(words.subspan(at % words.size(), 1));
        for (int time = frameMilliseconds; time <= animation->duration();
             time += frameMilliseconds) {
            const double cpu = processMilliseconds();
            animation->setCurrentTime(time);
            QApplication::processEvents();
            const double frame = processMilliseconds() - cpu;
            total += frame;
            worst = std::max(worst, frame);
            ++frames;
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        ++at;
    }
    state.counters["frame_cpu_ms"] = total / static_cast<double>(frames);
    state.counters["worst_frame_cpu_ms"] = worst;
}
BENCHMARK(BM_FocusTransitionFrames)
    ->ArgsProduct({{static_cast<int>(WordTransition::soft), static_cast<int>(WordTransition::slow)},
                   {0, 1}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(300);

// A step while paused: the next word, and its sentence laid out under the line; sentences of
// 30 words (`/30`) or the whole book as one (a text without sentence ends).
void BM_FocusPausedStep(benchmark::State& state) {
    const auto sentenceWords = static_cast<std::size_t>(state.range(0));
    const std::span<const Word> words = book();
    FocusReaderView view;
    view.resize(window);
    view.setFontSize(52);
    view.show();
    QApplication::processEvents();
    std::size_t at = words.size() / 2;
    double total = 0;
    for (auto _ : state) {
        const std::size_t first = at - at % sentenceWords;
        const auto start = Clock::now();
        view.setChunk(words.subspan(at, 1));
        view.showContext(words.subspan(first, std::min(sentenceWords, words.size() - first)),
                         static_cast<std::int64_t>(at));
        QApplication::processEvents();
        const auto elapsed = Clock::now() - start;
        state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
        total += milliseconds(elapsed);
        ++at;
    }
    state.counters["focus_paused_step_ms"] = total / static_cast<double>(state.iterations());
}
BENCHMARK(BM_FocusPausedStep)
    ->Arg(30)
    ->Arg(static_cast<int>(bookWords))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2000);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
