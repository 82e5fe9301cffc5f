#include "app/ReaderViewModel.hpp"

#include "app/ImportFailureText.hpp"
#include "app/ImportService.hpp"
#include "app/ReadingPreferences.hpp"
#include "app/platform/Pasteboard.hpp"
#include "app/platform/PreferencesStore.hpp"
#include "core/LengthHyphenator.hpp"
#include "core/ReadingTiming.hpp"
#include "core/Sentences.hpp"
#include "core/TextEngine.hpp"
#include "core/WordRhythm.hpp"

#include <algorithm>
#include <cmath>

namespace velora {

namespace {

const char* const welcomeText = QT_TRANSLATE_NOOP(
    "velora::ReaderViewModel",
    "Welcome to VeloraMac. Select text anywhere on your desktop and press the global shortcut to "
    "start reading at the speed of thought. Words flash one at a time, with the Optimal "
    "Recognition Point highlighted so your eyes barely move. Drop a PDF, ePub, or Markdown file "
    "onto this window to read it instantly — everything stays private, parsed entirely on your "
    "device.");

const QString speechEnabledKey = QStringLiteral("speechEnabled");

// A run of rate changes (a slider being dragged) restarts speech once, this long after the last.
constexpr Scheduler::Seconds speechRestartDelay{0.35};

// While playing, what was read is saved this often, so that an end the program never sees
// (kill -9, a crash, power lost) costs at most this much reading.
constexpr Scheduler::Seconds checkpointInterval{30.0};

constexpr std::int64_t stepWords = 10;
// A pause longer than this loses the thread of the sentence.
constexpr double longPauseSeconds = 60.0;

// Whether the rhythm's shares of the words differ between the two.
bool rhythmDiffers(const ReadingSettings& a, const ReadingSettings& b) {
    return a.naturalRhythm != b.naturalRhythm || a.minorPauseMultiplier != b.minorPauseMultiplier ||
           a.majorPauseMultiplier != b.majorPauseMultiplier ||
           a.paragraphPauseMultiplier != b.paragraphPauseMultiplier ||
           a.longWordThreshold != b.longWordThreshold ||
           a.longWordMultiplier != b.longWordMultiplier;
}

const QString replacedMessage = QStringLiteral("Replaced by a later request");

QString fileName(const std::filesystem::path& file) {
    return QString::fromStdString(file.filename().string());
}

} // namespace

ReaderViewModel::ReaderViewModel(Services services, QObject* parent)
    : QObject(parent), preferences_(services.preferences), scheduler_(services.scheduler),
      pasteboard_(services.pasteboard), speech_(services.speech), library_(services.library),
      loader_(services.importer, services.scheduler) {
    const std::string welcomeShown = tr(welcomeText).toStdString();
    std::vector<Word> welcome = TextEngine::tokenize(welcomeShown);
    TextStarts starts = Sentences::of(welcome, welcomeShown);
    hyphenator_ = std::make_shared<LengthHyphenator>();
    rhythmWeights_ = WordRhythm::weights(welcome, starts, *hyphenator_);
    weighed_ = true;
    engine_ = ReaderEngine(std::move(welcome), ReadingPreferences::loadSettings(preferences_),
                           std::move(starts));
    loader_.setWeighsWords(engine_.settings.weighsWords());
    updateRhythm();
    mode_ = ReadingPreferences::loadMode(preferences_);
    connect(&speech_, &SpeechService::speechFailed, this, &ReaderViewModel::continueWithoutSpeech);
    connect(&library_, &LibraryStore::saveFailed, this,
            [this](const QString& message) { setStatusMessage(message); });
    connect(&loader_, &DocumentLoader::recognisingPage, this, [this](int page, int pages) {
        setStatusMessage(tr("Reading page %1 of %2 by text recognition").arg(page).arg(pages));
        setRecognising(true);
    });
}

void ReaderViewModel::cancelLoading() {
    loader_.cancel();
}

void ReaderViewModel::setRecognising(bool recognising) {
    if (recognising_ != recognising) {
        recognising_ = recognising;
        emit recognisingChanged();
    }
}

ReaderViewModel::~ReaderViewModel() {
    scrubBatch_.reset();
    speech_.stop();
    // Quitting while playing keeps the position reached and the words read.
    flushPlaySegment();
}

const ReaderEngine& ReaderViewModel::engine() const {
    return engine_;
}

ReadingMode ReaderViewModel::mode() const {
    return mode_;
}

const ReadingSettings& ReaderViewModel::settings() const {
    return engine_.settings;
}

bool ReaderViewModel::speechEnabled() const {
    return speechEnabled_;
}

bool ReaderViewModel::isPlaying() const {
    return isPlaying_;
}

const std::optional<QString>& ReaderViewModel::statusMessage() const {
    return statusMessage_;
}

void ReaderViewModel::setMode(ReadingMode mode) {
    if (mode == mode_) {
        return;
    }
    mode_ = mode;
    ReadingPreferences::storeMode(preferences_, mode_);
    emit modeChanged();
}

void ReaderViewModel::setSettings(const ReadingSettings& settings) {
    if (settings == engine_.settings) {
        return;
    }
    const std::int64_t previousWPM = engine_.settings.clampedWPM();
    const bool rhythmChanged = rhythmDiffers(settings, engine_.settings);
    engine_.settings = settings;
    loader_.setWeighsWords(settings.weighsWords());
    weighIfWanted();
    if (rhythmChanged) {
        updateRhythm();
    }
    ReadingPreferences::storeSettings(preferences_, settings);
    emit settingsChanged();
    emit engineChanged();
    // The visual loop reads the settings for every chunk; only speech has to start over.
    if (isPlaying_ && speechEnabled_ && previousWPM != engine_.settings.clampedWPM()) {
        scheduleSpeechRestart();
    }
}

void ReaderViewModel::setSpeechEnabled(bool enabled) {
    if (enabled == speechEnabled_) {
        return;
    }
    speechEnabled_ = enabled;
    preferences_.setBoolean(speechEnabledKey, enabled);
    emit speechEnabledChanged();
    if (!enabled) {
        speechRestartTask_.cancel();
        speech_.stop();
    }
    if (isPlaying_) {
        restartPlayback();
    }
}

void ReaderViewModel::restart() {
    pause();
    engine_.restart();
    emit engineChanged();
    emit positionJumped();
}

std::pair<std::int64_t, std::int64_t> ReaderViewModel::currentRange() const {
    const std::int64_t start = std::min(engine_.index(), engine_.count());
    const std::int64_t end =
        std::min(engine_.count(), start + engine_.settings.clampedWordsPerChunk());
    return {start, end};
}

void ReaderViewModel::load(std::string text, const LoadSource& source, LoadDone done) {
    const auto* file = std::get_if<LoadSource::File>(&source.value);
    std::optional<std::filesystem::path> path;
    FailureText failure{couldNotRead(), tr("the text")};
    if (file != nullptr) {
        path = file->path;
        failure.name = fileName(file->path);
    }
    loader_.loadText(std::move(text), std::move(path), answer(failure, std::move(done)));
}

void ReaderViewModel::loadText(QString text, LoadDone done) {
    loader_.loadText(std::move(text), answer({couldNotRead(), tr("the text")}, std::move(done)));
}

void ReaderViewModel::loadFile(const std::filesystem::path& file, const QString& failureFormat,
                               LoadDone done) {
    loader_.loadFile(file, answer({failureFormat, fileName(file)}, std::move(done)));
}

DocumentLoader::Done ReaderViewModel::answer(FailureText failure, LoadDone done) {
    return [this, failure = std::move(failure),
            done = std::move(done)](DocumentLoader::Result result) mutable {
        setRecognising(false);
        LoadOutcome outcome;
        if (auto* document = std::get_if<PreparedDocument>(&result)) {
            install(std::move(*document));
        } else if (const auto* reason = std::get_if<ImportFailure>(&result)) {
            outcome.status = LoadOutcome::Status::failed;
            outcome.message = failure.format.arg(failure.name, displayReason(*reason));
            setStatusMessage(outcome.message);
        } else {
            outcome.status = LoadOutcome::Status::replaced;
            outcome.message = replacedMessage;
        }
        if (done) {
            done(outcome);
        }
    };
}

void ReaderViewModel::install(PreparedDocument document) {
    // Closes the running segment while the engine still holds the document it belongs to.
    // Closing the old stretch and registering the new text are one write of the library.
    const LibraryStore::Batch batch(library_);
    pause();
    lastStop_.reset();
    ++loadCount_;
    const auto wordCount = static_cast<std::int64_t>(document.words.size());
    // The previous document's words are freed off the event loop.
    release_.release(
        std::exchange(engine_, ReaderEngine(std::move(document.words), engine_.settings,
                                            std::move(document.starts))));
    weighed_ = document.hyphenator != nullptr;
    hyphenator_ = document.hyphenator ? document.hyphenator : std::make_shared<LengthHyphenator>();
    release_.release(std::exchange(rhythmWeights_, std::move(document.rhythmWeights)));
    // Switched on while the text was on its way.
    weighIfWanted();
    updateRhythm();
    setStatusMessage(std::nullopt);

    const ReadingHistoryEntry entry =
        library_.registerDocument(document.key, document.title, document.kind, wordCount,
                                  document.filePath, document.storedText, document.recognisedFrom);
    library_.recordSession();
    currentDocID_ = document.key;
    title_ = entry.title;
    resume(entry);
    emit engineChanged();
    emit positionJumped();
}

void ReaderViewModel::resume(const ReadingHistoryEntry& entry) {
    const std::int64_t last = entry.lastIndex;
    if (last < 1 || last >= engine_.count()) {
        return;
    }
    engine_.seek(last);
    if (engine_.settings.resumeAtSentenceStart) {
        engine_.seek(engine_.sentenceStart());
    }
    const std::int64_t resumed = engine_.index();
    const auto percent =
        entry.wordCount < 1
            ? 0
            : static_cast<std::int64_t>(static_cast<double>(std::min(entry.wordCount, resumed)) *
                                        100.0 / static_cast<double>(entry.wordCount));
    setStatusMessage(tr("Resumed at %L1% · press ⏮ to start over").arg(percent));
}

void ReaderViewModel::loadFromClipboard(LoadDone done) {
    const std::optional<QString> text = pasteboard_.string();
    if (!text || text->isEmpty()) {
        const QString empty = tr("Clipboard is empty");
        setStatusMessage(empty);
        if (done) {
            done({LoadOutcome::Status::failed, empty});
        }
        return;
    }
    loadText(*text, std::move(done));
}

void ReaderViewModel::play() {
    if (engine_.isEmpty() || isPlaying_) {
        return;
    }
    if (engine_.isAtEnd()) {
        engine_.restart();
        emit engineChanged();
        emit positionJumped();
    }
    const std::optional<Stop> stop = std::exchange(lastStop_, std::nullopt);
    if (engine_.settings.resumeAtSentenceStart && stop && stop->index == engine_.index() &&
        scheduler_.now() - stop->at > longPauseSeconds) {
        engine_.seek(engine_.sentenceStart());
        emit engineChanged();
        emit positionJumped();
    }
    setStatusMessage(std::nullopt);
    setPlaying(true);
    playStartedAt_ = scheduler_.now();
    playStartIndex_ = engine_.index();
    chunksPlayed_ = 0;
    scheduleCheckpoint();
    if (speechEnabled_) {
        startSpeechPlayback();
    } else {
        startVisualLoop();
    }
}

void ReaderViewModel::pause() {
    flushPlaySegment();
    setPlaying(false);
    loopTask_.cancel();
    clearFrames();
    speechRestartTask_.cancel();
    checkpointTask_.cancel();
    speech_.stop();
}

void ReaderViewModel::stepForward() {
    step(stepWords);
}

void ReaderViewModel::stepBackward() {
    step(-stepWords);
}

void ReaderViewModel::step(std::int64_t words) {
    jump([words](ReaderEngine& engine) {
        if (words < 0) {
            // Negated only once known above the minimum, which has no positive counterpart.
            engine.rewind(words == INT64_MIN ? INT64_MAX : -words);
        } else {
            engine.skip(words);
        }
    });
}

void ReaderViewModel::previousSentence() {
    jump(&ReaderEngine::previousSentence);
}

void ReaderViewModel::nextSentence() {
    jump(&ReaderEngine::nextSentence);
}

void ReaderViewModel::previousParagraph() {
    jump(&ReaderEngine::previousParagraph);
}

void ReaderViewModel::nextParagraph() {
    jump(&ReaderEngine::nextParagraph);
}

void ReaderViewModel::seek(double progress) {
    // NaN fails the comparison and lands on the first word.
    const double clamped = progress > 0 ? std::min(progress, 1.0) : 0.0;
    jump([clamped](ReaderEngine& engine) {
        engine.seek(
            static_cast<std::int64_t>(std::round(clamped * static_cast<double>(engine.count()))));
    });
}

void ReaderViewModel::goTo(std::int64_t index) {
    jump([index](ReaderEngine& engine) { engine.seek(index); });
}

void ReaderViewModel::jump(const std::function<void(ReaderEngine&)>& move) {
    const bool wasPlaying = isPlaying_;
    pause();
    move(engine_);
    // A position the reader chose is where reading goes on, however long ago it stopped.
    lastStop_.reset();
    emit engineChanged();
    emit positionJumped();
    if (wasPlaying && !engine_.isAtEnd()) {
        play();
    }
}

void ReaderViewModel::beginScrub() {
    if (!scrubBatch_) {
        scrubBatch_ = std::make_unique<LibraryStore::Batch>(library_);
    }
}

void ReaderViewModel::endScrub() {
    scrubBatch_.reset();
}

void ReaderViewModel::saveReading() {
    if (!playStartedAt_) {
        return;
    }
    flushPlaySegment();
    playStartedAt_ = scheduler_.now();
    playStartIndex_ = engine_.index();
}

void ReaderViewModel::scheduleCheckpoint() {
    checkpointTask_.start(checkpointInterval, [self = QPointer(this)] {
        if (!self) {
            return;
        }
        if (self->isPlaying_) {
            self->saveReading();
            self->scheduleCheckpoint();
        }
    });
}

void ReaderViewModel::open(const ReadingHistoryEntry& entry, LoadDone done) {
    const auto unavailable = [this, &done](const QString& message) {
        setStatusMessage(message);
        if (done) {
            done({LoadOutcome::Status::failed, message});
        }
    };
    if (entry.kind == ReadingHistoryEntry::Kind::text) {
        if (entry.storedText) {
            load(*entry.storedText, LoadSource::text(), std::move(done));
        } else {
            unavailable(tr("This selection is no longer stored"));
        }
        return;
    }
    if (!entry.filePath) {
        unavailable(tr("This document is no longer available"));
        return;
    }
    std::optional<DocumentLoader::RecognisedText> known;
    if (entry.storedText && entry.recognisedFrom) {
        known = DocumentLoader::RecognisedText{*entry.recognisedFrom, *entry.storedText};
    }
    loader_.loadFile(
        *entry.filePath,
        answer({tr("Couldn't reopen %1: %2"), fileName(*entry.filePath)}, std::move(done)),
        std::move(known));
}

void ReaderViewModel::flushPlaySegment() {
    if (!playStartedAt_) {
        return;
    }
    const double start = *playStartedAt_;
    playStartedAt_.reset();
    lastStop_ = Stop{scheduler_.now(), engine_.index()};
    const double elapsed = scheduler_.now() - start;
    const std::int64_t words = std::max<std::int64_t>(engine_.index() - playStartIndex_, 0);
    const LibraryStore::Batch batch(library_);
    library_.addReading(words, elapsed);
    if (currentDocID_) {
        library_.updateProgress(*currentDocID_, engine_.index());
    }
}

void ReaderViewModel::setHyphenation(std::shared_ptr<const HyphenationSource> source) {
    loader_.setHyphenation(std::move(source));
}

std::span<const Word> ReaderViewModel::shownChunk() const {
    if (frame_ < frames_.size()) {
        return frames_[frame_].words;
    }
    return engine_.currentChunk();
}

bool ReaderViewModel::showsBlankBeat() const {
    return frame_ < frames_.size() && frames_[frame_].words.empty();
}

void ReaderViewModel::weighIfWanted() {
    if (weighed_ || weighing_ == loadCount_ || !engine_.settings.weighsWords()) {
        return;
    }
    weighing_ = loadCount_;
    loader_.weigh(engine_.sharedWords(), engine_.starts(),
                  [this, load = loadCount_](DocumentLoader::Rhythm rhythm) {
                      if (load != loadCount_) {
                          release_.release(std::move(rhythm));
                          return;
                      }
                      weighing_.reset();
                      weighed_ = true;
                      hyphenator_ = std::move(rhythm.hyphenator);
                      release_.release(std::exchange(rhythmWeights_, std::move(rhythm.weights)));
                      updateRhythm();
                  });
}

void ReaderViewModel::updateRhythm() {
    std::vector<double> shares;
    if (engine_.settings.naturalRhythm) {
        shares = ReadingTiming(engine_.settings)
                     .rhythmShares(engine_.words(), engine_.starts(), rhythmWeights_);
    }
    release_.release(std::exchange(rhythmShares_, std::move(shares)));
}

double ReaderViewModel::chunkSeconds() const {
    return static_cast<double>(ReadingTiming(engine_.settings, rhythmShares_)
                                   .nanoseconds(engine_.currentChunk(), chunksPlayed_)) /
           1e9;
}

void ReaderViewModel::clearFrames() {
    frames_.clear();
    frame_ = 0;
}

void ReaderViewModel::startVisualLoop() {
    loopTask_.cancel();
    clearFrames();
    if (!isPlaying_) {
        return;
    }
    if (engine_.isAtEnd()) {
        pause();
        return;
    }
    beginChunk(scheduler_.now());
}

void ReaderViewModel::beginChunk(double start) {
    frames_ =
        ChunkFrames::of(engine_.currentChunk(), chunkSeconds(), engine_.settings, *hyphenator_);
    frame_ = 0;
    const double first = frames_.front().seconds;
    // A chunk that is one frame, the usual case, shows as it always did.
    if (frames_.size() == 1) {
        clearFrames();
    } else {
        emit engineChanged();
    }
    scheduleFrameEnd(start + first);
}

void ReaderViewModel::scheduleFrameEnd(double deadline) {
    loopTask_.start(Scheduler::Seconds{deadline - scheduler_.now()},
                    [self = QPointer(this), deadline] {
                        if (self) {
                            self->finishFrame(deadline);
                        }
                    });
}

void ReaderViewModel::finishFrame(double deadline) {
    if (!isPlaying_) {
        return;
    }
    if (frame_ + 1 < frames_.size()) {
        ++frame_;
        emit engineChanged();
        scheduleFrameEnd(deadline + frames_[frame_].seconds);
        return;
    }
    finishChunk(deadline);
}

void ReaderViewModel::finishChunk(double deadline) {
    clearFrames();
    const bool more = engine_.advance();
    ++chunksPlayed_;
    if (!more) {
        emit engineChanged();
        pause();
        return;
    }
    // The next chunk ends one interval after this one was planned to end, not after this late
    // wake-up, so scheduling delays do not add up over a text. After a stall longer than a whole
    // interval the plan starts afresh rather than rushing chunks past to catch up.
    const double now = scheduler_.now();
    const double start = deadline + chunkSeconds() <= now ? now : deadline;
    beginChunk(start);
    if (frames_.empty()) {
        emit engineChanged();
    }
}

void ReaderViewModel::startSpeechPlayback() {
    speech_.speak(
        engine_.words(), engine_.index(), engine_.settings.clampedWPM(),
        [self = QPointer(this)](std::int64_t index) {
            if (self) {
                self->setSpeechProblem(std::nullopt);
            }
            if (self && self->isPlaying_) {
                self->engine_.seek(index);
                emit self->engineChanged();
            }
        },
        [self = QPointer(this)] {
            if (self) {
                self->engine_.seek(self->engine_.count());
                emit self->engineChanged();
                self->pause();
            }
        });
}

void ReaderViewModel::restartPlayback() {
    loopTask_.cancel();
    clearFrames();
    speech_.stop();
    if (!isPlaying_) {
        return;
    }
    if (speechEnabled_) {
        startSpeechPlayback();
    } else {
        startVisualLoop();
    }
}

void ReaderViewModel::scheduleSpeechRestart() {
    speechRestartTask_.start(speechRestartDelay, [self = QPointer(this)] {
        if (!self) {
            return;
        }
        if (self->isPlaying_ && self->speechEnabled_) {
            self->restartPlayback();
        }
    });
}

void ReaderViewModel::continueWithoutSpeech(const QString& reason) {
    // Said once for each stretch without speech, not at every play.
    const bool news = !speechProblem_;
    setSpeechProblem(reason);
    // The service reports only the current utterance, so this one was driving playback.
    if (!isPlaying_ || loopTask_.isPending()) {
        return;
    }
    if (news) {
        setStatusMessage(tr("Speech is unavailable; reading on without it"));
    }
    startVisualLoop();
}

void ReaderViewModel::setSpeechProblem(const std::optional<QString>& problem) {
    if (problem == speechProblem_) {
        return;
    }
    speechProblem_ = problem;
    emit speechProblemChanged();
}

void ReaderViewModel::setPlaying(bool playing) {
    if (playing == isPlaying_) {
        return;
    }
    isPlaying_ = playing;
    emit isPlayingChanged();
}

void ReaderViewModel::setStatusMessage(std::optional<QString> message) {
    if (message == statusMessage_) {
        return;
    }
    statusMessage_ = std::move(message);
    emit statusMessageChanged();
}

} // namespace velora
