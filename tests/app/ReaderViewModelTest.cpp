#include "app/ReaderViewModel.hpp"

#include "app/ImportService.hpp"
#include "app/ReadingPreferences.hpp"
#include "core/DocumentIdentity.hpp"
#include "core/ReadingTiming.hpp"
#include "core/TextSanitizer.hpp"
#include "fakes/FakeDocumentReaders.hpp"
#include "fakes/FakePasteboard.hpp"
#include "fakes/InMemoryPreferencesStore.hpp"
#include "fakes/ManualScheduler.hpp"
#include "fakes/ScriptedSpeechService.hpp"
#include "support/CoreApplication.hpp"
#include "support/FileSizeLimit.hpp"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <future>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <numeric>
#include <thread>

namespace velora {
namespace {

using ::testing::ElementsAreArray;
using Seconds = Scheduler::Seconds;
using Kind = ReadingHistoryEntry::Kind;

// `count` short words without punctuation, so every chunk of one word lasts one base interval.
std::string wordsText(std::int64_t count, const std::string& word = "word") {
    std::string text;
    for (std::int64_t i = 0; i < count; ++i) {
        text += (i == 0 ? "" : " ") + word;
    }
    return text;
}

// Delivers every piece of work a fixed time after it was due, as a busy event loop does.
class LateScheduler final : public Scheduler {
public:
    LateScheduler(fakes::ManualScheduler& clock, double lateness)
        : clock_(clock), lateness_(lateness) {}

    double now() const override { return clock_.now(); }
    Handle after(Seconds delay, std::function<void()> work) override {
        return clock_.after(Seconds{std::max(delay.count(), 0.0) + lateness_}, std::move(work));
    }
    void cancel(Handle handle) override { clock_.cancel(handle); }

private:
    fakes::ManualScheduler& clock_;
    double lateness_;
};

class ReaderViewModelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testsupport::ensureCoreApplication(); }

    void SetUp() override {
        ASSERT_TRUE(dataHome_.isValid());
        qputenv("XDG_DATA_HOME", dataHome_.path().toUtf8());
    }

    LibraryStore& library() { return *library_; }

    ReaderViewModel& controller(Scheduler* scheduler = nullptr) {
        auto synthesizer = std::make_unique<fakes::ScriptedSpeechSynthesizer>(speechLog_);
        synthesizer_ = synthesizer.get();
        viewModel_.reset();
        speech_ = fakes::scriptedSpeechService(std::move(synthesizer), preferences_);
        library_ = std::make_unique<LibraryStore>();
        viewModel_ = std::make_unique<ReaderViewModel>(
            ReaderViewModel::Services{preferences_, scheduler != nullptr ? *scheduler : scheduler_,
                                      pasteboard_, importer_, *speech_, *library_});
        return *viewModel_;
    }

    // A controller reading `words` plain words, if any, at `wpm` (600: 0.1 s a word).
    ReaderViewModel& reading(std::int64_t words, std::int64_t wpm = 600,
                             std::int64_t wordsPerChunk = 1, Scheduler* scheduler = nullptr) {
        ReadingSettings settings;
        settings.wpm = wpm;
        settings.wordsPerChunk = wordsPerChunk;
        ReadingPreferences::storeSettings(preferences_, settings);
        auto& reader = controller(scheduler);
        if (words > 0) {
            loaded(reader, wordsText(words));
        }
        return reader;
    }

    // Lets the chunk on display run its full interval.
    void showChunks(int chunks) {
        for (int i = 0; i < chunks; ++i) {
            scheduler_.advance(
                Seconds{static_cast<double>(ReadingTiming(viewModel_->settings())
                                                .nanoseconds(viewModel_->engine().currentChunk())) /
                        1e9});
        }
    }

    ReaderViewModel& speaking(std::int64_t words, std::int64_t wpm = 600) {
        auto& reader = reading(words, wpm);
        reader.setSpeechEnabled(true);
        reader.play();
        return reader;
    }

    UtteranceId currentUtterance() const { return speechLog_.spoken.back().first; }

    // The synthesizer reports that it begins the word at `index` of the engine's words, as part
    // of the utterance that started at `start`.
    void reportSpokenWord(UtteranceId utterance, std::int64_t start, std::int64_t index) {
        const auto& words = viewModel_->engine().words();
        const auto spoken = SpeechService::buildUTF16Ranges(
            std::span(words).subspan(static_cast<std::size_t>(start)));
        synthesizer_->reportWord(utterance,
                                 spoken.ranges.at(static_cast<std::size_t>(index - start)));
        QCoreApplication::sendPostedEvents();
    }

    std::filesystem::path writeFile(const std::string& name, std::int64_t words) const {
        const std::filesystem::path path =
            dataHome_.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path) << wordsText(words);
        return path;
    }

public:
    // Starts a request and waits for the loader's answer to it.
    static LoadOutcome settle(const std::function<void(LoadDone)>& request) {
        std::optional<LoadOutcome> outcome;
        QEventLoop loop;
        request([&](const LoadOutcome& answer) {
            outcome = answer;
            loop.quit();
        });
        if (!outcome) {
            QTimer::singleShot(10000, &loop, &QEventLoop::quit);
            loop.exec();
        }
        EXPECT_TRUE(outcome.has_value());
        return outcome.value_or(LoadOutcome{LoadOutcome::Status::failed, "no answer"});
    }

    static LoadOutcome
    loaded(ReaderViewModel& reader, const std::string& text,
           const ReaderViewModel::LoadSource& source = ReaderViewModel::LoadSource::text()) {
        return settle([&](LoadDone done) { reader.load(text, source, std::move(done)); });
    }

