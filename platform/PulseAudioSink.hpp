#pragma once

#include "platform/AudioSink.hpp"

#include <atomic>

struct pa_simple;

namespace velora {

// The desktop's sound output through the PulseAudio protocol (PipeWire serves it too), with a
// short buffer so that what is heard stays close to what was written.
class PulseAudioSink final : public AudioSink {
public:
    PulseAudioSink() = default;
    PulseAudioSink(const PulseAudioSink&) = delete;
    PulseAudioSink& operator=(const PulseAudioSink&) = delete;
    ~PulseAudioSink() override;

    bool open(int sampleRate) override;
    bool write(std::span<const std::int16_t> samples) override;
    bool finish() override;
    std::optional<std::int64_t> playedSamples() override;
    void discard() override;
    void interrupt() override { interrupted_ = true; }

private:
    bool writeNow(std::span<const std::int16_t> samples);

    pa_simple* stream_ = nullptr;
    int sampleRate_ = 0;
    std::int64_t written_ = 0;
    std::atomic<bool> interrupted_ = false;
};

} // namespace velora
