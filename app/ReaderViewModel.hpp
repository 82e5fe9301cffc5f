#pragma once

#include "app/BackgroundRelease.hpp"
#include "app/DocumentLoader.hpp"
#include "app/LibraryStore.hpp"
#include "app/LoadOutcome.hpp"
#include "app/ScheduledTask.hpp"
#include "app/SpeechService.hpp"
#include "app/platform/Scheduler.hpp"
#include "core/ChunkFrames.hpp"
#include "core/HyphenationSource.hpp"
#include "core/ReaderEngine.hpp"
#include "core/ReadingHistoryEntry.hpp"
#include "core/ReadingMode.hpp"
#include "core/ReadingSettings.hpp"

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace velora {

class Pasteboard;
class PreferencesStore;

// The reader's one controller: owns the engine, drives the speech service and the library,
// publishes the state the views draw, and runs playback. Main thread only.
class ReaderViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(
        bool speechEnabled READ speechEnabled WRITE setSpeechEnabled NOTIFY speechEnabledChanged)
    Q_PROPERTY(bool isPlaying READ isPlaying NOTIFY isPlayingChanged)

public:
    // Where loaded text came from.
    struct LoadSource {
        struct File {
            std::filesystem::path path;
        };
        struct Text {};
        std::variant<Text, File> value;

        static LoadSource text() { return {Text{}}; }
    };

    // What the controller needs from outside; all must outlive it.
    struct Services {
        PreferencesStore& preferences;
        Scheduler& scheduler;
        Pasteboard& pasteboard;
        const ImportService& importer;
        // Both outlive the controller.
        SpeechService& speech;
        LibraryStore& library;
    };

    explicit ReaderViewModel(Services services, QObject* parent = nullptr);
    ~ReaderViewModel() override;

    // Published state; each has a change signal below.
    const ReaderEngine& engine() const;
    ReadingMode mode() const;
    const ReadingSettings& settings() const;
    bool speechEnabled() const;
    bool isPlaying() const;
    const std::optional<QString>& statusMessage() const;
    // Why speech could not be heard the last time it was tried; none once a word is heard.
    const std::optional<QString>& speechProblem() const { return speechProblem_; }

    void setMode(ReadingMode mode);
    void setSettings(const ReadingSettings& settings);
    void setSpeechEnabled(bool enabled);
    // The shell writes the messages of its own entry paths here.
    void setStatusMessage(std::optional<QString> message);
    // Restart control of the control bar: pause, then back to the first word.
    void restart();

    // Where loaded texts take the patterns for their rhythm and long words.
    void setHyphenation(std::shared_ptr<const HyphenationSource> source);
    // What the reading views draw now: while playing, a long word's piece or nothing during the
    // blank beat; the current chunk otherwise. Valid until the next engineChanged.
    std::span<const Word> shownChunk() const;
    bool showsBlankBeat() const;

    // Half-open range [first, second) of the word indexes of the chunk on display.
    std::pair<std::int64_t, std::int64_t> currentRange() const;

    // Every load runs on the loader's thread and ends with `done`, called on the main thread;
    // a later request replaces one still on its way. A failure is also shown on the status line.
    void load(std::string text, const LoadSource& source, LoadDone done = {});
    // A selection as Qt hands it over (the bus, the clipboard); converted on the loader's thread.
    void loadText(QString text, LoadDone done = {});
    void loadFromClipboard(LoadDone done = {});
    void play();
    void pause();
    void stepForward();
    void stepBackward();
    // Sentence and paragraph moves; backward ones go to the start of the sentence or paragraph
    // being read first. Like every jump they close the stretch and go on playing if it was.
    void previousSentence();
    void nextSentence();
    void previousParagraph();
    void nextParagraph();
    // Forward by `words`, back when negative; reading goes on if it was going.
    void step(std::int64_t words);
    void seek(double progress);
    // A jump to the word at `index`, clamped to the text.
    void goTo(std::int64_t index);
    // While the scrubber is held, seeks move the reader but the library is written once, when
    // it is let go.
    void beginScrub();
    void endScrub();
    // Saves the position and the words read so far without stopping playback; the stretch
    // being played goes on from here.
    void saveReading();
    void open(const ReadingHistoryEntry& entry, LoadDone done = {});
    // A file that yields no text keeps the loaded document and says `failureFormat` with its
    // name as %1 and why as %2.
    void loadFile(const std::filesystem::path& file, const QString& failureFormat,
                  LoadDone done = {});
    // The usual failure text for `loadFile`, in the user's language.
    static QString couldNotRead() { return tr("Couldn't read %1: %2"); }
    // The loaded document's title as the library keeps it; the program's name for the welcome.
    const std::string& title() const { return title_; }
    // A scanned document's pages are being read by text recognition; the panel offers a cancel.
    bool isRecognising() const { return recognising_; }
    // Answers the load on its way as cancelled; the loaded document stays.
    void cancelLoading();
    // Grows with every load, so that views can tell a new text from a step through the old one.
    std::uint64_t loadCount() const { return loadCount_; }

    // The panel reaches the voices through the reader: its settings card lists and picks them.
    SpeechService& speech() const { return speech_; }

signals:
    void engineChanged();
    // The position moved other than by reading on: a jump, a resume, a load or a restart.
    void positionJumped();
    void modeChanged();
    void settingsChanged();
    void speechEnabledChanged();
    void isPlayingChanged();
    void statusMessageChanged();
    void speechProblemChanged();
    void recognisingChanged();

private:
    // Pauses, moves the engine, and plays on from there if it was playing and words are left.
    void jump(const std::function<void(ReaderEngine&)>& move);
    // What to say when a request fails: the prefix and the document's name come first.
    struct FailureText {
        QString format;
        QString name;
    };
    DocumentLoader::Done answer(FailureText failure, LoadDone done);
    void install(PreparedDocument document);
    // Moves to where the library says reading stopped, and says so.
    void resume(const ReadingHistoryEntry& entry);
    void flushPlaySegment();
    void scheduleCheckpoint();
    void startVisualLoop();
    double chunkSeconds() const;
    // Shows the first frame of the chunk at the index, its time running from `start`.
    void beginChunk(double start);
    // Schedules the end of the frame on display at `deadline` on the scheduler's clock.
    void scheduleFrameEnd(double deadline);
    void finishFrame(double deadline);
    void finishChunk(double deadline);
    void clearFrames();
    void updateRhythm();
    // Weighs the words on display on the loader's worker where they were loaded unweighed.
    void weighIfWanted();
    void startSpeechPlayback();
    void restartPlayback();
    void scheduleSpeechRestart();
    void continueWithoutSpeech(const QString& reason);
    void setSpeechProblem(const std::optional<QString>& problem);

    void setPlaying(bool playing);
    void setRecognising(bool recognising);

    PreferencesStore& preferences_;
    Scheduler& scheduler_;
    Pasteboard& pasteboard_;

    ReaderEngine engine_;
    ReadingMode mode_ = ReadingMode::focus;
    bool speechEnabled_ = false;
    bool isPlaying_ = false;
    bool recognising_ = false;
    std::optional<QString> statusMessage_;
    std::optional<QString> speechProblem_;

    SpeechService& speech_;
    LibraryStore& library_;
    ScheduledTask loopTask_{scheduler_};
    ScheduledTask speechRestartTask_{scheduler_};
    ScheduledTask checkpointTask_{scheduler_};
    std::unique_ptr<LibraryStore::Batch> scrubBatch_;
    std::optional<std::string> currentDocID_;
    std::string title_ = "VeloraMac";
    std::optional<double> playStartedAt_;
    std::int64_t playStartIndex_ = 0;
    // Chunks shown since the last play(), for the speed ramp.
    std::int64_t chunksPlayed_ = 0;
    // When and where the last stretch of reading stopped.
    struct Stop {
        double at;
        std::int64_t index;
    };
    std::optional<Stop> lastStop_;
    std::uint64_t loadCount_ = 0;
    std::shared_ptr<const Hyphenator> hyphenator_;
    std::vector<double> rhythmWeights_;
    // Whether rhythmWeights_ and hyphenator_ belong to the words on display, and the load being
    // weighed, if any.
    bool weighed_ = false;
    std::optional<std::uint64_t> weighing_;
    // By word id; empty with the natural rhythm off.
    std::vector<double> rhythmShares_;
    // The frames of the chunk being played and the one on display.
    std::vector<ChunkFrame> frames_;
    std::size_t frame_ = 0;
    DocumentLoader loader_;
    BackgroundRelease release_;
};

} // namespace velora