protected:
    QTemporaryDir dataHome_;
    fakes::InMemoryPreferencesStore preferences_;
    fakes::ManualScheduler scheduler_;
    fakes::FakePasteboard pasteboard_;
    std::shared_ptr<FakeDocumentReaders> readers_ = std::make_shared<FakeDocumentReaders>();
    ImportService importer_{readers_};
    fakes::ScriptedSpeechSynthesizer::Log speechLog_;
    fakes::ScriptedSpeechSynthesizer* synthesizer_ = nullptr;
    std::unique_ptr<SpeechService> speech_;
    std::unique_ptr<LibraryStore> library_;
    std::unique_ptr<ReaderViewModel> viewModel_;
};

// Loading and resume

TEST_F(ReaderViewModelTest, TheWelcomeTextCountsReadingButHasNoEntry) {
    preferences_.setBoolean("speechEnabled", true);
    auto& reader = controller();
    EXPECT_EQ(reader.engine().words().front().text, "Welcome");
    EXPECT_FALSE(reader.speechEnabled());
    reader.play();
    showChunks(3);
    reader.pause();
    EXPECT_EQ(library().stats().totalWordsRead, 3);
    EXPECT_EQ(library().stats().sessions, 0);
    EXPECT_TRUE(library().entries().empty());
}

TEST_F(ReaderViewModelTest, LoadingTheSameTextTwiceCountsOneDocumentAndTwoSessions) {
    auto& reader = controller();
    for (const char* text :
         {"First text here.", "Another document entirely.", "First text here."}) {
        loaded(reader, text);
    }
    EXPECT_EQ(library().stats().documentsOpened, 2);
    EXPECT_EQ(library().stats().sessions, 3);
    ASSERT_EQ(library().entries().size(), 2u);
    EXPECT_EQ(library().entries()[0].title, "First text here.");
}

struct ResumeCase {
    std::int64_t lastIndex, expectedIndex;
    std::optional<QString> message;
};

class ResumeTest : public ReaderViewModelTest, public ::testing::WithParamInterface<ResumeCase> {};

TEST_P(ResumeTest, ResumesAtTheStoredPosition) {
    ReadingSettings settings;
    settings.resumeAtSentenceStart = false;
    ReadingPreferences::storeSettings(preferences_, settings);
    const std::string text = wordsText(1000);
    const std::string key = DocumentIdentity::textKey(TextSanitizer::clean(text));
    {
        LibraryStore library;
        library.registerDocument(key, "Words", Kind::text, 1000, std::nullopt, text);
        library.updateProgress(key, GetParam().lastIndex);
    }
    auto& reader = controller();
    loaded(reader, text);
    EXPECT_EQ(reader.engine().index(), GetParam().expectedIndex);
    EXPECT_EQ(reader.statusMessage(), GetParam().message);
    EXPECT_EQ(library().entries().at(0).lastIndex, GetParam().expectedIndex);
}

// A position at or past the end of the text as loaded now starts it over.
INSTANTIATE_TEST_SUITE_P(
    Positions, ResumeTest,
    ::testing::Values(ResumeCase{425, 425,
                                 QStringLiteral("Resumed at 42% · press ⏮ to start over")},
                      ResumeCase{1, 1, QStringLiteral("Resumed at 0% · press ⏮ to start over")},
                      ResumeCase{0, 0, std::nullopt}, ResumeCase{1000, 0, std::nullopt}));

// Sentences start at words 0, 3, 5, 8 and 10; the second paragraph at 8.
const std::string sentences = "One two three. Four five. Six seven eight.\nNine ten. Eleven.";

struct SentenceResumeCase {
    const char* name;
    bool atSentenceStart;
    // Stops reading at word 6 and takes it up again.
    void (*stopAndResume)(ReaderViewModel&, fakes::ManualScheduler&);
    std::int64_t resumedAt;
};

class SentenceResumeTest : public ReaderViewModelTest,
                           public ::testing::WithParamInterface<SentenceResumeCase> {};

TEST_P(SentenceResumeTest, TakesReadingUpAtTheSentenceBeingRead) {
    ReadingSettings settings;
    settings.wpm = 600;
    settings.resumeAtSentenceStart = GetParam().atSentenceStart;
    ReadingPreferences::storeSettings(preferences_, settings);
    auto& reader = controller();
    loaded(reader, sentences);
    reader.seek(5.0 / 11.0);
    reader.play();
    showChunks(1);
    GetParam().stopAndResume(reader, scheduler_);
    EXPECT_EQ(reader.engine().index(), GetParam().resumedAt);
}

void pauseFor(ReaderViewModel& reader, fakes::ManualScheduler& clock, double seconds) {
    reader.pause();
    clock.advance(Seconds{seconds});
    reader.play();
}

INSTANTIATE_TEST_SUITE_P(
    Ways, SentenceResumeTest,
    ::testing::Values(
        SentenceResumeCase{"Reopen", true,
                           [](ReaderViewModel& r, fakes::ManualScheduler&) {
                               ReaderViewModelTest::loaded(r, "Other text.");
                               ReaderViewModelTest::loaded(r, sentences);
                           },
                           5},
        SentenceResumeCase{"ReopenAtTheWord", false,
                           [](ReaderViewModel& r, fakes::ManualScheduler&) {
                               ReaderViewModelTest::loaded(r, sentences);
                           },
                           6},
        SentenceResumeCase{
            "LongPause", true,
            [](ReaderViewModel& r, fakes::ManualScheduler& clock) { pauseFor(r, clock, 61); }, 5},
        SentenceResumeCase{
            "ShortPause", true,
            [](ReaderViewModel& r, fakes::ManualScheduler& clock) { pauseFor(r, clock, 59); }, 6},
        SentenceResumeCase{
            "LongPauseAtTheWord", false,
            [](ReaderViewModel& r, fakes::ManualScheduler& clock) { pauseFor(r, clock, 61); }, 6},
        SentenceResumeCase{"LongPauseAfterAChosenPosition", true,
                           [](ReaderViewModel& r, fakes::ManualScheduler& clock) {
                               r.pause();
                               r.nextSentence();
                               r.seek(6.0 / 11.0);
                               clock.advance(Seconds{61});
                               r.play();
                           },
                           6}),
    [](const auto& info) { return std::string(info.param.name); });

