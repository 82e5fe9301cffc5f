#include "app/ReaderViewModel.hpp"

#include "app/ImportService.hpp"
#include "app/ReadingPreferences.hpp"
#include "core/DocumentIdentity.hpp"
#include "core/ReadingTiming.hpp"
#include "core/TextSanitizer.hpp"
#include "fakes/FakeDocumentReaders.hpp"
#include "fakes/FakePasteboard.hpp"
#include "fakes/FixedVoiceCatalog.hpp"
#include "fakes/InMemoryPreferencesStore.hpp"
#include "fakes/ManualScheduler.hpp"
#include "fakes/ScriptedSpeechSynthesizer.hpp"
#include "fakes/TableLanguageRecognizer.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cmath>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <numeric>

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

// The library syncs every save to disk; in memory-backed storage that costs nothing.
QString dataHomeTemplate() {
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    const QString folder =
        memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath();
    return folder + QStringLiteral("/velora-reader-XXXXXX");
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
    static void SetUpTestSuite() {
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "test_app";
            static char* argv[] = {name, nullptr};
            new QCoreApplication(argc, argv);
        }
    }

    void SetUp() override {
        ASSERT_TRUE(dataHome_.isValid());
        qputenv("XDG_DATA_HOME", dataHome_.path().toUtf8());
    }

    ReaderViewModel& controller(Scheduler* scheduler = nullptr) {
        auto synthesizer = std::make_unique<fakes::ScriptedSpeechSynthesizer>(speechLog_);
        synthesizer_ = synthesizer.get();
        auto speech = std::make_unique<SpeechService>(
            std::move(synthesizer),
            std::make_unique<fakes::FixedVoiceCatalog>(std::vector<SpeechVoice>{},
                                                       std::map<QString, SpeechVoice>{}),
            std::make_unique<fakes::TableLanguageRecognizer>(std::map<QString, QString>{}),
            preferences_);
        viewModel_ = std::make_unique<ReaderViewModel>(ReaderViewModel::Services{
            preferences_, scheduler != nullptr ? *scheduler : scheduler_, pasteboard_, importer_,
            std::move(speech), std::make_unique<LibraryStore>()});
        return *viewModel_;
    }

    // A controller reading at 600 words per minute, one word at a time: 0.1 s a word.
    ReaderViewModel& fastController(std::int64_t wordsPerChunk = 1) {
        ReadingSettings settings;
        settings.wpm = 600;
        settings.wordsPerChunk = wordsPerChunk;
        ReadingPreferences::storeSettings(preferences_, settings);
        return controller();
    }

    double chunkInterval() const {
        return static_cast<double>(ReadingTiming(viewModel_->settings())
                                       .nanoseconds(viewModel_->engine().currentChunk())) /
               1e9;
    }

    // Lets the chunk on display run its full interval.
    void showChunks(int chunks) {
        for (int i = 0; i < chunks; ++i) {
            scheduler_.advance(Seconds{chunkInterval()});
        }
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

    std::filesystem::path writeFile(const std::string& name, const std::string& content) const {
        const std::filesystem::path path =
            dataHome_.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path) << content;
        return path;
    }

    // Waits for the import started by open() to hand its result back.
    void waitForReopen(const char* signal) {
        QSignalSpy spy(viewModel_.get(), signal);
        ASSERT_TRUE(spy.wait(10000));
    }

    QTemporaryDir dataHome_{dataHomeTemplate()};
    fakes::InMemoryPreferencesStore preferences_;
    fakes::ManualScheduler scheduler_;
    fakes::FakePasteboard pasteboard_;
    ImportService importer_{std::make_shared<FakeDocumentReaders>()};
    fakes::ScriptedSpeechSynthesizer::Log speechLog_;
    fakes::ScriptedSpeechSynthesizer* synthesizer_ = nullptr;
    std::unique_ptr<ReaderViewModel> viewModel_;
};

// Loading and resume

