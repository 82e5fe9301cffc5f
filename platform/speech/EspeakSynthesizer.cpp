#include "platform/speech/EspeakSynthesizer.hpp"

#include "platform/speech/EspeakEngine.hpp"
#include "platform/speech/EspeakWordMap.hpp"
#include "platform/speech/PulseAudioSink.hpp"

#include <chrono>
#include <optional>
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

// One utterance from the engine to the sink; words are reported as their first sample is heard.
struct EspeakSynthesizer::Playback {
    EspeakSynthesizer& self;
    const Job& job;
    AudioSink& sink;
    QString& failure;
    const int sampleRate;
    const std::int64_t lead;
    EspeakWordMap words;
    std::deque<PendingWord> pending;
    std::int64_t written = 0;
    bool outputFailed = false;

    Playback(EspeakSynthesizer& self, const Job& job, AudioSink& sink, QString& failure,
             int sampleRate)
        : self(self), job(job), sink(sink), failure(failure), sampleRate(sampleRate),
          lead(samplesFor(job.utterance.preUtteranceDelay, sampleRate)), words(job.utterance.text) {
    }

    Ending play(EspeakEngine& engine) {
        if (!writeSilence(sink, lead)) {
            return failed(soundOutputFailed);
        }
        written = lead;
        if (const auto ending = synthesize(engine)) {
            return *ending;
        }
        const std::int64_t total =
            written + samplesFor(job.utterance.postUtteranceDelay, sampleRate);
        if (!writeSilence(sink, total - written) || !sink.finish()) {
            return failed(soundOutputFailed);
        }
        if (const auto ending = waitUntilPlayed(total)) {
            return *ending;
        }
        // Events placed past the last sample still name words that were heard.
        for (const PendingWord& word : pending) {
            report(word.range);
        }
        return Ending::finished;
    }

    Ending failed(const QString& reason) {
        failure = reason;
        return Ending::failed;
    }

    void report(const Utf16Range& range) {
        if (self.observer_ != nullptr) {
            self.observer_->willSpeakRange(job.id, range);
        }
    }

    // False when the output failed.
    bool reportHeard() {
        const std::optional<std::int64_t> played = sink.playedSamples();
        if (!played) {
            return false;
        }
        while (!pending.empty() && pending.front().sample <= *played) {
            report(pending.front().range);
            pending.pop_front();
        }
        return true;
    }

    void queueWords(std::span<const espeak_EVENT> events) {
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
    }

    bool consume(std::span<const std::int16_t> audio, std::span<const espeak_EVENT> events) {
        if (self.isAborted(job.id)) {
            return false;
        }
        queueWords(events);
        if (!audio.empty()) {
            if (!sink.write(audio)) {
                outputFailed = true;
                return false;
            }
            written += static_cast<std::int64_t>(audio.size());
        }
        if (!reportHeard()) {
            outputFailed = true;
            return false;
        }
        return !self.isAborted(job.id);
    }

    // None once the engine has completed the text.
    std::optional<Ending> synthesize(EspeakEngine& engine) {
        const EspeakEngine::Outcome outcome = engine.synthesize(
            job.utterance.text, job.utterance.voiceIdentifier,
            EspeakEngine::paceFor(job.utterance.rate),
            [this](std::span<const std::int16_t> audio, std::span<const espeak_EVENT> events) {
                return consume(audio, events);
            });
        if (outputFailed) {
            return failed(soundOutputFailed);
        }
        switch (outcome) {
        case EspeakEngine::Outcome::completed:
            return std::nullopt;
        case EspeakEngine::Outcome::aborted:
            sink.discard();
            return Ending::cancelled;
        case EspeakEngine::Outcome::voiceUnavailable:
            return failed(voiceUnavailable);
        case EspeakEngine::Outcome::failed:
            return failed(engineUnavailable);
        }
        return failed(engineUnavailable);
    }

    // None once all `total` samples have been heard.
    std::optional<Ending> waitUntilPlayed(std::int64_t total) {
        std::int64_t lastPlayed = -1;
        auto lastProgress = Clock::now();
        while (true) {
            if (self.isAborted(job.id)) {
                sink.discard();
                return Ending::cancelled;
            }
            const std::optional<std::int64_t> played = sink.playedSamples();
            if (!played || !reportHeard()) {
                return failed(soundOutputFailed);
            }
            if (*played >= total) {
                return std::nullopt;
            }
            if (*played != lastPlayed) {
                lastPlayed = *played;
                lastProgress = Clock::now();
            } else if (Clock::now() - lastProgress > stallLimit) {
                return failed(soundOutputFailed);
            }
            self.waitBriefly(job.id);
        }
    }
};

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
    return Playback(*this, job, *sink, failure, engine.sampleRate()).play(engine);
}

} // namespace velora
