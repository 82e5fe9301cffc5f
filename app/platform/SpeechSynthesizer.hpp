#pragma once

#include "core/SpeechRate.hpp"

#include <QString>
#include <QtGlobal>
#include <cstdint>
#include <optional>

namespace velora {

// A stretch of text counted in UTF-16 code units.
struct Utf16Range {
    qsizetype location = 0;
    qsizetype length = 0;

    qsizetype end() const { return location + length; }
    bool contains(qsizetype position) const { return location <= position && position < end(); }
    bool operator==(const Utf16Range&) const = default;
};

// Identifies one utterance of one synthesizer; never 0.
using UtteranceId = std::uint64_t;

struct SpeechUtterance {
    QString text;
    // On the synthesizer's scale from 0 to 1, where 0.5 is the normal speaking speed.
    float rate = SpeechRate::defaultRate;
    // None speaks in the default voice.
    std::optional<QString> voiceIdentifier;
    double preUtteranceDelay = 0.0;  // seconds
    double postUtteranceDelay = 0.0; // seconds
};

// Receives a synthesizer's reports, on the synthesizer's own thread. Every utterance ends with
// exactly one of didFinish, didCancel and didFail.
class SpeechSynthesizerObserver {
public:
    virtual ~SpeechSynthesizerObserver();

    // The word at this range of the utterance's text is about to be heard.
    virtual void willSpeakRange(UtteranceId utterance, Utf16Range range) = 0;
    virtual void didFinish(UtteranceId utterance) = 0;
    virtual void didCancel(UtteranceId utterance) = 0;
    // Speech could not be produced (no sound output, voice data missing); nothing more of the
    // utterance will be heard.
    virtual void didFail(UtteranceId utterance, const QString& reason) = 0;
};

// Speaks one utterance at a time. Called from the main thread.
class SpeechSynthesizer {
public:
    virtual ~SpeechSynthesizer();

    // Set before the first utterance; reports go there until the synthesizer is destroyed.
    virtual void setObserver(SpeechSynthesizerObserver* observer) = 0;
    // Starts speaking without waiting; an utterance still under way is cancelled.
    virtual UtteranceId speak(const SpeechUtterance& utterance) = 0;
    // Silences the synthesizer at once; the utterance under way ends with a cancellation.
    virtual void stop() = 0;
    virtual bool isSpeaking() const = 0;
};

} // namespace velora
