#pragma once

#include "app/BackgroundRelease.hpp"
#include "app/DocumentSession.hpp"
#include "app/ImportFailureText.hpp"
#include "app/LibraryStore.hpp"
#include "app/LoadOutcome.hpp"
#include "app/PlaybackLoop.hpp"
#include "app/ReadingRecorder.hpp"
#include "app/SpeechService.hpp"
#include "app/platform/Scheduler.hpp"
#include "core/HyphenationSource.hpp"
#include "core/ReaderEngine.hpp"
#include "core/ReadingHistoryEntry.hpp"
#include "core/ReadingMode.hpp"
#include "core/ReadingSettings.hpp"

#include <QObject>
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

// The one object the reader's views talk to: holds the engine and the state the views draw,
// and hands loading, playback and the record of reading to the parts that do them, with the
// speech service and the library it is given. Main thread only.
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
        SpeechService& speech;
        LibraryStore& library;
    };

    explicit ReaderViewModel(Services services, QObject* parent = nullptr);
    ~ReaderViewModel() override;

    // Published state; each has a change signal below.
    const ReaderEngine& engine() const { return engine_; }
    ReadingMode mode() const { return mode_; }
    const ReadingSettings& settings() const { return engine_.settings; }
    bool speechEnabled() const { return speechEnabled_; }
    bool isPlaying() const { return isPlaying_; }
    const std::optional<QString>& statusMessage() const { return statusMessage_; }
    // Why speech could not be heard the last time it was tried; none once a word is heard.
    const std::optional<QString>& speechProblem() const { return playback_.speechProblem(); }

    void setMode(ReadingMode mode);
    void setSettings(const ReadingSettings& settings);
    void setSpeechEnabled(bool enabled);
    // The shell writes the messages of its own entry paths here.
    void setStatusMessage(std::optional<QString> message);
    // Restart control of the control bar: pause, then back to the first word.
    void restart();

    // Where loaded texts take the patterns for their rhythm and long words.
    void setHyphenation(std::shared_ptr<const HyphenationSource> source) {
        session_.setHyphenation(std::move(source));
    }
    // What the reading views draw now: while playing, a long word's piece or nothing during the
    // blank beat; the current chunk otherwise. Valid until the next engineChanged.
    std::span<const Word> shownChunk() const { return playback_.shownChunk(); }
    bool showsBlankBeat() const { return playback_.showsBlankBeat(); }

    // Half-open range [first, second) of the word indexes of the chunk on display.
    std::pair<std::int64_t, std::int64_t> currentRange() const;

    // Every load runs on the loader's thread and ends with `done`, called on the main thread;
    // a later request replaces one still on its way. A failure is also shown on the status line.
    void load(std::string text, const LoadSource& source, LoadDone done = {});
    // A selection as Qt hands it over (the bus, the clipboard); converted on the loader's thread.
    void loadText(QString text, LoadDone done = {}) {
        session_.loadText(std::move(text), std::move(done));
    }
    void loadFromClipboard(LoadDone done = {}) { session_.loadFromClipboard(std::move(done)); }
    void play();
    void pause();
    void stepForward() { step(stepWords); }
    void stepBackward() { step(-stepWords); }
    // Sentence and paragraph moves; backward ones go to the start of the sentence or paragraph
    // being read first. Like every jump they close the stretch and go on playing if it was.
    void previousSentence() { jump(&ReaderEngine::previousSentence); }
    void nextSentence() { jump(&ReaderEngine::nextSentence); }
    void previousParagraph() { jump(&ReaderEngine::previousParagraph); }
    void nextParagraph() { jump(&ReaderEngine::nextParagraph); }
    // Forward by `words`, back when negative; reading goes on if it was going.
    void step(std::int64_t words);
    void seek(double progress);
    // A jump to the word at `index`, clamped to the text.
    void goTo(std::int64_t index) {
        jump([index](ReaderEngine& engine) { engine.seek(index); });
    }
    // While the scrubber is held, seeks move the reader but the library is written once, when
    // it is let go.
    void beginScrub() { recorder_.beginScrub(); }
    void endScrub() { recorder_.endScrub(); }
    // Saves the position and the words read so far without stopping playback; the stretch
    // being played goes on from here.
    void saveReading() { recorder_.save(); }
    void open(const ReadingHistoryEntry& entry, LoadDone done = {}) {
        session_.open(entry, std::move(done));
    }
    // A file that yields no text keeps the loaded document and says `failureFormat` with its
    // name as %1 and why as %2.
    void loadFile(const std::filesystem::path& file, const QString& failureFormat,
                  LoadDone done = {}) {
        session_.loadFile(file, failureFormat, std::move(done));
    }
    // The usual failure text for `loadFile`, in the user's language.
    static QString couldNotRead() { return velora::couldNotRead(); }
    // The loaded document's title as the library keeps it; the program's name for the welcome.
    const std::string& title() const { return title_; }
    // A scanned document's pages are being read by text recognition; the panel offers a cancel.
    bool isRecognising() const { return session_.isRecognising(); }
    // Answers the load on its way as cancelled; the loaded document stays.
    void cancelLoading() { session_.cancel(); }
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
    static constexpr std::int64_t stepWords = 10;

    // Pauses, moves the engine, and plays on from there if it was playing and words are left.
    void jump(const std::function<void(ReaderEngine&)>& move);
    void install(PreparedDocument& document);
    void updateRhythm();
    // Weighs the words on display on the loader's worker where they were loaded unweighed.
    void weighIfWanted();
    void setPlaying(bool playing);

    PreferencesStore& preferences_;
    SpeechService& speech_;
    LibraryStore& library_;

    ReaderEngine engine_;
    ReadingMode mode_ = ReadingMode::focus;
    bool speechEnabled_ = false;
    bool isPlaying_ = false;
    std::optional<QString> statusMessage_;
    std::string title_ = "VeloraMac";
    std::uint64_t loadCount_ = 0;
    std::shared_ptr<const Hyphenator> hyphenator_;
    std::vector<double> rhythmWeights_;
    // Whether rhythmWeights_ and hyphenator_ belong to the words on display, and the load being
    // weighed, if any.
    bool weighed_ = false;
    std::optional<std::uint64_t> weighing_;
    // By word id; empty with the natural rhythm off.
    std::vector<double> rhythmShares_;
    BackgroundRelease release_;
    PlaybackLoop playback_;
    ReadingRecorder recorder_;
    DocumentSession session_;
};

} // namespace velora
