#pragma once

#include "app/platform/SpeechVoice.hpp"

#include <espeak-ng/speak_lib.h>
#include <functional>
#include <mutex>
#include <span>
#include <vector>

namespace velora {

// espeak-ng's settings for one speaking speed.
struct EspeakPace {
    int rate = espeakRATE_NORMAL; // espeak-ng's nominal words per minute
    int wordGap = 0;              // extra pause after each word, in espeak-ng's units
};

// The espeak-ng library of this process. It keeps one global state, so it is set up once, its
// voice list is read once, and syntheses take turns.
class EspeakEngine {
public:
    struct Voice {
        SpeechVoice voice;
        // espeak-ng's languages for the voice in lower case, each with its priority (lower is
        // preferred).
        std::vector<std::pair<int, QString>> languages;
    };

    // Receives each block of audio with the events that fall in it, on the synthesizing thread;
    // returning false aborts the synthesis.
    using Consumer =
        std::function<bool(std::span<const std::int16_t>, std::span<const espeak_EVENT>)>;
    enum class Outcome { completed, aborted, voiceUnavailable, failed };

    static EspeakEngine& instance();

    // False when espeak-ng's data is missing.
    bool isAvailable() const { return sampleRate_ > 0; }
    int sampleRate() const { return sampleRate_; }
    // Every voice whose data is installed.
    const std::vector<Voice>& voices() const { return voices_; }
    std::optional<SpeechVoice> voiceForLanguage(const QString& languageCode) const;

    // On the synthesizer's scale from 0 to 1.
    static EspeakPace paceFor(float rate);

    // Speaks text in the voice (the system language's voice when none) and returns when all of
    // it went to the consumer or the consumer aborted.
    Outcome synthesize(const QString& text, const std::optional<QString>& voiceIdentifier,
                       EspeakPace pace, const Consumer& consumer);

private:
    EspeakEngine();
    static int receive(short* samples, int count, espeak_EVENT* events);
    void readVoices();

    int sampleRate_ = 0;
    std::vector<Voice> voices_;
    QString defaultVoice_;
    std::mutex synthesis_;
    // Set while a synthesis runs; guarded by synthesis_.
    static inline const Consumer* consumer_ = nullptr;
    static inline bool aborted_ = false;
};

} // namespace velora
