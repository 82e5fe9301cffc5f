#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace velora {

// Where synthesized speech is heard: mono 16-bit samples at one sample rate. Used from the
// synthesizer's thread, except interrupt(), which any thread may call.
class AudioSink {
public:
    virtual ~AudioSink();

    // False when there is no sound output to open.
    virtual bool open(int sampleRate) = 0;
    // Queues samples, waiting while the output is full, but no longer once interrupted. False when
    // the output failed.
    virtual bool write(std::span<const std::int16_t> samples) = 0;
    // Nothing more will be written: what is queued is to be heard to its end.
    virtual bool finish() = 0;
    // Samples heard so far, or none when the output failed.
    virtual std::optional<std::int64_t> playedSamples() = 0;
    // Drops whatever is queued and not yet heard.
    virtual void discard() = 0;
    virtual void interrupt() = 0;
};

} // namespace velora
