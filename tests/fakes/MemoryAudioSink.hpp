#pragma once

#include "platform/speech/AudioSink.hpp"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

namespace velora::fakes {

// What the synthesizer played, kept in memory. Everything written counts as heard at once,
// unless the test holds playback at a sample count: then writes wait once they are `ahead`
// samples past it, as they would on a real device with a full buffer.
struct MemoryAudio {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::int16_t> samples;
    bool opens = true;
    std::optional<std::int64_t> heldAt;
    std::int64_t ahead = 4096;
    std::optional<std::size_t> failAfter;
    int discards = 0;

    void hold(std::int64_t at) {
        std::lock_guard lock(mutex);
        heldAt = at;
    }
    void release() {
        {
            std::lock_guard lock(mutex);
            heldAt.reset();
        }
        changed.notify_all();
    }
    bool writerWaiting() {
        std::lock_guard lock(mutex);
        return heldAt && static_cast<std::int64_t>(samples.size()) >= *heldAt + ahead;
    }
    std::size_t size() {
        std::lock_guard lock(mutex);
        return samples.size();
    }
};

class MemoryAudioSink final : public AudioSink {
public:
    explicit MemoryAudioSink(std::shared_ptr<MemoryAudio> audio) : audio_(std::move(audio)) {}

    bool open(int /*sampleRate*/) override {
        std::lock_guard lock(audio_->mutex);
        return audio_->opens;
    }
    bool write(std::span<const std::int16_t> samples) override {
        std::unique_lock lock(audio_->mutex);
        if (audio_->failAfter && audio_->samples.size() >= *audio_->failAfter) {
            return false;
        }
        audio_->changed.wait(lock, [this] {
            return interrupted_ || !audio_->heldAt ||
                   static_cast<std::int64_t>(audio_->samples.size()) <
                       *audio_->heldAt + audio_->ahead;
        });
        if (!interrupted_) {
            audio_->samples.insert(audio_->samples.end(), samples.begin(), samples.end());
        }
        return true;
    }
    bool finish() override { return true; }
    std::optional<std::int64_t> playedSamples() override {
        std::lock_guard lock(audio_->mutex);
        const auto written = static_cast<std::int64_t>(audio_->samples.size());
        return audio_->heldAt ? std::min(written, *audio_->heldAt) : written;
    }
    void discard() override {
        std::lock_guard lock(audio_->mutex);
        ++audio_->discards;
    }
    void interrupt() override {
        {
            std::lock_guard lock(audio_->mutex);
            interrupted_ = true;
        }
        audio_->changed.notify_all();
    }

private:
    std::shared_ptr<MemoryAudio> audio_;
    bool interrupted_ = false;
};

} // namespace velora::fakes
