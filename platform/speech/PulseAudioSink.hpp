#pragma once

#include "platform/speech/AudioSink.hpp"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace velora {

// The desktop's sound output through the PulseAudio protocol (PipeWire serves it too), with a
// short buffer so that what is heard stays close to what was written. The server is spoken to
// from a main loop thread of its own, so that no call here waits on the server for longer than
// a bounded time, and none at all once interrupted.
class PulseAudioSink final : public AudioSink {
public:
    // A server that does not answer, or takes no audio, for this long counts as gone.
    static constexpr std::chrono::milliseconds answerLimit{2000};

    PulseAudioSink() = default;
    PulseAudioSink(const PulseAudioSink&) = delete;
    PulseAudioSink& operator=(const PulseAudioSink&) = delete;
    ~PulseAudioSink() override;

    bool open(int sampleRate) override;
    bool write(std::span<const std::int16_t> samples) override;
    bool finish() override;
    std::optional<std::int64_t> playedSamples() override;
    void discard() override;
    void interrupt() override;

private:
    class LoopLock;

    static void contextChanged(pa_context* context, void* self);
    static void streamChanged(pa_stream* stream, void* self);
    static void streamRequest(pa_stream* stream, std::size_t bytes, void* self);
    // Called on the main loop thread: wakes whoever waits for the server.
    void noteEvent();

    bool connect();
    bool connectStream();
    // Waits until `done` holds, the limit passes or the sink is interrupted; true for `done`.
    bool waitFor(const std::function<bool()>& done);
    bool streamFailed() const;
    // Called with the main loop locked.
    void logServerProblem(const char* what) const;
    // Called with the main loop locked.
    void fillWithSilence();

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    int sampleRate_ = 0;
    std::int64_t written_ = 0;
    bool finishing_ = false;
    std::vector<std::int16_t> silence_;

    std::mutex eventMutex_;
    std::condition_variable event_;
    // Counts the server's state changes and requests for audio.
    std::atomic<std::uint64_t> events_ = 0;
    std::atomic<int> contextState_ = 0;
    std::atomic<int> streamState_ = 0;
    std::atomic<bool> interrupted_ = false;
};

} // namespace velora
