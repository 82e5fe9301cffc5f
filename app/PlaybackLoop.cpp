#include "app/PlaybackLoop.hpp"

#include "core/ReadingTiming.hpp"

namespace velora {

namespace {

constexpr Scheduler::Seconds speechRestartDelay{0.35};

} // namespace

PlaybackLoop::PlaybackLoop(ReaderEngine& engine, Rhythm rhythm, Scheduler& scheduler,
                           SpeechService& speech, QObject* parent)
    : QObject(parent), engine_(engine), rhythm_(rhythm), scheduler_(scheduler), speech_(speech) {
    connect(&speech_, &SpeechService::wordSpoken, this, &PlaybackLoop::wordHeard);
    connect(&speech_, &SpeechService::finished, this, &PlaybackLoop::speechFinished);
    connect(&speech_, &SpeechService::speechFailed, this, &PlaybackLoop::speechFailed);
}

PlaybackLoop::~PlaybackLoop() {
    speech_.stop();
}

void PlaybackLoop::play(bool withSpeech) {
    running_ = true;
    withSpeech_ = withSpeech;
    chunksPlayed_ = 0;
    restartDriver();
}

void PlaybackLoop::stop() {
    running_ = false;
    loopTask_.cancel();
    clearFrames();
    speechRestartTask_.cancel();
    speech_.stop();
}

void PlaybackLoop::setWithSpeech(bool withSpeech) {
    withSpeech_ = withSpeech;
    if (!withSpeech) {
        speechRestartTask_.cancel();
        speech_.stop();
    }
    if (running_) {
        restartDriver();
    }
}

void PlaybackLoop::restartSpeechSoon() {
    // The task is cancelled with the loop, so `this` is alive whenever it runs.
    speechRestartTask_.start(speechRestartDelay, [this] {
        if (running_ && withSpeech_) {
            restartDriver();
        }
    });
}

std::span<const Word> PlaybackLoop::shownChunk() const {
    if (frame_ < frames_.size()) {
        return frames_[frame_].words;
    }
    return engine_.currentChunk();
}

bool PlaybackLoop::showsBlankBeat() const {
    return frame_ < frames_.size() && frames_[frame_].words.empty();
}

// Every driver starts after both are stopped, so that only one ever moves the engine.
void PlaybackLoop::restartDriver() {
    loopTask_.cancel();
    clearFrames();
    speech_.stop();
    if (!running_) {
        return;
    }
    if (withSpeech_) {
        startSpeech();
    } else {
        startVisualLoop();
    }
}

void PlaybackLoop::startVisualLoop() {
    loopTask_.cancel();
    clearFrames();
    if (!running_) {
        return;
    }
    if (engine_.isAtEnd()) {
        emit reachedEnd();
        return;
    }
    beginChunk(scheduler_.now());
}

double PlaybackLoop::chunkSeconds() const {
    return static_cast<double>(ReadingTiming(engine_.settings, rhythm_.shares)
                                   .nanoseconds(engine_.currentChunk(), chunksPlayed_)) /
           1e9;
}

void PlaybackLoop::clearFrames() {
    frames_.clear();
    frame_ = 0;
}

void PlaybackLoop::beginChunk(double start) {
    frames_ = ChunkFrames::of(engine_.currentChunk(), chunkSeconds(), engine_.settings,
                              *rhythm_.hyphenator);
    frame_ = 0;
    const double first = frames_.front().seconds;
    // A chunk that is one frame, the usual case, shows as it always did.
    if (frames_.size() == 1) {
        clearFrames();
    } else {
        emit advanced();
    }
    scheduleFrameEnd(start + first);
}

void PlaybackLoop::scheduleFrameEnd(double deadline) {
    loopTask_.start(Scheduler::Seconds{deadline - scheduler_.now()},
                    [this, deadline] { finishFrame(deadline); });
}

void PlaybackLoop::finishFrame(double deadline) {
    if (!running_) {
        return;
    }
    if (frame_ + 1 < frames_.size()) {
        ++frame_;
        emit advanced();
        scheduleFrameEnd(deadline + frames_[frame_].seconds);
        return;
    }
    finishChunk(deadline);
}

void PlaybackLoop::finishChunk(double deadline) {
    clearFrames();
    const bool more = engine_.advance();
    ++chunksPlayed_;
    if (!more) {
        emit advanced();
        emit reachedEnd();
        return;
    }
    // The next chunk ends one interval after this one was planned to end, not after this late
    // wake-up, so scheduling delays do not add up over a text. After a stall longer than a whole
    // interval the plan starts afresh rather than rushing chunks past to catch up.
    const double now = scheduler_.now();
    const double start = deadline + chunkSeconds() <= now ? now : deadline;
    beginChunk(start);
    if (frames_.empty()) {
        emit advanced();
    }
}

void PlaybackLoop::startSpeech() {
    speech_.speak(engine_.words(), engine_.index(), engine_.settings.clampedWPM());
}

void PlaybackLoop::wordHeard(std::int64_t index) {
    setSpeechProblem(std::nullopt);
    if (running_) {
        engine_.seek(index);
        emit advanced();
    }
}

void PlaybackLoop::speechFinished() {
    engine_.seek(engine_.count());
    emit advanced();
    emit reachedEnd();
}

void PlaybackLoop::speechFailed(const QString& reason) {
    // Said once for each stretch without speech, not at every play.
    const bool news = !speechProblem_;
    setSpeechProblem(reason);
    // The service reports only the current utterance, so this one was driving playback.
    if (!running_ || loopTask_.isPending()) {
        return;
    }
    if (news) {
        emit wentOnWithoutSpeech();
    }
    startVisualLoop();
}

void PlaybackLoop::setSpeechProblem(const std::optional<QString>& problem) {
    if (problem == speechProblem_) {
        return;
    }
    speechProblem_ = problem;
    emit speechProblemChanged();
}

} // namespace velora