TEST_F(ReaderViewModelTest, StartsWithTheWelcomeTextAndLeavesTheLibraryAlone) {
    preferences_.setString(ReadingPreferences::modeKey, "spotlight");
    preferences_.setBoolean("speechEnabled", true);
    auto& reader = controller();
    ASSERT_GT(reader.engine().count(), 40);
    EXPECT_EQ(reader.engine().words().front().text, "Welcome");
    EXPECT_EQ(reader.engine().words().back().text, "device.");
    EXPECT_EQ(reader.mode(), ReadingMode::spotlight);
    EXPECT_FALSE(reader.speechEnabled());
    EXPECT_TRUE(reader.library().entries().empty());
    EXPECT_EQ(reader.library().stats().sessions, 0);

    // The welcome text adds to the statistics but has no entry to hold a position.
    reader.play();
    showChunks(3);
    reader.pause();
    EXPECT_EQ(reader.library().stats().totalWordsRead, 3);
    EXPECT_TRUE(reader.library().entries().empty());
}

TEST_F(ReaderViewModelTest, LoadingTheSameTextTwiceCountsOneDocumentAndTwoSessions) {
    auto& reader = controller();
    reader.load("First text here.", ReaderViewModel::LoadSource::text());
    reader.load("Another document entirely.", ReaderViewModel::LoadSource::text());
    reader.load("First text here.", ReaderViewModel::LoadSource::text());
    EXPECT_EQ(reader.library().stats().documentsOpened, 2);
    EXPECT_EQ(reader.library().stats().sessions, 3);
    ASSERT_EQ(reader.library().entries().size(), 2u);
    EXPECT_EQ(reader.library().entries()[0].title, "First text here.");
    EXPECT_FALSE(reader.isPlaying());
}

struct ResumeCase {
    std::int64_t lastIndex;
    std::int64_t expectedIndex;
    std::optional<QString> message;
    std::int64_t storedIndex;
};

class ResumeTest : public ReaderViewModelTest, public ::testing::WithParamInterface<ResumeCase> {};