class StoredTextTest : public ReaderViewModelTest,
                       public ::testing::WithParamInterface<std::size_t> {};

TEST_P(StoredTextTest, LongSelectionsAreRememberedWithoutTheirText) {
    // Words of four letters and a space, the last one lengthened to the exact size.
    const std::size_t characters = GetParam();
    std::string text = wordsText(static_cast<std::int64_t>(characters / 5), "abcd");
    text.resize(characters, 'y');
    ASSERT_EQ(TextSanitizer::clean(text).size(), characters);
    const bool stored = characters <= 200000;

    auto& reader = controller();
    loaded(reader, text);
    EXPECT_EQ(library().entries().at(0).storedText.has_value(), stored);
    loaded(reader, "Something else.");
    // As the library view does: the entry handed over is the library's own.
    settle([&](LoadDone done) { reader.open(library().entries().at(0), std::move(done)); });
    EXPECT_EQ(reader.engine().words().front().text, stored ? "abcd" : "Something");
    EXPECT_EQ(reader.statusMessage(),
              stored ? std::nullopt
                     : std::optional(QStringLiteral("This selection is no longer stored")));
}

INSTANTIATE_TEST_SUITE_P(Limit, StoredTextTest, ::testing::Values(200000, 200001));

TEST_F(ReaderViewModelTest, AnEmptyClipboardLeavesTheReadingGoing) {
    auto& reader = reading(30);
    reader.play();
    pasteboard_.setData("", fakes::FakePasteboard::plainText);
    settle([&](LoadDone done) { reader.loadFromClipboard(std::move(done)); });
    EXPECT_EQ(reader.statusMessage(), QStringLiteral("Clipboard is empty"));
    EXPECT_TRUE(reader.isPlaying());

    pasteboard_.clearContents();
    pasteboard_.setData("Copied words to read", fakes::FakePasteboard::plainText);
    settle([&](LoadDone done) { reader.loadFromClipboard(std::move(done)); });
    EXPECT_FALSE(reader.isPlaying());
    EXPECT_EQ(reader.engine().count(), 4);
    EXPECT_EQ(reader.statusMessage(), std::nullopt);
}

// Playback and statistics

TEST_F(ReaderViewModelTest, PausingTwiceCountsTheStretchOnce) {
    auto& reader = reading(300);
    reader.seek(100.0 / 300.0);
    reader.play();
    showChunks(60);
    reader.pause();
    reader.pause();
    EXPECT_EQ(library().stats().totalWordsRead, 60);
    EXPECT_NEAR(library().stats().totalSecondsRead, 6.0, 1e-9);
    EXPECT_EQ(library().entries().at(0).lastIndex, 160);
}

TEST_F(ReaderViewModelTest, APausedLoopNeverAdvancesAgain) {
    auto& reader = reading(20);
    reader.play();
    scheduler_.advance(Seconds{0.05});
    reader.pause();
    reader.play();
    // The first loop's chunk would have ended at 0.1 s; the new one ends at 0.15 s.
    scheduler_.advance(Seconds{0.06});
    EXPECT_EQ(reader.engine().index(), 0);
    scheduler_.advance(Seconds{0.05});
    EXPECT_EQ(reader.engine().index(), 1);
    reader.pause();
    scheduler_.advance(Seconds{5});
    EXPECT_EQ(reader.engine().index(), 1);
}

struct JumpCase {
    void (*jump)(ReaderViewModel&);
    std::int64_t expectedIndex;
    bool resumes;
};

class JumpTest : public ReaderViewModelTest, public ::testing::WithParamInterface<JumpCase> {};

TEST_P(JumpTest, JumpsCloseTheStretchSoSkippedWordsAreNotRead) {
    auto& reader = reading(40);
    reader.seek(0.5);
    reader.play();
    showChunks(5);
    GetParam().jump(reader);
    EXPECT_EQ(reader.engine().index(), GetParam().expectedIndex);
    EXPECT_EQ(library().stats().totalWordsRead, 5);
    EXPECT_EQ(library().entries().at(0).lastIndex, 25);
    showChunks(2);
    reader.pause();
    EXPECT_EQ(library().stats().totalWordsRead, GetParam().resumes ? 7 : 5);
}

INSTANTIATE_TEST_SUITE_P(
    Jumps, JumpTest,
    ::testing::Values(JumpCase{[](ReaderViewModel& r) { r.stepForward(); }, 35, true},
                      JumpCase{[](ReaderViewModel& r) { r.stepBackward(); }, 15, true},
                      JumpCase{[](ReaderViewModel& r) { r.seek(0.25); }, 10, true},
                      JumpCase{[](ReaderViewModel& r) { r.seek(1.0); }, 40, false}));

struct StructureMoveCase {
    std::int64_t start;
    bool playing;
    void (ReaderViewModel::*move)();
    std::int64_t expectedIndex;
    bool playsOn;
};

class StructureMoveTest : public ReaderViewModelTest,
                          public ::testing::WithParamInterface<StructureMoveCase> {};

