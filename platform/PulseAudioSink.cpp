#include "platform/PulseAudioSink.hpp"

#include <algorithm>
#include <pulse/simple.h>
#include <vector>

namespace velora {

namespace {
// Both in seconds: the server keeps at most `target` queued, and starts playing once `start`
// is there.
constexpr double targetBuffer = 0.1;
constexpr double startBuffer = 0.02;
// Writes go in pieces this long so that an interruption is noticed soon.
constexpr double writePiece = 0.02;

std::uint32_t bytesFor(double seconds, int sampleRate) {
    return static_cast<std::uint32_t>(seconds * sampleRate) * sizeof(std::int16_t);
}
} // namespace

PulseAudioSink::~PulseAudioSink() {
    if (stream_ != nullptr) {
        pa_simple_free(stream_);
    }
}

bool PulseAudioSink::open(int sampleRate) {
    if (stream_ != nullptr || sampleRate <= 0) {
        return false;
    }
    sampleRate_ = sampleRate;
    const pa_sample_spec format{PA_SAMPLE_S16NE, static_cast<std::uint32_t>(sampleRate), 1};
    pa_buffer_attr buffer{};
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.tlength = bytesFor(targetBuffer, sampleRate);
    buffer.prebuf = bytesFor(startBuffer, sampleRate);
    buffer.minreq = static_cast<std::uint32_t>(-1);
    buffer.fragsize = static_cast<std::uint32_t>(-1);
    int error = 0;
    stream_ = pa_simple_new(nullptr, "VeloraMac", PA_STREAM_PLAYBACK, nullptr, "Speech", &format,
                            nullptr, &buffer, &error);
    return stream_ != nullptr;
}

bool PulseAudioSink::write(std::span<const std::int16_t> samples) {
    if (stream_ == nullptr) {
        return false;
    }
    const auto piece = static_cast<std::size_t>(std::max(1.0, writePiece * sampleRate_));
    while (!samples.empty() && !interrupted_) {
        const std::size_t count = std::min(piece, samples.size());
        if (!writeNow(samples.first(count))) {
            return false;
        }
        samples = samples.subspan(count);
    }
    return true;
}

// A tail shorter than the start buffer would never begin to play: pad it with silence.
bool PulseAudioSink::finish() {
    const std::vector<std::int16_t> silence(static_cast<std::size_t>(startBuffer * sampleRate_));
    return write(silence);
}

std::optional<std::int64_t> PulseAudioSink::playedSamples() {
    if (stream_ == nullptr) {
        return std::nullopt;
    }
    int error = 0;
    const pa_usec_t latency = pa_simple_get_latency(stream_, &error);
    if (latency == static_cast<pa_usec_t>(-1)) {
        return std::nullopt;
    }
    const auto queued =
        static_cast<std::int64_t>(latency * static_cast<std::uint64_t>(sampleRate_) / 1'000'000U);
    return std::max<std::int64_t>(0, written_ - queued);
}

void PulseAudioSink::discard() {
    if (stream_ != nullptr) {
        int error = 0;
        pa_simple_flush(stream_, &error);
    }
}

bool PulseAudioSink::writeNow(std::span<const std::int16_t> samples) {
    int error = 0;
    if (pa_simple_write(stream_, samples.data(), samples.size_bytes(), &error) < 0) {
        return false;
    }
    written_ += static_cast<std::int64_t>(samples.size());
    return true;
}

} // namespace velora
