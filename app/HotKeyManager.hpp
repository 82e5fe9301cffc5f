#pragma once

#include "app/platform/GlobalHotKeyService.hpp"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace velora {

class Scheduler;

// Holds the one global shortcut of the process and calls `onTrigger` when it is pressed.
// Main thread only.
class HotKeyManager {
public:
    HotKeyManager(GlobalHotKeyService& service, Scheduler& scheduler);
    ~HotKeyManager();

    HotKeyManager(const HotKeyManager&) = delete;
    HotKeyManager& operator=(const HotKeyManager&) = delete;

    // Releases the combination registered before, then asks for this one. A refusal is logged
    // and leaves no shortcut registered. True when the desktop granted it at once.
    bool registerKeyCode(std::uint32_t keyCode, std::uint32_t modifiers);
    // False also while the desktop has not answered yet.
    bool isRegistered() const { return hotKeyRef_.has_value() && !awaitingAnswer_; }
    bool isAwaitingAnswer() const { return hotKeyRef_.has_value() && awaitingAnswer_; }
    // The chord as the desktop named it when it answered, which the user may have chosen there.
    const std::optional<QString>& boundChord() const { return boundChord_; }
    // Why the last registration was refused, in the route's own terms; none once one is held.
    const std::optional<QString>& refusal() const { return refusal_; }

    // Runs when the desktop answers later than registerKeyCode() returned, or changes its mind.
    std::function<void()> onRegistrationChanged;

    // Runs on a later turn of the main event loop than the key press, never inside the
    // platform's event dispatch.
    std::function<void()> onTrigger;

private:
    void installHandlerIfNeeded();
    void answered(const GlobalHotKeyService::Answer& answer);
    void refused(GlobalHotKeyService::Status status);

    GlobalHotKeyService& service_;
    Scheduler& scheduler_;
    std::optional<GlobalHotKeyService::Handle> hotKeyRef_;
    bool awaitingAnswer_ = false;
    std::optional<QString> boundChord_;
    std::optional<QString> refusal_;
    bool handlerInstalled_ = false;
    // Lets the installed handler and deferred triggers notice that the manager is gone.
    std::shared_ptr<HotKeyManager*> self_;
};

} // namespace velora
