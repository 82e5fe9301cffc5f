#include "platform/speech/PulseAudioSink.hpp"

#include "app/LogCategories.hpp"

#include <algorithm>
#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

namespace velora {

namespace {
// Both in seconds: the server keeps at most `target` queued, and starts playing once `start`
// is there.
constexpr double targetBuffer = 0.1;
constexpr double startBuffer = 0.02;
// Checks for progress this often while waiting for room, whatever the server does.
constexpr auto pollInterval = std::chrono::milliseconds(20);

std::uint32_t bytesFor(double seconds, int sampleRate) {
    return static_cast<std::uint32_t>(seconds * sampleRate) * sizeof(std::int16_t);
}

void release(pa_operation* operation) {
    if (operation != nullptr) {
        pa_operation_unref(operation);
    }
}
} // namespace

class PulseAudioSink::LoopLock {
public:
    explicit LoopLock(pa_threaded_mainloop* loop) : loop_(loop) {
        pa_threaded_mainloop_lock(loop_);
    }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;
    ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }

private:
    pa_threaded_mainloop* loop_;
};

PulseAudioSink::~PulseAudioSink() {
    if (loop_ == nullptr) {
        return;
    }
    // Nothing here waits for the server: disconnecting only closes the socket.
    {
        const LoopLock lock(loop_);
        if (stream_ != nullptr) {
            pa_stream_set_state_callback(stream_, nullptr, nullptr);
            pa_stream_set_write_callback(stream_, nullptr, nullptr);
            pa_stream_disconnect(stream_);
            pa_stream_unref(stream_);
        }
        if (context_ != nullptr) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
    }
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
}

bool PulseAudioSink::open(int sampleRate) {
    if (loop_ != nullptr || sampleRate <= 0) {
        return false;
    }
    sampleRate_ = sampleRate;
    loop_ = pa_threaded_mainloop_new();
    if (loop_ == nullptr) {
        return false;
    }
    if (pa_threaded_mainloop_start(loop_) < 0) {
        pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
        return false;
    }
    return connect() && connectStream();
}

bool PulseAudioSink::connect() {
    {
        const LoopLock lock(loop_);
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "VeloraMac");
        if (context_ == nullptr) {
            return false;
        }
        pa_context_set_state_callback(context_, &PulseAudioSink::contextChanged, this);
        // A desktop without a sound server gets none started by us.
        if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
            logServerProblem("no sound server");
            return false;
        }
        contextState_ = pa_context_get_state(context_);
    }
    waitFor([this] {
        const auto state = static_cast<pa_context_state_t>(contextState_.load());
        return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
    });
    if (contextState_ != PA_CONTEXT_READY && !interrupted_) {
        const LoopLock lock(loop_);
        logServerProblem("no sound server");
    }
    return contextState_ == PA_CONTEXT_READY && !interrupted_;
}

bool PulseAudioSink::connectStream() {
    {
        const LoopLock lock(loop_);
        const pa_sample_spec format{PA_SAMPLE_S16NE, static_cast<std::uint32_t>(sampleRate_), 1};
        stream_ = pa_stream_new(context_, "Speech", &format, nullptr);
        if (stream_ == nullptr) {
            return false;
        }
        pa_stream_set_state_callback(stream_, &PulseAudioSink::streamChanged, this);
        pa_stream_set_write_callback(stream_, &PulseAudioSink::streamRequest, this);
        pa_buffer_attr buffer{};
        buffer.maxlength = static_cast<std::uint32_t>(-1);
        buffer.tlength = bytesFor(targetBuffer, sampleRate_);
        buffer.prebuf = bytesFor(startBuffer, sampleRate_);
        buffer.minreq = static_cast<std::uint32_t>(-1);
        buffer.fragsize = static_cast<std::uint32_t>(-1);
        // The clock interpolates between the server's reports, so words are timed finely.
        const auto flags = static_cast<pa_stream_flags_t>(
            PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE | PA_STREAM_ADJUST_LATENCY);
        if (pa_stream_connect_playback(stream_, nullptr, &buffer, flags, nullptr, nullptr) < 0) {
            return false;
        }
        streamState_ = pa_stream_get_state(stream_);
    }
    waitFor([this] {
        const auto state = static_cast<pa_stream_state_t>(streamState_.load());
        return state == PA_STREAM_READY || !PA_STREAM_IS_GOOD(state);
    });
    if (streamState_ != PA_STREAM_READY && !interrupted_) {
        const LoopLock lock(loop_);
        logServerProblem("the sound server took no stream");
    }
    return streamState_ == PA_STREAM_READY && !interrupted_;
}

