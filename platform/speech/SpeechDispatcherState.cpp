#include "platform/speech/SpeechDispatcherState.hpp"

#include <optional>
#include <utility>

namespace velora {

void SpeechDispatcher::State::deliver(std::size_t message, Event event) {
    std::unique_lock lock(mutex);
    auto found = messages.find(message);
    if (found == messages.end()) {
        early[message].push_back(event);
        return;
    }
    Spoken& spoken = found->second;
    spoken.lastHeard = Clock::now();
    SpeechSynthesizerObserver* const target = observer;
    const UtteranceId id = spoken.id;
    std::optional<Utf16Range> word;
    bool ended = false;
    if (event.type == SPD_EVENT_INDEX_MARK) {
        // At most once and in order, whatever the module repeats.
        if (event.mark > spoken.lastWord && event.mark < static_cast<int>(spoken.words.size())) {
            spoken.lastWord = event.mark;
            word = spoken.words[static_cast<std::size_t>(event.mark)];
        }
    } else if (event.type == SPD_EVENT_END || event.type == SPD_EVENT_CANCEL) {
        messages.erase(found);
        ended = true;
        if (speaking == id) {
            speaking = 0;
        }
    }
    lock.unlock();
    if (target == nullptr) {
        return;
    }
    if (word) {
        target->willSpeakRange(id, *word);
    } else if (ended && event.type == SPD_EVENT_END) {
        target->didFinish(id);
    } else if (ended) {
        target->didCancel(id);
    }
}

std::vector<UtteranceId> SpeechDispatcher::State::takeSilent(Clock::time_point now) {
    std::vector<UtteranceId> silent;
    for (auto each = messages.begin(); each != messages.end();) {
        if (now - each->second.lastHeard < silenceLimit) {
            ++each;
            continue;
        }
        silent.push_back(each->second.id);
        if (speaking == each->second.id) {
            speaking = 0;
        }
        each = messages.erase(each);
    }
    return silent;
}

void SpeechDispatcher::State::publishVoices(std::vector<SpeechVoice> found) {
    // Under the lock, so that once the callback is dropped it is not running either.
    std::lock_guard lock(mutex);
    voices = std::move(found);
    if (onVoicesChanged) {
        onVoicesChanged();
    }
}

void SpeechDispatcher::State::failSilent(std::unique_lock<std::mutex>& lock) {
    const std::vector<UtteranceId> silent = takeSilent(Clock::now());
    SpeechSynthesizerObserver* const target = observer;
    lock.unlock();
    for (UtteranceId id : silent) {
        if (target != nullptr) {
            target->didFail(id, serviceUnavailable);
        }
    }
    lock.lock();
}

void SpeechDispatcher::State::fail(UtteranceId id, SpeechSynthesizerObserver* target,
                                   std::unique_lock<std::mutex>& lock) {
    if (speaking == id) {
        speaking = 0;
    }
    lock.unlock();
    if (target != nullptr) {
        target->didFail(id, serviceUnavailable);
    }
    lock.lock();
}

void SpeechDispatcher::State::track(std::size_t message, UtteranceId id,
                                    std::vector<Utf16Range> words,
                                    std::unique_lock<std::mutex>& lock) {
    messages[message] = {id, std::move(words), -1, Clock::now()};
    const std::vector<Event> before = std::exchange(early[message], {});
    // Reports of earlier messages that were never ours will not be claimed.
    early.erase(early.begin(), early.upper_bound(message));
    lock.unlock();
    for (const Event& event : before) {
        deliver(message, event);
    }
    lock.lock();
}

} // namespace velora
