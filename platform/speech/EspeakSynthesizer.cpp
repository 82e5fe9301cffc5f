#include "platform/speech/EspeakSynthesizer.hpp"

#include "platform/speech/EspeakEngine.hpp"
#include "platform/speech/EspeakWordMap.hpp"
#include "platform/speech/PulseAudioSink.hpp"

#include <chrono>
#include <vector>

namespace velora {

namespace {
using Clock = std::chrono::steady_clock;
constexpr auto pollInterval = std::chrono::milliseconds(10);
// Audio that stops being played for this long means the output is gone.
constexpr auto stallLimit = std::chrono::seconds(2);

std::int64_t samplesFor(double seconds, int sampleRate) {
    return seconds > 0.0 ? static_cast<std::int64_t>(seconds * sampleRate) : 0;
}

// Silence for the utterance's delays, written in blocks so that a stop is noticed.
bool writeSilence(AudioSink& sink, std::int64_t count) {
    const std::vector<std::int16_t> block(1024);
    while (count > 0) {
        const auto size = static_cast<std::size_t>(std::min<std::int64_t>(count, 1024));
        if (!sink.write(std::span(block).first(size))) {
            return false;
        }
        count -= static_cast<std::int64_t>(size);
    }
    return true;
}

struct PendingWord {
    std::int64_t sample;
    Utf16Range range;
};
} // namespace

EspeakSynthesizer::EspeakSynthesizer(SinkFactory makeSink)
    : makeSink_(makeSink ? std::move(makeSink)
                         : SinkFactory([] { return std::make_unique<PulseAudioSink>(); })),
      worker_([this] { work(); }) {}

EspeakSynthesizer::~EspeakSynthesizer() {
    {
        std::lock_guard lock(mutex_);
        quitting_ = true;
        abortedThrough_ = lastId_;
        if (activeSink_ != nullptr) {
            activeSink_->interrupt();
        }
    }
    wake_.notify_all();
    worker_.join();
}

UtteranceId EspeakSynthesizer::speak(const SpeechUtterance& utterance) {
    {
        std::lock_guard lock(mutex_);
        abortedThrough_ = lastId_;
        if (activeSink_ != nullptr) {
            activeSink_->interrupt();
        }
        queue_.push_back({++lastId_, utterance});
    }
    wake_.notify_all();
    return lastId_;
}

void EspeakSynthesizer::stop() {
    {
        std::lock_guard lock(mutex_);
        abortedThrough_ = lastId_;
        if (activeSink_ != nullptr) {
            activeSink_->interrupt();
        }
    }
    wake_.notify_all();
}

bool EspeakSynthesizer::isSpeaking() const {
    std::lock_guard lock(mutex_);
    return running_ || !queue_.empty();
}

void EspeakSynthesizer::work() {
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return quitting_ || !queue_.empty(); });
        if (queue_.empty()) {
            return;
        }
        const Job job = std::move(queue_.front());
        queue_.pop_front();
        running_ = true;
        lock.unlock();

        QString failure;
        const Ending ending = isAborted(job.id) ? Ending::cancelled : run(job, failure);
        // Whoever hears of the end must find the synthesizer idle.
        lock.lock();
        running_ = false;
        lock.unlock();
        if (observer_ != nullptr) {
            switch (ending) {
            case Ending::finished:
                observer_->didFinish(job.id);
                break;
            case Ending::cancelled:
                observer_->didCancel(job.id);
                break;
            case Ending::failed:
                observer_->didFail(job.id, failure);
                break;
            }
        }
        lock.lock();
    }
}

void EspeakSynthesizer::waitBriefly(UtteranceId id) {
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, pollInterval, [&] { return isAborted(id); });
}

