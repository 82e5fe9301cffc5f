#pragma once

#include "platform/speech/SpeechDispatcher.hpp"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <speech-dispatcher/libspeechd.h>

namespace velora {

struct SpeechDispatcher::State {
    struct Job {
        UtteranceId id = 0;
        SpeechUtterance utterance;
        bool stop = false;
    };
    using Clock = std::chrono::steady_clock;
    // Marks come at every word, the slowest speed gives one every 2.4 s: an utterance the
    // service is silent about for this long is not being spoken.
    static constexpr std::chrono::seconds silenceLimit{10};

    struct Spoken {
        UtteranceId id;
        std::vector<Utf16Range> words;
        int lastWord = -1;
        Clock::time_point lastHeard;
    };
    struct Event {
        SPDNotificationType type;
        int mark;
    };

    mutable std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable exited;
    std::deque<Job> jobs;
    bool quitting = false;
    bool done = false;
    SpeechSynthesizerObserver* observer = nullptr;
    std::function<void()> onVoicesChanged;
    std::vector<SpeechVoice> voices;
    UtteranceId lastId = 0;
    UtteranceId speaking = 0;
    // The service's message numbers of this connection's utterances, and the reports that came
    // before their number was known.
    std::map<std::size_t, Spoken> messages;
    std::map<std::size_t, std::vector<Event>> early;

    // Turns one report of the service into the observer's call, outside the lock.
    void deliver(std::size_t message, Event event);
    // The utterances the service has been silent about for too long, forgotten.
    std::vector<UtteranceId> takeSilent(Clock::time_point now);

    void publishVoices(std::vector<SpeechVoice> found);
    // These take the held lock and call the observer outside it.
    void failSilent(std::unique_lock<std::mutex>& lock);
    void fail(UtteranceId id, SpeechSynthesizerObserver* target,
              std::unique_lock<std::mutex>& lock);
    // Follows the utterance under the service's message number, with the reports already come.
    void track(std::size_t message, UtteranceId id, std::vector<Utf16Range> words,
               std::unique_lock<std::mutex>& lock);
};

} // namespace velora