TEST_P(ResumeTest, ResumesAtTheStoredPosition) {
    const std::string text = wordsText(1000);
    const std::string key = DocumentIdentity::textKey(TextSanitizer::clean(text));
    {
        LibraryStore library;
        library.registerDocument(key, "Words", Kind::text, 1000, std::nullopt, text);
        library.updateProgress(key, GetParam().lastIndex);
    }
    auto& reader = controller();
    reader.load(text, ReaderViewModel::LoadSource::text());
    EXPECT_EQ(reader.engine().index(), GetParam().expectedIndex);
    EXPECT_EQ(reader.statusMessage(), GetParam().message);
    EXPECT_EQ(reader.library().entries().at(0).lastIndex, GetParam().storedIndex);
    EXPECT_EQ(reader.library().stats().sessions, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, ResumeTest,
    ::testing::Values(
        ResumeCase{425, 425, QStringLiteral("Resumed at 42% · press ⏮ to start over"), 425},
        ResumeCase{999, 999, QStringLiteral("Resumed at 99% · press ⏮ to start over"), 999},
        ResumeCase{1, 1, QStringLiteral("Resumed at 0% · press ⏮ to start over"), 1},
        ResumeCase{0, 0, std::nullopt, 0},
        // A position at or past the end of the text as loaded now starts it over.
        ResumeCase{1000, 0, std::nullopt, 0}, ResumeCase{5000, 0, std::nullopt, 0}));

struct StoredTextCase {
    std::size_t characters;
    bool stored;
};

class StoredTextTest : public ReaderViewModelTest,
                       public ::testing::WithParamInterface<StoredTextCase> {};

TEST_P(StoredTextTest, LongSelectionsAreRememberedWithoutTheirText) {
    // Words of four letters and a space, the last one lengthened to the exact size.
    std::string text = wordsText(static_cast<std::int64_t>(GetParam().characters / 5), "abcd");
    text.resize(GetParam().characters, 'y');
    ASSERT_EQ(TextSanitizer::clean(text).size(), GetParam().characters);

    auto& reader = controller();
    reader.load(text, ReaderViewModel::LoadSource::text());
    EXPECT_EQ(reader.library().entries().at(0).storedText.has_value(), GetParam().stored);

    reader.load("Something else.", ReaderViewModel::LoadSource::text());
    // As the library view does: the entry handed over is the library's own.
    reader.open(reader.library().entries().at(0));
    if (GetParam().stored) {
        EXPECT_EQ(reader.engine().words().front().text, "abcd");
        EXPECT_EQ(reader.library().stats().documentsOpened, 2);
    } else {
        EXPECT_EQ(reader.statusMessage(), QStringLiteral("This selection is no longer stored"));
        EXPECT_EQ(reader.engine().words().front().text, "Something");
    }
}

INSTANTIATE_TEST_SUITE_P(Limit, StoredTextTest,
                         ::testing::Values(StoredTextCase{200000, true},
                                           StoredTextCase{200001, false}));

TEST_F(ReaderViewModelTest, ClipboardLoadsItsTextOrSaysItIsEmpty) {
    auto& reader = fastController();
    reader.load(wordsText(30), ReaderViewModel::LoadSource::text());
    reader.play();
    reader.loadFromClipboard();
    EXPECT_EQ(reader.statusMessage(), QStringLiteral("Clipboard is empty"));
    EXPECT_TRUE(reader.isPlaying());
    showChunks(2);
    EXPECT_EQ(reader.engine().index(), 2);

    pasteboard_.clearContents();
    pasteboard_.setData("", fakes::FakePasteboard::plainText);
    reader.loadFromClipboard();
    EXPECT_EQ(reader.statusMessage(), QStringLiteral("Clipboard is empty"));
    EXPECT_TRUE(reader.isPlaying());

    pasteboard_.clearContents();
    pasteboard_.setData("Copied words to read", fakes::FakePasteboard::plainText);
    reader.loadFromClipboard();
    EXPECT_FALSE(reader.isPlaying());
    EXPECT_EQ(reader.engine().count(), 4);
    EXPECT_EQ(reader.library().entries().back().storedText, "Copied words to read");
    EXPECT_EQ(reader.statusMessage(), std::nullopt);
}

// Playback and statistics

TEST_F(ReaderViewModelTest, PlayingAStretchCountsItsWordsAndStoresThePosition) {
    auto& reader = fastController();
    reader.load(wordsText(300), ReaderViewModel::LoadSource::text());
    reader.seek(100.0 / 300.0);
    ASSERT_EQ(reader.engine().index(), 100);
    reader.play();
    showChunks(60);
    reader.pause();
    reader.pause();
    EXPECT_EQ(reader.library().stats().totalWordsRead, 60);
    EXPECT_NEAR(reader.library().stats().totalSecondsRead, 6.0, 1e-9);
    EXPECT_EQ(reader.library().entries().at(0).lastIndex, 160);
}

TEST_F(ReaderViewModelTest, APausedLoopNeverAdvancesAgain) {
    auto& reader = fastController();
    reader.load(wordsText(20), ReaderViewModel::LoadSource::text());
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
    EXPECT_EQ(scheduler_.pendingCount(), 0u);
    scheduler_.advance(Seconds{5});
    EXPECT_EQ(reader.engine().index(), 1);
}

enum class Jump { forward, backward, seekBack, seekAhead };

struct JumpCase {
    Jump jump;
    std::int64_t expectedIndex;
    bool resumes;
};

class JumpTest : public ReaderViewModelTest, public ::testing::WithParamInterface<JumpCase> {};

TEST_P(JumpTest, JumpsCloseTheStretchSoSkippedWordsAreNotRead) {
    auto& reader = fastController();
    reader.load(wordsText(40), ReaderViewModel::LoadSource::text());
    reader.seek(0.5);
    reader.play();
    showChunks(5);
    switch (GetParam().jump) {
    case Jump::forward:
        reader.stepForward();
        break;
    case Jump::backward:
        reader.stepBackward();
        break;
    case Jump::seekBack:
        reader.seek(0.25);
        break;
    case Jump::seekAhead:
        reader.seek(1.0);
        break;
    }
    EXPECT_EQ(reader.engine().index(), GetParam().expectedIndex);
    EXPECT_EQ(reader.isPlaying(), GetParam().resumes);
    EXPECT_EQ(reader.library().stats().totalWordsRead, 5);
    EXPECT_EQ(reader.library().entries().at(0).lastIndex, 25);

    showChunks(2);
    reader.pause();
    EXPECT_EQ(reader.library().stats().totalWordsRead, GetParam().resumes ? 7 : 5);
}

INSTANTIATE_TEST_SUITE_P(Jumps, JumpTest,
                         ::testing::Values(JumpCase{Jump::forward, 35, true},
                                           JumpCase{Jump::backward, 15, true},
                                           JumpCase{Jump::seekBack, 10, true},
                                           JumpCase{Jump::seekAhead, 40, false}));

struct SeekCase {
    double progress;
    std::int64_t index;
};

class SeekTest : public ReaderViewModelTest, public ::testing::WithParamInterface<SeekCase> {};

TEST_P(SeekTest, ProgressIsClampedAndRoundedHalfAway) {
    auto& reader = controller();
    reader.load("one two three four five six seven", ReaderViewModel::LoadSource::text());
    reader.seek(GetParam().progress);
    EXPECT_EQ(reader.engine().index(), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Progress, SeekTest,
                         ::testing::Values(SeekCase{0.5, 4}, SeekCase{1.0, 7}, SeekCase{-3, 0},
                                           SeekCase{7.5, 7}, SeekCase{std::nan(""), 0},
                                           SeekCase{1.0 / 14.0, 1}, SeekCase{0.07, 0}));

struct ChunkCase {
    std::int64_t wordsPerChunk;
    double startProgress;
    std::vector<std::int64_t> shown;
};

class ChunkLoopTest : public ReaderViewModelTest,
                      public ::testing::WithParamInterface<ChunkCase> {};

TEST_P(ChunkLoopTest, TheLoopShowsEachChunkFromWhereItStarted) {
    auto& reader = fastController(GetParam().wordsPerChunk);
    reader.load(wordsText(10), ReaderViewModel::LoadSource::text());
    reader.seek(GetParam().startProgress);
    std::vector<std::int64_t> shown{reader.engine().index()};
    QObject::connect(&reader, &ReaderViewModel::engineChanged,
                     [&] { shown.push_back(reader.engine().index()); });
    reader.play();
    scheduler_.runUntilIdle();
    EXPECT_THAT(shown, ElementsAreArray(GetParam().shown));
    EXPECT_FALSE(reader.isPlaying());
    EXPECT_EQ(reader.library().stats().totalWordsRead, 10 - shown.front());

    // Playing a finished text starts it over.
    reader.play();
    EXPECT_EQ(reader.engine().index(), 0);
    EXPECT_TRUE(reader.isPlaying());
}

INSTANTIATE_TEST_SUITE_P(Chunks, ChunkLoopTest,
                         ::testing::Values(ChunkCase{3, 0.0, {0, 3, 6, 9, 10}},
                                           ChunkCase{3, 0.4, {4, 7, 10}},
                                           ChunkCase{4, 0.1, {1, 5, 9, 10}},
                                           ChunkCase{1, 0.7, {7, 8, 9, 10}}));

TEST_F(ReaderViewModelTest, ARateChangeAppliesFromTheNextChunk) {
    auto& reader = fastController();
    reader.load(wordsText(20), ReaderViewModel::LoadSource::text());
    reader.play();
    scheduler_.advance(Seconds{0.05});
    ReadingSettings slower = reader.settings();
    slower.wpm = 300;
    reader.setSettings(slower);
    EXPECT_EQ(reader.engine().settings.wpm, 300);
    EXPECT_EQ(ReadingPreferences::loadSettings(preferences_).wpm, 300);
    // The chunk on display keeps the interval it started with.
    scheduler_.advance(Seconds{0.05});
    EXPECT_EQ(reader.engine().index(), 1);
    scheduler_.advance(Seconds{0.15});
    EXPECT_EQ(reader.engine().index(), 1);
    scheduler_.advance(Seconds{0.06});
    EXPECT_EQ(reader.engine().index(), 2);
    EXPECT_TRUE(speechLog_.spoken.empty());
}

class LatenessTest : public ReaderViewModelTest, public ::testing::WithParamInterface<double> {};

TEST_P(LatenessTest, LateWakeUpsNeitherAddUpNorSkipChunks) {
    const double lateness = GetParam();
    LateScheduler late(scheduler_, lateness);
    ReadingSettings settings;
    settings.wpm = 600;
    ReadingPreferences::storeSettings(preferences_, settings);
    auto& reader = controller(&late);
    reader.load(wordsText(50), ReaderViewModel::LoadSource::text());
    std::vector<std::int64_t> shown;
    QObject::connect(&reader, &ReaderViewModel::engineChanged,
                     [&] { shown.push_back(reader.engine().index()); });
    double planned = 0;
    for (const Word& word : reader.engine().words()) {
        planned += ReadingTiming(settings).interval(std::span(&word, 1));
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

INSTANTIATE_TEST_SUITE_P(Delays, LatenessTest, ::testing::Values(0.0, 0.001, 0.02, 0.25));

// Speech

TEST_F(ReaderViewModelTest, SpeechDrivesTheEngineAndFinishesAtTheEnd) {
    auto& reader = fastController();
    reader.load(wordsText(8), ReaderViewModel::LoadSource::text());
    reader.setSpeechEnabled(true);
    EXPECT_EQ(preferences_.boolean("speechEnabled"), true);
    EXPECT_TRUE(speechLog_.spoken.empty());

    reader.play();
    ASSERT_EQ(speechLog_.spoken.size(), 1u);
    EXPECT_EQ(scheduler_.pendingCount(), 0u);
    const UtteranceId utterance = currentUtterance();
    reportSpokenWord(utterance, 0, 3);
    EXPECT_EQ(reader.engine().index(), 3);

    scheduler_.advance(Seconds{2});
    synthesizer_->reportFinish(utterance);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(reader.engine().index(), 8);
    EXPECT_FALSE(reader.isPlaying());
    EXPECT_EQ(reader.library().stats().totalWordsRead, 8);
    EXPECT_NEAR(reader.library().stats().totalSecondsRead, 2.0, 1e-9);
}

TEST_F(ReaderViewModelTest, ReportsOfAStoppedUtteranceChangeNothing) {
    auto& reader = fastController();
    reader.load(wordsText(8), ReaderViewModel::LoadSource::text());
    reader.setSpeechEnabled(true);
    reader.play();
    const UtteranceId utterance = currentUtterance();
    reportSpokenWord(utterance, 0, 2);
    reader.pause();
    EXPECT_EQ(reader.library().stats().totalWordsRead, 2);
    EXPECT_EQ(reader.library().entries().at(0).lastIndex, 2);

    reportSpokenWord(utterance, 0, 5);
    synthesizer_->reportCancel(utterance);
    synthesizer_->reportFinish(utterance);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(reader.engine().index(), 2);
    EXPECT_FALSE(reader.isPlaying());
    EXPECT_EQ(reader.library().stats().totalWordsRead, 2);
}

TEST_F(ReaderViewModelTest, TogglingSpeechWhilePlayingSwitchesDriverAtTheCurrentWord) {
    auto& reader = fastController();
    reader.load(wordsText(100), ReaderViewModel::LoadSource::text());
    reader.play();
    showChunks(40);
    reader.setSpeechEnabled(true);
    ASSERT_EQ(speechLog_.spoken.size(), 1u);
    EXPECT_EQ(scheduler_.pendingCount(), 0u);
    EXPECT_TRUE(speechLog_.spoken.back().second.text.startsWith("word word"));
    EXPECT_EQ(speechLog_.spoken.back().second.text.size(), 60 * 5 - 1);
    reportSpokenWord(currentUtterance(), 40, 45);

    reader.setSpeechEnabled(false);
    EXPECT_FALSE(synthesizer_->isSpeaking());
    EXPECT_EQ(preferences_.boolean("speechEnabled"), false);
    showChunks(5);
    EXPECT_EQ(reader.engine().index(), 50);
    reader.pause();
    // One stretch across both drivers.
    EXPECT_EQ(reader.library().stats().totalWordsRead, 50);
}

struct RateCase {
    std::vector<std::int64_t> rates;
    std::size_t restarts;
};

class SpeechRestartTest : public ReaderViewModelTest,
                          public ::testing::WithParamInterface<RateCase> {};

TEST_P(SpeechRestartTest, RateChangesRestartSpeechOnceAfterTheLastChange) {
    ReadingSettings settings;
    settings.wpm = GetParam().rates.front();
    ReadingPreferences::storeSettings(preferences_, settings);
    auto& reader = controller();
    reader.load(wordsText(100), ReaderViewModel::LoadSource::text());
    reader.setSpeechEnabled(true);
    reader.play();
    reportSpokenWord(currentUtterance(), 0, 7);
    for (std::size_t i = 1; i < GetParam().rates.size(); ++i) {
        settings.wpm = GetParam().rates[i];
        reader.setSettings(settings);
        scheduler_.advance(Seconds{0.1});
    }
    // 0.35 s after the last change, less the 0.1 s already gone.
    scheduler_.advance(Seconds{0.24});
    EXPECT_EQ(speechLog_.spoken.size(), 1u);
    scheduler_.advance(Seconds{0.02});
    EXPECT_EQ(speechLog_.spoken.size(), 1 + GetParam().restarts);
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
    auto& reader = fastController();
    reader.load(wordsText(20), ReaderViewModel::LoadSource::text());
    reader.setSpeechEnabled(true);
    reader.play();
    reportSpokenWord(currentUtterance(), 0, 3);
    synthesizer_->reportFailure(currentUtterance(), "no audio device");
    QCoreApplication::sendPostedEvents();

    EXPECT_TRUE(reader.isPlaying());
    ASSERT_TRUE(reader.statusMessage());
    EXPECT_TRUE(reader.statusMessage()->startsWith("Speech is unavailable"));
    EXPECT_FALSE(reader.statusMessage()->contains('\n'));
    showChunks(4);
    EXPECT_EQ(reader.engine().index(), 7);
    scheduler_.runUntilIdle();
    EXPECT_FALSE(reader.isPlaying());
    EXPECT_EQ(reader.library().stats().totalWordsRead, 20);
}

// Reopening

TEST_F(ReaderViewModelTest, ReopeningAFileLoadsItAgainAndResumes) {
    const auto path = writeFile("notes.txt", wordsText(30));
    auto& reader = fastController();
    reader.load(wordsText(30), ReaderViewModel::LoadSource::file(path));
    reader.play();
    showChunks(12);
    reader.load("Something else.", ReaderViewModel::LoadSource::text());

    ReadingHistoryEntry entry = reader.library().entries().at(0);
    ASSERT_EQ(entry.kind, Kind::file);
    EXPECT_EQ(entry.title, "notes.txt");
    reader.open(entry);
    EXPECT_EQ(reader.engine().words().front().text, "Something");
    waitForReopen(SIGNAL(statusMessageChanged()));
    EXPECT_EQ(reader.engine().index(), 12);
    EXPECT_EQ(reader.statusMessage(), QStringLiteral("Resumed at 40% · press ⏮ to start over"));
    EXPECT_FALSE(reader.isPlaying());
    EXPECT_EQ(reader.library().entries().at(0).filePath, path.string());
    EXPECT_EQ(reader.library().stats().documentsOpened, 2);
}

TEST_F(ReaderViewModelTest, ReopeningAVanishedFileKeepsTheCurrentText) {
    const auto path = writeFile("gone.txt", wordsText(30));
    auto& reader = fastController();
    reader.load(wordsText(30), ReaderViewModel::LoadSource::file(path));
    const ReadingHistoryEntry entry = reader.library().entries().at(0);
    reader.load(wordsText(20, "other"), ReaderViewModel::LoadSource::text());
    reader.seek(0.5);
    std::filesystem::remove(path);

    reader.open(entry);
    waitForReopen(SIGNAL(statusMessageChanged()));
    EXPECT_EQ(reader.statusMessage(), QStringLiteral("Couldn't reopen gone.txt"));
    EXPECT_EQ(reader.engine().words().front().text, "other");
    EXPECT_EQ(reader.engine().index(), 10);
    EXPECT_EQ(reader.library().entries().size(), 2u);
}

TEST_F(ReaderViewModelTest, FileEntryWithoutPathIsNoLongerAvailable) {
    auto& reader = controller();
    ReadingHistoryEntry entry;
    entry.kind = Kind::file;
    entry.id = "file:/nowhere";
    reader.open(entry);
    EXPECT_EQ(reader.statusMessage(), QStringLiteral("This document is no longer available"));
    EXPECT_EQ(reader.engine().words().front().text, "Welcome");
}

TEST_F(ReaderViewModelTest, WorkStillPendingWhenTheControllerGoesDoesNothing) {
    const auto path = writeFile("late.txt", wordsText(30));
    auto& reader = fastController();
    reader.load(wordsText(30), ReaderViewModel::LoadSource::text());
    reader.play();
    showChunks(4);
    ReadingHistoryEntry entry;
    entry.kind = Kind::file;
    entry.filePath = path.string();
    reader.open(entry);
    viewModel_.reset();
    scheduler_.runUntilIdle();
    QCoreApplication::processEvents();

    // The stretch played before quitting is kept.
    LibraryStore library;
    EXPECT_EQ(library.stats().totalWordsRead, 4);
    EXPECT_EQ(library.entries().at(0).lastIndex, 4);
}

} // namespace
} // namespace velora