TEST_P(StructureMoveTest, MovesBySentenceAndParagraphLikeSteps) {
    auto& reader = reading(0);
    loaded(reader, sentences);
    reader.seek(static_cast<double>(GetParam().start) / 11.0);
    if (GetParam().playing) {
        reader.play();
    }
    (reader.*GetParam().move)();
    EXPECT_EQ(reader.engine().index(), GetParam().expectedIndex);
    EXPECT_EQ(reader.isPlaying(), GetParam().playsOn);
    EXPECT_EQ(library().entries().at(0).lastIndex, GetParam().playing ? GetParam().start : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, StructureMoveTest,
    ::testing::Values(StructureMoveCase{6, false, &ReaderViewModel::previousSentence, 5, false},
                      StructureMoveCase{5, true, &ReaderViewModel::previousSentence, 3, true},
                      StructureMoveCase{6, true, &ReaderViewModel::nextSentence, 8, true},
                      StructureMoveCase{10, true, &ReaderViewModel::nextSentence, 11, false},
                      StructureMoveCase{9, false, &ReaderViewModel::previousParagraph, 8, false},
                      StructureMoveCase{8, true, &ReaderViewModel::previousParagraph, 0, true},
                      StructureMoveCase{3, false, &ReaderViewModel::nextParagraph, 8, false},
                      StructureMoveCase{9, true, &ReaderViewModel::nextParagraph, 11, false}));

TEST_F(ReaderViewModelTest, TheSpeedRampEasesInAfterEveryStart) {
    ReadingSettings settings;
    settings.wpm = 600;
    settings.speedRamp = true;
    ReadingPreferences::storeSettings(preferences_, settings);
    auto& reader = controller();
    loaded(reader, wordsText(30));
    reader.play();
    // 0.1 s a word, 40% longer at first: the first ten words take 1.22 s in all.
    scheduler_.advance(Seconds{0.139});
    EXPECT_EQ(reader.engine().index(), 0);
    scheduler_.advance(Seconds{0.002});
    EXPECT_EQ(reader.engine().index(), 1);
    scheduler_.advance(Seconds{1.22 - 0.141 + 0.001});
    EXPECT_EQ(reader.engine().index(), 10);
    scheduler_.advance(Seconds{0.1});
    EXPECT_EQ(reader.engine().index(), 11);
    reader.pause();
    reader.play();
    scheduler_.advance(Seconds{0.139});
    EXPECT_EQ(reader.engine().index(), 11);
    scheduler_.advance(Seconds{0.002});
    EXPECT_EQ(reader.engine().index(), 12);
}

// Whatever ends the program later, at most half a minute of reading goes unsaved; the stretch
// saved along the way is not counted twice when it closes.
TEST_F(ReaderViewModelTest, PlayingSavesWhatWasReadEveryHalfMinute) {
    auto& reader = reading(2000, 55);
    reader.play();
    scheduler_.advance(Seconds{30.5});
    ASSERT_TRUE(reader.isPlaying());
    library().flush();
    {
        const LibraryStore saved;
        EXPECT_GT(saved.entries().at(0).lastIndex, 0);
        EXPECT_EQ(saved.entries().at(0).lastIndex, reader.engine().index());
        EXPECT_EQ(saved.stats().totalWordsRead, reader.engine().index());
    }
    scheduler_.advance(Seconds{10});
    reader.pause();
    EXPECT_EQ(library().stats().totalWordsRead, reader.engine().index());
    EXPECT_NEAR(library().stats().totalSecondsRead, 40.5, 1e-9);
}

// A drag of the scrubber seeks many times but writes the library once, when it is let go.
TEST_F(ReaderViewModelTest, ScrubbingWritesTheLibraryOnceItIsLetGo) {
    auto& reader = reading(100);
    reader.play();
    showChunks(3);
    library().flush();
    const QString file = library().filePath();
    ASSERT_TRUE(QFile::remove(file));
    reader.beginScrub();
    for (const double progress : {0.2, 0.4, 0.6}) {
        reader.seek(progress);
        showChunks(1);
    }
    library().flush();
    EXPECT_FALSE(QFile::exists(file));
    reader.endScrub();
    library().flush();
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_TRUE(reader.isPlaying());
    EXPECT_EQ(library().stats().totalWordsRead, 5);
}

// The write fails when the file may not grow, which binds root too.
TEST_F(ReaderViewModelTest, AFailedSaveIsShownOnTheStatusLine) {
    auto& reader = reading(10);
    library().flush();
    {
        const testsupport::FileSizeLimit limit(10);
        loaded(reader, "Another text to read.");
        library().flush();
    }
    ASSERT_TRUE(reader.statusMessage());
    EXPECT_TRUE(reader.statusMessage()->startsWith("Couldn't save the library to "));
}

struct SeekCase {
    double progress;
    std::int64_t index;
};

class SeekTest : public ReaderViewModelTest, public ::testing::WithParamInterface<SeekCase> {};

TEST_P(SeekTest, ProgressIsClampedAndRoundedHalfAway) {
    auto& reader = reading(7);
    reader.seek(GetParam().progress);
    EXPECT_EQ(reader.engine().index(), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Progress, SeekTest,
                         ::testing::Values(SeekCase{-3, 0}, SeekCase{7.5, 7},
                                           SeekCase{std::nan(""), 0}, SeekCase{1.0 / 14.0, 1},
                                           SeekCase{0.07, 0}));

struct ChunkCase {
    std::int64_t wordsPerChunk;
    double startProgress;
    std::vector<std::int64_t> shown;
};

class ChunkLoopTest : public ReaderViewModelTest,
                      public ::testing::WithParamInterface<ChunkCase> {};

TEST_P(ChunkLoopTest, TheLoopShowsEachChunkFromWhereItStarted) {
    auto& reader = reading(10, 600, GetParam().wordsPerChunk);
    reader.seek(GetParam().startProgress);
    std::vector<std::int64_t> shown{reader.engine().index()};
    QObject::connect(&reader, &ReaderViewModel::engineChanged,
                     [&] { shown.push_back(reader.engine().index()); });
    reader.play();
    scheduler_.runUntilIdle();
    EXPECT_THAT(shown, ElementsAreArray(GetParam().shown));
    EXPECT_EQ(library().stats().totalWordsRead, 10 - shown.front());
    // Playing a finished text starts it over.
    reader.play();
    EXPECT_EQ(reader.engine().index(), 0);
}

INSTANTIATE_TEST_SUITE_P(Chunks, ChunkLoopTest,
                         ::testing::Values(ChunkCase{3, 0.0, {0, 3, 6, 9, 10}},
                                           ChunkCase{3, 0.4, {4, 7, 10}},
                                           ChunkCase{4, 0.1, {1, 5, 9, 10}}));

class LatenessTest : public ReaderViewModelTest, public ::testing::WithParamInterface<double> {};

TEST_P(LatenessTest, LateWakeUpsNeitherAddUpNorSkipChunks) {
    const double lateness = GetParam();
    LateScheduler late(scheduler_, lateness);
    auto& reader = reading(50, 600, 1, &late);
    std::vector<std::int64_t> shown;
    QObject::connect(&reader, &ReaderViewModel::engineChanged,
                     [&] { shown.push_back(reader.engine().index()); });
    double planned = 0;
    for (const Word& word : reader.engine().words()) {
        planned += ReadingTiming(reader.settings()).interval(std::span(&word, 1));
    }
    reader.play();
    scheduler_.runUntilIdle();

    std::vector<std::int64_t> every(50);
    std::iota(every.begin(), every.end(), 1);
    EXPECT_THAT(shown, ElementsAreArray(every));
    if (lateness < 0.1) {
        // One wake-up's lateness in all, however many chunks.
        EXPECT_NEAR(scheduler_.now(), planned + lateness, 1e-6);
    } else {
        // Stalls longer than a chunk lose time but show every chunk for its interval.
        EXPECT_GE(scheduler_.now(), planned);
    }
}

INSTANTIATE_TEST_SUITE_P(Delays, LatenessTest, ::testing::Values(0.0, 0.02, 0.25));

// Speech

TEST_F(ReaderViewModelTest, SpeechDrivesTheEngineAndFinishesAtTheEnd) {
    auto& reader = speaking(8);
    EXPECT_EQ(preferences_.boolean("speechEnabled"), true);
    ASSERT_EQ(speechLog_.spoken.size(), 1u);
    // No visual loop; only the half-minute save waits.
    EXPECT_EQ(scheduler_.pendingCount(), 1u);
    const UtteranceId utterance = currentUtterance();
    reportSpokenWord(utterance, 0, 3);
    EXPECT_EQ(reader.engine().index(), 3);

    scheduler_.advance(Seconds{2});
    synthesizer_->reportFinish(utterance);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(reader.engine().index(), 8);
    EXPECT_FALSE(reader.isPlaying());
    EXPECT_EQ(library().stats().totalWordsRead, 8);
    EXPECT_NEAR(library().stats().totalSecondsRead, 2.0, 1e-9);
}

TEST_F(ReaderViewModelTest, ReportsOfAStoppedUtteranceChangeNothing) {
    auto& reader = speaking(8);
    const UtteranceId utterance = currentUtterance();
    reportSpokenWord(utterance, 0, 2);
    reader.pause();
    reportSpokenWord(utterance, 0, 5);
    synthesizer_->reportCancel(utterance);
    synthesizer_->reportFinish(utterance);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(reader.engine().index(), 2);
    EXPECT_FALSE(reader.isPlaying());
    EXPECT_EQ(library().stats().totalWordsRead, 2);
    EXPECT_EQ(library().entries().at(0).lastIndex, 2);
}

TEST_F(ReaderViewModelTest, TogglingSpeechWhilePlayingSwitchesDriverAtTheCurrentWord) {
    auto& reader = reading(100);
    reader.play();
    showChunks(40);
    reader.setSpeechEnabled(true);
    ASSERT_EQ(speechLog_.spoken.size(), 1u);
    EXPECT_EQ(speechLog_.spoken.back().second.text.size(), 60 * 5 - 1);
    reportSpokenWord(currentUtterance(), 40, 45);

    reader.setSpeechEnabled(false);
    EXPECT_FALSE(synthesizer_->isSpeaking());
    showChunks(5);
    EXPECT_EQ(reader.engine().index(), 50);
    reader.pause();
    // One stretch across both drivers.
    EXPECT_EQ(library().stats().totalWordsRead, 50);
}

struct RateCase {
    std::vector<std::int64_t> rates;
    std::size_t restarts;
};

class SpeechRestartTest : public ReaderViewModelTest,
                          public ::testing::WithParamInterface<RateCase> {};

TEST_P(SpeechRestartTest, RateChangesRestartSpeechOnceAfterTheLastChange) {
    auto& reader = speaking(100, GetParam().rates.front());
    reportSpokenWord(currentUtterance(), 0, 7);
    ReadingSettings settings = reader.settings();
    for (std::size_t i = 1; i < GetParam().rates.size(); ++i) {
        settings.wpm = GetParam().rates[i];
        reader.setSettings(settings);
        scheduler_.advance(Seconds{0.1});
    }
    // 0.35 s after the last change, less the 0.1 s already gone.
    scheduler_.advance(Seconds{0.24});
    EXPECT_EQ(speechLog_.spoken.size(), 1u);
    scheduler_.advance(Seconds{5});
    EXPECT_EQ(speechLog_.spoken.size(), 1 + GetParam().restarts);
    if (GetParam().restarts > 0) {
        EXPECT_EQ(speechLog_.spoken.back().second.text.size(), 93 * 5 - 1);
    }
    EXPECT_TRUE(reader.isPlaying());
}

INSTANTIATE_TEST_SUITE_P(Rates, SpeechRestartTest,
                         ::testing::Values(RateCase{{300, 320}, 1},
                                           RateCase{{300, 310, 320, 330}, 1},
                                           RateCase{{1300, 1250}, 0}, RateCase{{10, 20}, 0}));

TEST_F(ReaderViewModelTest, WhenSpeechFailsReadingGoesOnVisually) {
    auto& reader = speaking(20);
    reportSpokenWord(currentUtterance(), 0, 3);
    synthesizer_->reportFailure(currentUtterance(), "no audio device");
    QCoreApplication::sendPostedEvents();

    EXPECT_TRUE(reader.isPlaying());
    ASSERT_TRUE(reader.statusMessage());
    EXPECT_TRUE(reader.statusMessage()->startsWith("Speech is unavailable"));
    showChunks(4);
    EXPECT_EQ(reader.engine().index(), 7);
    scheduler_.runUntilIdle();
    EXPECT_EQ(library().stats().totalWordsRead, 20);
}

TEST_F(ReaderViewModelTest, SpeechTroubleIsToldOnceUntilAWordIsHeardAgain) {
    auto& reader = speaking(20);
    const auto failAndPlayAgain = [&] {
        synthesizer_->reportFailure(currentUtterance(), "no audio device");
        QCoreApplication::sendPostedEvents();
        const std::optional<QString> said = reader.statusMessage();
        reader.pause();
        reader.play();
        return said;
    };

    EXPECT_TRUE(failAndPlayAgain());
    EXPECT_EQ(reader.speechProblem(), QString("no audio device"));
    EXPECT_FALSE(failAndPlayAgain());
    EXPECT_EQ(reader.speechProblem(), QString("no audio device"));

    reportSpokenWord(currentUtterance(), reader.engine().index(), reader.engine().index());
    EXPECT_FALSE(reader.speechProblem());
    EXPECT_TRUE(failAndPlayAgain());
}

// Reopening

TEST_F(ReaderViewModelTest, ReopeningAFileLoadsItAgainAndResumes) {
    const auto path = writeFile("notes.txt", 30);
    ReadingSettings settings;
    settings.resumeAtSentenceStart = false;
    ReadingPreferences::storeSettings(preferences_, settings);
    auto& reader = controller();
    loaded(reader, wordsText(30), {ReaderViewModel::LoadSource::File{path}});
    reader.play();
    showChunks(12);
    loaded(reader, "Something else.");

    settle([&](LoadDone done) { reader.open(library().entries().at(0), std::move(done)); });
    EXPECT_EQ(reader.engine().index(), 12);
    EXPECT_EQ(reader.statusMessage(), QStringLiteral("Resumed at 40% · press ⏮ to start over"));
    EXPECT_EQ(library().stats().documentsOpened, 2);
}

TEST_F(ReaderViewModelTest, ReopeningAVanishedFileKeepsTheCurrentText) {
    const auto path = writeFile("gone.txt", 30);
    auto& reader = reading(0);
    loaded(reader, wordsText(30), {ReaderViewModel::LoadSource::File{path}});
    const ReadingHistoryEntry entry = library().entries().at(0);
    loaded(reader, wordsText(20, "other"));
    reader.seek(0.5);
    std::filesystem::remove(path);

    const LoadOutcome outcome = settle([&](LoadDone done) { reader.open(entry, std::move(done)); });
    EXPECT_EQ(outcome.status, LoadOutcome::Status::failed);
    EXPECT_EQ(reader.statusMessage(),
              QStringLiteral("Couldn't reopen gone.txt: there is no such file"));
    EXPECT_EQ(outcome.message, reader.statusMessage());
    EXPECT_EQ(reader.engine().words().front().text, "other");
    EXPECT_EQ(reader.engine().index(), 10);
}

TEST_F(ReaderViewModelTest, TheLatestRequestWinsWhicheverFinishesFirst) {
    const auto path = writeFile("large.txt", 100000);
    auto& reader = reading(0);
    std::optional<LoadOutcome> first;
    reader.loadFile(path, QStringLiteral("Couldn't read %1: %2"),
                    [&first](const LoadOutcome& outcome) { first = outcome; });
    loaded(reader, "Chosen while waiting.");
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->status, LoadOutcome::Status::replaced);
    EXPECT_EQ(first->message, QStringLiteral("Replaced by a later request"));
    QCoreApplication::processEvents();
    EXPECT_EQ(reader.engine().words().front().text, "Chosen");
    EXPECT_EQ(library().entries().size(), 1u);
}

TEST_F(ReaderViewModelTest, AReadThatDoesNotEndGivesWayAndTheNextOneIsServed) {
    std::promise<void> release;
    readers_->holdReadsUntil(release.get_future().share());
    const auto stuck = dataHome_.filePath("stuck.pdf").toStdString();
    std::ofstream(stuck) << "%PDF-1.4";
    auto& reader = reading(0);
    std::optional<LoadOutcome> outcome;
    reader.loadFile(stuck, QStringLiteral("Couldn't read %1: %2"),
                    [&outcome](const LoadOutcome& answer) { outcome = answer; });
    scheduler_.advance(DocumentLoader::timeBound);
    ASSERT_TRUE(outcome.has_value());
    EXPECT_EQ(outcome->message,
              QStringLiteral("Couldn't read stuck.pdf: reading it took too long"));

    EXPECT_EQ(loaded(reader, "Next text.").status, LoadOutcome::Status::loaded);
    EXPECT_EQ(reader.engine().words().front().text, "Next");
    release.set_value();
}

// Quitting mid-read must stop the readers before the loader's state is gone, and must not answer
// callers that are being torn down with it.
TEST_F(ReaderViewModelTest, ALoaderThatGoesCancelsAndJoinsItsReads) {
    readers_->holdReadsUntilCancelled();
    int answers = 0;
    {
        DocumentLoader loader(ImportService(readers_), scheduler_);
        for (const char* name : {"first.pdf", "second.pdf"}) {
            const auto path = dataHome_.filePath(QString::fromUtf8(name)).toStdString();
            std::ofstream(path) << "%PDF-1.4";
            loader.loadFile(path, [&answers](DocumentLoader::Result) { ++answers; });
        }
        while (readers_->calls().size() < 2) {
            std::this_thread::yield();
        }
        answers = 0;
    }
    EXPECT_EQ(readers_->readsInProgress(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(answers, 0);
}

TEST_F(ReaderViewModelTest, OneFileUnderTwoSpellingsIsOneEntry) {
    const auto path = writeFile("notes.txt", 5);
    auto& reader = reading(0);
    const std::filesystem::path folder = path.parent_path();
    for (const std::filesystem::path& spelling :
         {path, folder / "." / "notes.txt", folder / ".." / folder.filename() / "notes.txt"}) {
        EXPECT_EQ(settle([&](LoadDone done) {
                      reader.loadFile(spelling, QStringLiteral("Couldn't read %1: %2"),
                                      std::move(done));
                  }).status,
                  LoadOutcome::Status::loaded);
    }
    ASSERT_EQ(library().entries().size(), 1u);
    EXPECT_EQ(library().entries()[0].filePath, path.string());
}

TEST_F(ReaderViewModelTest, WorkStillPendingWhenTheControllerGoesDoesNothing) {
    const auto path = writeFile("late.txt", 30);
    auto& reader = reading(30);
    reader.play();
    showChunks(4);
    ReadingHistoryEntry entry;
    entry.kind = Kind::file;
    entry.filePath = path.string();
    reader.open(entry);
    viewModel_.reset();
    library_.reset();
    scheduler_.runUntilIdle();
    QCoreApplication::processEvents();

    // The stretch played before quitting is kept.
    LibraryStore library;
    EXPECT_EQ(library.stats().totalWordsRead, 4);
    EXPECT_EQ(library.entries().at(0).lastIndex, 4);
}

// The shell's speech service outlives the controller; what it reports later reaches nobody.
TEST_F(ReaderViewModelTest, SpeechThatOutlivesTheControllerReportsToNobody) {
    speaking(20);
    const UtteranceId utterance = currentUtterance();
    viewModel_.reset();
    EXPECT_FALSE(speech_->isSpeaking());
    synthesizer_->reportWord(utterance, {0, 4});
    synthesizer_->reportFinish(utterance);
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(speech_->isSpeaking());
}

TEST_F(ReaderViewModelTest, AScanIsRecognisedOnceAndReopenedWhileTheFileIsUnchanged) {
    readers_->scanPdfs(3);
    const auto scan = dataHome_.filePath("scan.pdf").toStdString();
    std::ofstream(scan) << "%PDF-1.4 scanned";
    auto& reader = reading(0);
    const auto reads = [this] { return readers_->calls().size(); };
    const auto open = [&] {
        return settle(
            [&](LoadDone done) { reader.open(library().entries().at(0), std::move(done)); });
    };
    ASSERT_EQ(settle([&](LoadDone done) {
                  reader.loadFile(scan, QStringLiteral("Couldn't read %1: %2"), std::move(done));
              }).status,
              LoadOutcome::Status::loaded);
    EXPECT_EQ(reader.engine().words().back().text, "page3");
    loaded(reader, "Something else.");

    EXPECT_EQ(open().status, LoadOutcome::Status::loaded);
    EXPECT_EQ(reads(), 1u);
    EXPECT_EQ(reader.engine().words().back().text, "page3");

    std::ofstream(scan, std::ios::app) << " rescanned";
    EXPECT_EQ(open().status, LoadOutcome::Status::loaded);
    EXPECT_EQ(reads(), 2u);
    const auto& words = reader.engine().words();
    EXPECT_TRUE(std::any_of(words.begin(), words.end(),
                            [](const Word& word) { return word.text == "rescanned"; }));
}

TEST_F(ReaderViewModelTest, RecognitionShowsItsPageAndCancellingKeepsTheText) {
    readers_->scanPdfs(100000);
    const auto scan = dataHome_.filePath("long scan.pdf").toStdString();
    std::ofstream(scan) << "%PDF-1.4";
    auto& reader = reading(3);
    std::optional<QString> shown;
    QObject::connect(&reader, &ReaderViewModel::recognisingChanged, &reader, [&] {
        if (reader.isRecognising() && !shown) {
            shown = reader.statusMessage();
            reader.cancelLoading();
        }
    });
    const LoadOutcome outcome = settle([&](LoadDone done) {
        reader.loadFile(scan, QStringLiteral("Couldn't read %1: %2"), std::move(done));
    });
    ASSERT_TRUE(shown.has_value());
    EXPECT_THAT(shown->toStdString(),
                ::testing::MatchesRegex("Reading page [0-9]+ of 100000 by text recognition"));
    EXPECT_EQ(outcome.message,
              QStringLiteral("Couldn't read long scan.pdf: reading it was cancelled"));
    EXPECT_FALSE(reader.isRecognising());
    EXPECT_EQ(reader.engine().count(), 3);
}

} // namespace
} // namespace velora

namespace velora {
namespace {

class ReaderFramesTest : public ReaderViewModelTest {
protected:
    // What the views were asked to show at each change, and when.
    struct Shown {
        double at;
        std::string text;
    };

    ReaderViewModel& splitting(const std::string& text) {
        ReadingSettings settings;
        settings.wpm = 600;
        settings.splitLongWords = true;
        settings.splitLength = 10;
        settings.blankBeat = true;
        settings.blankBeatPercent = 20;
        ReadingPreferences::storeSettings(preferences_, settings);
        auto& reader = controller();
        loaded(reader, text);
        QObject::connect(&reader, &ReaderViewModel::engineChanged, [this, &reader] {
            std::string words = reader.showsBlankBeat() ? "_" : "";
            for (const Word& word : reader.shownChunk()) {
                words += word.text;
            }
            if (shown_.empty() || shown_.back().text != words) {
                shown_.push_back({scheduler_.now(), words});
            }
        });
        return reader;
    }

    std::vector<Shown> shown_;
};

// A long word shows in pieces and every word ends on a blank beat, inside the time the word has
// without them: the index, the library and the speed stay where they were.
TEST_F(ReaderFramesTest, PiecesAndBlankBeatsShareEachWordsTime) {
    auto& reader = splitting("go incomprehensible now");
    const double start = scheduler_.now();
    reader.play();
    scheduler_.advance(Seconds{10});
    std::vector<std::string> texts;
    for (const Shown& each : shown_) {
        texts.push_back(each.text);
    }
    // Without patterns set, the length rule breaks the word; the end shows nothing.
    EXPECT_THAT(texts, ElementsAreArray({"go", "_", "incompreh-", "ensible", "_", "now", "_", ""}));
    // 0.1 s for "go", 0.13 s for the long word, the last word's 0.1 s stretched by its
    // paragraph end: the pieces and blanks never move where a word begins.
    EXPECT_NEAR(shown_[1].at - start, 0.08, 1e-9);
    EXPECT_NEAR(shown_[2].at - start, 0.1, 1e-9);
    EXPECT_NEAR(shown_[5].at - start, 0.23, 1e-9);
    EXPECT_EQ(reader.engine().index(), 3);
    EXPECT_FALSE(reader.isPlaying());
    EXPECT_EQ(library().stats().totalWordsRead, 3);
    EXPECT_TRUE(reader.shownChunk().empty());
}

TEST_F(ReaderFramesTest, PausingOrSpeakingOnAPieceShowsTheWholeWord) {
    auto& reader = splitting("incomprehensible words");
    reader.play();
    ASSERT_EQ(reader.shownChunk().size(), 1U);
    EXPECT_EQ(reader.shownChunk().front().text, "incompreh-");
    reader.pause();
    ASSERT_EQ(reader.shownChunk().size(), 1U);
    EXPECT_EQ(reader.shownChunk().front().text, "incomprehensible");
    EXPECT_FALSE(reader.showsBlankBeat());

    // Speech taking over mid-word shows the word it says.
    reader.play();
    ASSERT_EQ(reader.shownChunk().front().text, "incompreh-");
    reader.setSpeechEnabled(true);
    EXPECT_EQ(reader.shownChunk().front().text, "incomprehensible");
}

// Pieces are for the eyes: speech still hears each word once, whole.
TEST_F(ReaderFramesTest, SpeechSaysASplitWordOnceAndWhole) {
    auto& reader = splitting("go incomprehensible now");
    reader.setSpeechEnabled(true);
    reader.play();
    ASSERT_EQ(speechLog_.spoken.size(), 1u);
    const std::string said = speechLog_.spoken.back().second.text.toStdString();
    EXPECT_NE(said.find("incomprehensible"), std::string::npos) << said;
    EXPECT_EQ(said.find('-'), std::string::npos) << said;
    EXPECT_EQ(said.find("incomprehensible"), said.rfind("incomprehensible"));
}

} // namespace
} // namespace velora

namespace velora {
namespace {

// Patterns that break a run of letters after its fifth, where the length rule breaks elsewhere;
// they note the thread each text asked from.
class RecordingHyphenation final : public HyphenationSource {
public:
    class AfterFive final : public Hyphenator {
        std::vector<std::size_t> letterBreaks(std::string_view letters) const override {
            return letters.size() > 7 ? std::vector<std::size_t>{5} : std::vector<std::size_t>{};
        }
    };

    std::shared_ptr<const Hyphenator> forText(std::string_view) const override {
        const std::lock_guard lock(mutex_);
        askedFrom_.push_back(std::this_thread::get_id());
        return std::make_shared<AfterFive>();
    }

    std::vector<std::thread::id> askedFrom() const {
        const std::lock_guard lock(mutex_);
        return askedFrom_;
    }

private:
    mutable std::mutex mutex_;
    mutable std::vector<std::thread::id> askedFrom_;
};

class WeighingTest : public ReaderViewModelTest,
                     public ::testing::WithParamInterface<ReadingSettings> {
protected:
    ReaderViewModel& readerWith(const ReadingSettings& settings) {
        ReadingPreferences::storeSettings(preferences_, settings);
        auto& reader = controller();
        reader.setHyphenation(hyphenation_);
        return reader;
    }

    bool askedOnlyOffTheMainThread() const {
        const auto asked = hyphenation_->askedFrom();
        return std::ranges::none_of(
            asked, [](std::thread::id id) { return id == std::this_thread::get_id(); });
    }

    // The piece the long word shows first once playing.
    static std::string firstPiece(ReaderViewModel& reader) {
        reader.play();
        std::string piece = reader.shownChunk().empty() ? "" : reader.shownChunk().front().text;
        reader.pause();
        return piece;
    }

    std::shared_ptr<RecordingHyphenation> hyphenation_ = std::make_shared<RecordingHyphenation>();
};

// Patterns take seconds to load for some languages: a text is weighed only where the settings
// use it, and never on the main thread.
TEST_P(WeighingTest, LoadsAskForPatternsOnlyWhereTheSettingsUseThem) {
    const ReadingSettings& settings = GetParam();
    auto& reader = readerWith(settings);
    loaded(reader, "an incomprehensible sentence");
    EXPECT_EQ(hyphenation_->askedFrom().size(), settings.weighsWords() ? 1U : 0U);
    EXPECT_TRUE(askedOnlyOffTheMainThread());
}

INSTANTIATE_TEST_SUITE_P(
    Settings, WeighingTest,
    ::testing::Values(ReadingSettings{}, ReadingSettings{.naturalRhythm = true},
                      ReadingSettings{.splitLongWords = true, .splitLength = 10}));

// Pieces switched on after the text loaded take the text's patterns once they are ready: until
// then the length rule splits, and the answer for an older text is never applied.
TEST_F(WeighingTest, PiecesSwitchedOnMidTextTakeThePatternsWhenReady) {
    auto& reader = readerWith(ReadingSettings{});
    loaded(reader, "incomprehensible words");
    ASSERT_TRUE(hyphenation_->askedFrom().empty());

    ReadingSettings splitting = reader.settings();
    splitting.splitLongWords = true;
    splitting.splitLength = 10;
    reader.setSettings(splitting);
    EXPECT_EQ(firstPiece(reader), "incompreh-");
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (firstPiece(reader) != "incompreh-") {
            loop.quit();
        }
    });
    poll.start(5);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(firstPiece(reader), "incom-");
    EXPECT_EQ(hyphenation_->askedFrom().size(), 1U);
    EXPECT_TRUE(askedOnlyOffTheMainThread());
}

} // namespace
} // namespace velora
