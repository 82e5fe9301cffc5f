#include "app/ReaderViewModel.hpp"

#include "app/ReadingPreferences.hpp"
#include "core/LengthHyphenator.hpp"
#include "core/ReadingTiming.hpp"
#include "core/WordRhythm.hpp"

#include <algorithm>
#include <cmath>

namespace velora {

namespace {

// Whether the rhythm's shares of the words differ between the two.
bool rhythmDiffers(const ReadingSettings& a, const ReadingSettings& b) {
    return a.naturalRhythm != b.naturalRhythm || a.minorPauseMultiplier != b.minorPauseMultiplier ||
           a.majorPauseMultiplier != b.majorPauseMultiplier ||
           a.paragraphPauseMultiplier != b.paragraphPauseMultiplier ||
           a.longWordThreshold != b.longWordThreshold ||
           a.longWordMultiplier != b.longWordMultiplier;
}

} // namespace

ReaderViewModel::ReaderViewModel(Services services, QObject* parent)
    : QObject(parent), preferences_(services.preferences), speech_(services.speech),
      library_(services.library),
      playback_(engine_, {hyphenator_, rhythmShares_}, services.scheduler, speech_),
      recorder_(services.library, services.scheduler, engine_),
      session_(services.importer, services.scheduler, services.pasteboard) {
    PreparedDocument welcome = DocumentSession::welcome();
    hyphenator_ = std::make_shared<LengthHyphenator>();
    rhythmWeights_ = WordRhythm::weights(welcome.words, welcome.starts, *hyphenator_);
    weighed_ = true;
    engine_ = ReaderEngine(std::move(welcome.words), ReadingPreferences::loadSettings(preferences_),
                           std::move(welcome.starts));
    session_.setWeighsWords(engine_.settings.weighsWords());
    updateRhythm();
    mode_ = ReadingPreferences::loadMode(preferences_);

    connect(&playback_, &PlaybackLoop::advanced, this, &ReaderViewModel::engineChanged);
    connect(&playback_, &PlaybackLoop::reachedEnd, this, &ReaderViewModel::pause);
    connect(&playback_, &PlaybackLoop::speechProblemChanged, this,
            &ReaderViewModel::speechProblemChanged);
    connect(&playback_, &PlaybackLoop::wentOnWithoutSpeech, this,
            [this] { setStatusMessage(tr("Speech is unavailable; reading on without it")); });
    connect(&session_, &DocumentSession::arrived, this, &ReaderViewModel::install);
    const auto say = [this](const QString& message) { setStatusMessage(message); };
    connect(&session_, &DocumentSession::statusMessage, this, say);
    connect(&session_, &DocumentSession::recognisingChanged, this,
            &ReaderViewModel::recognisingChanged);
    connect(&library_, &LibraryStore::saveFailed, this, say);
}

ReaderViewModel::~ReaderViewModel() {
    recorder_.endScrub();
    playback_.stop();
    // Quitting while playing keeps the position reached and the words read.
    recorder_.end();
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
    session_.setWeighsWords(settings.weighsWords());
    weighIfWanted();
    if (rhythmChanged) {
        updateRhythm();
    }
    ReadingPreferences::storeSettings(preferences_, settings);
    emit settingsChanged();
    emit engineChanged();
    // The visual loop reads the settings for every chunk; only speech has to start over.
    if (isPlaying_ && speechEnabled_ && previousWPM != engine_.settings.clampedWPM()) {
        playback_.restartSpeechSoon();
    }
}

void ReaderViewModel::setSpeechEnabled(bool enabled) {
    if (enabled == speechEnabled_) {
        return;
    }
    speechEnabled_ = enabled;
    ReadingPreferences::storeSpeechEnabled(preferences_, enabled);
    emit speechEnabledChanged();
    playback_.setWithSpeech(enabled);
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
    std::optional<std::filesystem::path> file;
    if (const auto* given = std::get_if<LoadSource::File>(&source.value)) {
        file = given->path;
    }
    session_.loadText(std::move(text), std::move(file), std::move(done));
}

void ReaderViewModel::install(PreparedDocument& document) {
    // Closes the running stretch while the engine still holds the document it belongs to.
    // Closing the old stretch and registering the new text are one write of the library.
    const LibraryStore::Batch batch(library_);
    pause();
    recorder_.forgetStop();
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

    const ReadingHistoryEntry entry = recorder_.open(document, wordCount);
    title_ = entry.title;
    if (std::optional<QString> resumed = DocumentSession::resume(engine_, entry)) {
        setStatusMessage(std::move(resumed));
    }
    emit engineChanged();
    emit positionJumped();
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
    if (recorder_.takeLongPause() && engine_.settings.resumeAtSentenceStart) {
        engine_.seek(engine_.sentenceStart());
        emit engineChanged();
        emit positionJumped();
    }
    setStatusMessage(std::nullopt);
    setPlaying(true);
    recorder_.begin();
    playback_.play(speechEnabled_);
}

void ReaderViewModel::pause() {
    recorder_.end();
    setPlaying(false);
    playback_.stop();
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

void ReaderViewModel::seek(double progress) {
    // NaN fails the comparison and lands on the first word.
    const double clamped = progress > 0 ? std::min(progress, 1.0) : 0.0;
    jump([clamped](ReaderEngine& engine) {
        engine.seek(
            static_cast<std::int64_t>(std::round(clamped * static_cast<double>(engine.count()))));
    });
}

void ReaderViewModel::jump(const std::function<void(ReaderEngine&)>& move) {
    const bool wasPlaying = isPlaying_;
    pause();
    move(engine_);
    recorder_.forgetStop();
    emit engineChanged();
    emit positionJumped();
    if (wasPlaying && !engine_.isAtEnd()) {
        play();
    }
}

void ReaderViewModel::weighIfWanted() {
    if (weighed_ || weighing_ == loadCount_ || !engine_.settings.weighsWords()) {
        return;
    }
    weighing_ = loadCount_;
    session_.weigh(engine_.sharedWords(), engine_.starts(),
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
