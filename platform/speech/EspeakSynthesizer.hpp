#pragma once

#include "app/platform/SpeechSynthesizer.hpp"
#include "platform/speech/AudioSink.hpp"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace velora {

// espeak-ng in this process, synthesizing on a thread of its own and playing the audio through
// an AudioSink. Each word is reported when its first sample is heard, so that the display
// follows the voice rather than the synthesis, which runs ahead.
class EspeakSynthesizer final : public SpeechSynthesizer {
public:
    using SinkFactory = std::function<std::unique_ptr<AudioSink>()>;

    static inline const QString noSoundOutput =
        QStringLiteral(QT_TRANSLATE_NOOP("SpeechFailure", "No sound output for speech"));
    static inline const QString soundOutputFailed =
        QStringLiteral(QT_TRANSLATE_NOOP("SpeechFailure", "The sound output failed"));
    static inline const QString voiceUnavailable =
        QStringLiteral(QT_TRANSLATE_NOOP("SpeechFailure", "The voice could not be loaded"));
    static inline const QString engineUnavailable =
        QStringLiteral(QT_TRANSLATE_NOOP("SpeechFailure", "The speech engine could not start"));

    // One sink for each utterance; the desktop's sound output unless told otherwise.
    explicit EspeakSynthesizer(SinkFactory makeSink = {});
    EspeakSynthesizer(const EspeakSynthesizer&) = delete;
    EspeakSynthesizer& operator=(const EspeakSynthesizer&) = delete;
    ~EspeakSynthesizer() override;

    void setObserver(SpeechSynthesizerObserver* observer) override { observer_ = observer; }
    UtteranceId speak(const SpeechUtterance& utterance) override;
    void stop() override;
    bool isSpeaking() const override;

private:
    struct Job {
        UtteranceId id;
        SpeechUtterance utterance;
    };
    enum class Ending { finished, cancelled, failed };
    struct Playback;

    void work();
    Ending run(const Job& job, QString& failure);
    bool isAborted(UtteranceId id) const { return id <= abortedThrough_; }
    // Waits a little, or less when the job is aborted.
    void waitBriefly(UtteranceId id);

    SinkFactory makeSink_;
    SpeechSynthesizerObserver* observer_ = nullptr;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> queue_;
    UtteranceId lastId_ = 0;
    // Every utterance up to this one is to end with a cancellation.
    std::atomic<UtteranceId> abortedThrough_ = 0;
    bool running_ = false;
    bool quitting_ = false;
    AudioSink* activeSink_ = nullptr;
    std::thread worker_;
};

} // namespace velora
