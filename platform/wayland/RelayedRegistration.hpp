#pragma once

#include "app/platform/GlobalHotKeyService.hpp"

#include <optional>

namespace velora {

// The one registration of a service that hands the shortcut on to another: its own handle, as
// its caller knows it, and the handle the service it wraps gave, once that service holds it.
// Handles of different inner services may coincide, so only answers on the held handle count.
class RelayedRegistration {
public:
    using Handle = GlobalHotKeyService::Handle;
    using Registration = GlobalHotKeyService::Registration;
    using Answer = GlobalHotKeyService::Answer;

    // Granted at once or awaiting the desktop's answer.
    static bool holds(const Registration& registration);

    // A new registration of `keys` under a fresh handle of our own, replacing any other.
    Handle begin(QKeyCombination keys);
    // Registers the keys with `inner`. Held: the registration under our handle; refused: the
    // inner refusal, the keys kept for another route until `forget`.
    Registration relay(GlobalHotKeyService& inner);
    void forget();
    // The inner handle to release when `handle` is the registration held.
    std::optional<Handle> release(Handle handle);

    bool isAbout(const Answer& inner) const;
    // An answer `isAbout` the registration, under our handle; a refusal forgets it.
    Answer translate(const Answer& inner);

    bool active() const { return current_.has_value(); }
    Handle handle() const { return current_->handle; }

private:
    struct Current {
        Handle handle;
        std::optional<Handle> inner;
        QKeyCombination keys;
    };

    std::optional<Current> current_;
    Handle next_ = 1;
};

} // namespace velora