EspeakSynthesizer::Ending EspeakSynthesizer::run(const Job& job, QString& failure) {
    EspeakEngine& engine = EspeakEngine::instance();
    if (!engine.isAvailable()) {
        failure = engineUnavailable;
        return Ending::failed;
    }
    const std::unique_ptr<AudioSink> sink = makeSink_();
    {
        std::lock_guard lock(mutex_);
        if (isAborted(job.id)) {
            return Ending::cancelled;
        }
        // Before opening, so that a stop reaches a server that does not answer.
        activeSink_ = sink.get();
    }
    struct Detach {
        EspeakSynthesizer& self;
        ~Detach() {
            std::lock_guard lock(self.mutex_);
            self.activeSink_ = nullptr;
        }
    } detach{*this};
    if (!sink->open(engine.sampleRate())) {
        if (isAborted(job.id)) {
            return Ending::cancelled;
        }
        failure = noSoundOutput;
        return Ending::failed;
    }

    const int sampleRate = engine.sampleRate();
    const std::int64_t lead = samplesFor(job.utterance.preUtteranceDelay, sampleRate);
    EspeakWordMap words(job.utterance.text);
    std::deque<PendingWord> pending;
    bool outputFailed = false;

    // Words whose first sample has been heard are reported; false when the output failed.
    const auto reportHeard = [&] {
        const std::optional<std::int64_t> played = sink->playedSamples();
        if (!played) {
            return false;
        }
        while (!pending.empty() && pending.front().sample <= *played) {
            if (observer_ != nullptr) {
                observer_->willSpeakRange(job.id, pending.front().range);
            }
            pending.pop_front();
        }
        return true;
    };

    if (!writeSilence(*sink, lead)) {
        failure = soundOutputFailed;
        return Ending::failed;
    }
    std::int64_t written = lead;

    const auto consume = [&](std::span<const std::int16_t> audio,
                             std::span<const espeak_EVENT> events) {
        if (isAborted(job.id)) {
            return false;
        }
        for (const espeak_EVENT& event : events) {
            if (event.type != espeakEVENT_WORD) {
                continue;
            }
            if (auto range = words.take(event.text_position, event.length)) {
                const std::int64_t at =
                    lead + static_cast<std::int64_t>(event.audio_position) * sampleRate / 1000;
                const std::int64_t after = pending.empty() ? 0 : pending.back().sample;
                pending.push_back({std::max(at, after), *range});
            }
        }
        if (!audio.empty()) {
            if (!sink->write(audio)) {
                outputFailed = true;
                return false;
            }
            written += static_cast<std::int64_t>(audio.size());
        }
        if (!reportHeard()) {
            outputFailed = true;
            return false;
        }
        return !isAborted(job.id);
    };

    const EspeakEngine::Outcome outcome =
        engine.synthesize(job.utterance.text, job.utterance.voiceIdentifier,
                          EspeakEngine::paceFor(job.utterance.rate), consume);
    if (outputFailed) {
        failure = soundOutputFailed;
        return Ending::failed;
    }
    switch (outcome) {
    case EspeakEngine::Outcome::completed:
        break;
    case EspeakEngine::Outcome::aborted:
        sink->discard();
        return Ending::cancelled;
    case EspeakEngine::Outcome::voiceUnavailable:
        failure = voiceUnavailable;
        return Ending::failed;
    case EspeakEngine::Outcome::failed:
        failure = engineUnavailable;
        return Ending::failed;
    }

    const std::int64_t total = written + samplesFor(job.utterance.postUtteranceDelay, sampleRate);
    if (!writeSilence(*sink, total - written) || !sink->finish()) {
        failure = soundOutputFailed;
        return Ending::failed;
    }
    std::int64_t lastPlayed = -1;
    auto lastProgress = Clock::now();
    while (true) {
        if (isAborted(job.id)) {
            sink->discard();
            return Ending::cancelled;
        }
        const std::optional<std::int64_t> played = sink->playedSamples();
        if (!played || !reportHeard()) {
            failure = soundOutputFailed;
            return Ending::failed;
        }
        if (*played >= total) {
            break;
        }
        if (*played != lastPlayed) {
            lastPlayed = *played;
            lastProgress = Clock::now();
        } else if (Clock::now() - lastProgress > stallLimit) {
            failure = soundOutputFailed;
            return Ending::failed;
        }
        waitBriefly(job.id);
    }
    // Events placed past the last sample still name words that were heard.
    for (const PendingWord& word : pending) {
        if (observer_ != nullptr) {
            observer_->willSpeakRange(job.id, word.range);
        }
    }
    return Ending::finished;
}

} // namespace velora
