#pragma once

#include "app/HotKeyConfig.hpp"
#include "app/platform/GlobalHotKeyService.hpp"

#include <string>
#include <vector>

namespace velora::fakes {

// Records the calls it gets as readable lines and fires the handler when the test presses.
class FakeGlobalHotKeyService final : public GlobalHotKeyService {
public:
    bool available() const override { return true; }
    void installHandler(std::function<void()> pressed) override {
        calls.push_back("install");
        handler_ = std::move(pressed);
    }

    Registration registerHotKey(QKeyCombination keys) override {
        calls.push_back("register " + HotKeyConfig{keys}.display().toStdString());
        if (refuseWith != 0) {
            return {refuseWith, std::nullopt};
        }
        return {answerLater ? awaitingAnswer : 0, next_++};
    }

    void unregisterHotKey(Handle handle) override {
        calls.push_back("unregister " + std::to_string(handle));
    }

    void installAnswerHandler(std::function<void(const Answer&)> answered) override {
        answered_ = std::move(answered);
    }

    Handle lastHandle() const { return next_ - 1; }

    // Answers a registration made while `answerLater` was set, as a desktop does in its time.
    void answer(const Answer& answer) {
        if (answered_) {
            answered_(answer);
        }
    }

    void press() {
        if (handler_) {
            handler_();
        }
    }

    std::vector<std::string> calls;
    Status refuseWith = 0;
    bool answerLater = false;

private:
    std::function<void()> handler_;
    std::function<void(const Answer&)> answered_;
    Handle next_ = 1;
};

} // namespace velora::fakes
