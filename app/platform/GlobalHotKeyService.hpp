#pragma once

#include "app/platform/ShortcutRoute.hpp"

#include <QKeyCombination>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

namespace velora {

// System-wide key combinations that reach this process whichever application is in front.
// A plain interface with one handler per event, not a QObject: the X11 grab is a native event
// filter, and the Wayland routes wrap one another and hand the handler on. HotKeyManager, the
// one holder of a service, turns both handlers into its signals.
class GlobalHotKeyService {
public:
    using Handle = std::uint64_t;
    using Status = std::int32_t;

    // The status of a request that the desktop answers later, through the answer handler; the
    // registration carries the handle that the answer will name.
    static constexpr Status awaitingAnswer = -2;

    // Status 0 comes with a handle; any other status is the platform's reason for refusing.
    struct Registration {
        Status status = 0;
        std::optional<Handle> handle;
    };

    // A later word from the desktop on a registration: granted (status 0) or refused, and the
    // chord it bound in its own terms, empty when it named none. It also comes when the user
    // rebinds the shortcut in the desktop's settings.
    struct Answer {
        Handle handle = 0;
        Status status = 0;
        QString chord;
    };

    virtual ~GlobalHotKeyService();

    // False where this session offers the program no way to register a global shortcut; the
    // user then binds `veloramac --read-selection` in the desktop's own settings.
    virtual bool available() const = 0;

    // `pressed` runs on the main thread, inside the platform's event dispatch, for every press
    // of any combination registered here.
    virtual void installHandler(std::function<void()> pressed) = 0;
    virtual Registration registerHotKey(QKeyCombination keys) = 0;
    virtual void unregisterHotKey(Handle handle) = 0;
    // Runs on the main thread. Services that answer every registration at once never call it.
    virtual void installAnswerHandler(std::function<void(const Answer&)> answered);

    // What a refusal with this status means on this route, for the log and the user.
    virtual QString refusalReason(Status status) const;
    // The route now in use, for a service that may move to another after start; none keeps the
    // route chosen at start.
    virtual std::optional<ShortcutRoute> currentRoute() const;
};

} // namespace velora
