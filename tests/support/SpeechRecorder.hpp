#pragma once

#include "app/SpeechService.hpp"
#include "app/platform/SpeechSynthesizer.hpp"

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace velora::testsupport {

// Collects a synthesizer's reports from its thread; an ending reads "finished 2" or
// "failed 3: reason".
class SpeechRecorder final : public SpeechSynthesizerObserver {
public:
    using Clock = std::chrono::steady_clock;

    void willSpeakRange(UtteranceId utterance, Utf16Range range) override {
        std::lock_guard lock(mutex_);
        words_[utterance].push_back(range);
        changed_.notify_all();
    }
    void didFinish(UtteranceId utterance) override { end(ended("finished", utterance)); }
    void didCancel(UtteranceId utterance) override { end(ended("cancelled", utterance)); }
    void didFail(UtteranceId utterance, const QString& reason) override {
        end(ended("failed", utterance, reason));
    }

    static std::string ended(const char* kind, UtteranceId utterance, const QString& reason = {}) {
        return kind + (" " + std::to_string(utterance)) +
               (reason.isEmpty() ? "" : ": " + reason.toStdString());
    }
    std::vector<std::string> waitForEnds(std::size_t count,
                                         Clock::duration limit = std::chrono::seconds(30)) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, limit, [&] { return ends_.size() >= count; });
        return ends_;
    }
    bool waitForWords(UtteranceId utterance, std::size_t count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(30),
                                 [&] { return words_[utterance].size() >= count; });
    }
    std::vector<Utf16Range> words(UtteranceId utterance) {
        std::lock_guard lock(mutex_);
        return words_[utterance];
    }
    // When the last ending came.
    Clock::time_point lastEndTime() {
        std::lock_guard lock(mutex_);
        return lastEnd_;
    }

private:
    void end(std::string ending) {
        std::lock_guard lock(mutex_);
        ends_.push_back(std::move(ending));
        lastEnd_ = Clock::now();
        changed_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::map<UtteranceId, std::vector<Utf16Range>> words_;
    std::vector<std::string> ends_;
    Clock::time_point lastEnd_;
};

inline SpeechUtterance utteranceOf(const QString& text) {
    SpeechUtterance utterance;
    utterance.text = text;
    utterance.rate = SpeechRate::defaultRate;
    return utterance;
}

// The ranges of the text's words as the service would build them.
inline std::vector<Utf16Range> wordRangesOf(const QString& text) {
    std::vector<Word> words;
    for (const QString& part : text.split(u' ', Qt::SkipEmptyParts)) {
        words.push_back(Word{static_cast<std::int64_t>(words.size()), part.toStdString()});
    }
    return SpeechService::buildUTF16Ranges(words).ranges;
}

} // namespace velora::testsupport