bool PulseAudioSink::write(std::span<const std::int16_t> samples) {
    if (stream_ == nullptr) {
        return false;
    }
    auto lastProgress = std::chrono::steady_clock::now();
    while (!samples.empty() && !interrupted_) {
        const std::uint64_t seen = events_;
        std::size_t count = 0;
        {
            const LoopLock lock(loop_);
            if (streamFailed()) {
                return false;
            }
            const std::size_t writable = pa_stream_writable_size(stream_) / sizeof(std::int16_t);
            count = std::min(writable, samples.size());
            if (count > 0 && pa_stream_write(stream_, samples.data(), count * sizeof(std::int16_t),
                                             nullptr, 0, PA_SEEK_RELATIVE) < 0) {
                return false;
            }
        }
        if (count > 0) {
            written_ += static_cast<std::int64_t>(count);
            samples = samples.subspan(count);
            lastProgress = std::chrono::steady_clock::now();
            continue;
        }
        if (std::chrono::steady_clock::now() - lastProgress > answerLimit) {
            return false;
        }
        std::unique_lock lock(eventMutex_);
        event_.wait_for(lock, pollInterval, [&] { return interrupted_ || events_ != seen; });
    }
    return true;
}

// The server's clock counts only what the device has played, so the last samples are heard
// only while more come after them: from here on, silence keeps the stream going.
bool PulseAudioSink::finish() {
    if (stream_ == nullptr) {
        return false;
    }
    const LoopLock lock(loop_);
    if (streamFailed()) {
        return false;
    }
    finishing_ = true;
    release(pa_stream_trigger(stream_, nullptr, nullptr));
    return true;
}

std::optional<std::int64_t> PulseAudioSink::playedSamples() {
    if (stream_ == nullptr) {
        return std::nullopt;
    }
    const LoopLock lock(loop_);
    if (streamFailed()) {
        return std::nullopt;
    }
    if (finishing_) {
        fillWithSilence();
    }
    pa_usec_t played = 0;
    // No timing report yet means nothing was heard yet.
    if (pa_stream_get_time(stream_, &played) < 0) {
        return 0;
    }
    const auto samples =
        static_cast<std::int64_t>(played * static_cast<std::uint64_t>(sampleRate_) / 1'000'000U);
    return std::min(samples, written_);
}

void PulseAudioSink::fillWithSilence() {
    const std::size_t bytes = pa_stream_writable_size(stream_);
    if (bytes == 0 || bytes == static_cast<std::size_t>(-1)) {
        return;
    }
    silence_.resize(std::max(silence_.size(), bytes / sizeof(std::int16_t)));
    if (pa_stream_write(stream_, silence_.data(), bytes, nullptr, 0, PA_SEEK_RELATIVE) == 0) {
        written_ += static_cast<std::int64_t>(bytes / sizeof(std::int16_t));
    }
}

void PulseAudioSink::discard() {
    if (stream_ == nullptr) {
        return;
    }
    const LoopLock lock(loop_);
    if (!streamFailed()) {
        release(pa_stream_flush(stream_, nullptr, nullptr));
    }
}

void PulseAudioSink::interrupt() {
    {
        std::lock_guard lock(eventMutex_);
        interrupted_ = true;
    }
    event_.notify_all();
}

bool PulseAudioSink::waitFor(const std::function<bool()>& done) {
    std::unique_lock lock(eventMutex_);
    return event_.wait_for(lock, answerLimit, [&] { return interrupted_ || done(); }) &&
           !interrupted_;
}

bool PulseAudioSink::streamFailed() const {
    return streamState_ != PA_STREAM_READY;
}

void PulseAudioSink::logServerProblem(const char* what) const {
    qCInfo(lcSpeech, "%s: %s", what, pa_strerror(pa_context_errno(context_)));
}

void PulseAudioSink::contextChanged(pa_context* context, void* self) {
    auto* sink = static_cast<PulseAudioSink*>(self);
    sink->contextState_ = pa_context_get_state(context);
    sink->noteEvent();
}

void PulseAudioSink::streamChanged(pa_stream* stream, void* self) {
    auto* sink = static_cast<PulseAudioSink*>(self);
    sink->streamState_ = pa_stream_get_state(stream);
    sink->noteEvent();
}

void PulseAudioSink::streamRequest(pa_stream* /*stream*/, std::size_t /*bytes*/, void* self) {
    static_cast<PulseAudioSink*>(self)->noteEvent();
}

void PulseAudioSink::noteEvent() {
    {
        std::lock_guard lock(eventMutex_);
        ++events_;
    }
    event_.notify_all();
}

} // namespace velora
