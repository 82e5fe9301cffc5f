#pragma once

#include "app/platform/GlobalHotKeyService.hpp"

#include <memory>

namespace velora {

// One route to the shortcut, then another once the first cannot bind it: KDE's portal, for
// one, may answer without binding anything while KDE's own shortcut service would. After the
// move the second route stays for the rest of the run.
class FallbackHotKeyService final : public GlobalHotKeyService {
public:
    struct Route {
        std::unique_ptr<GlobalHotKeyService> service;
        ShortcutRoute route;
    };

    FallbackHotKeyService(Route first, Route second);

    bool available() const override { return true; }
    void installHandler(std::function<void()> pressed) override;
    Registration registerHotKey(QKeyCombination keys) override;
    void unregisterHotKey(Handle handle) override;
    void installAnswerHandler(std::function<void(const Answer&)> answered) override;
    QString refusalReason(Status status) const override;
    std::optional<ShortcutRoute> currentRoute() const override;

private:
    // The registration asked for, as its caller knows it and as the route in use knows it.
    struct Current {
        Handle handle;
        std::optional<Handle> inner;
        QKeyCombination keys;
    };

    GlobalHotKeyService& active() const;
    void answered(const Answer& answer);
    // Asks the second route for the current registration; false when it refused at once.
    Registration moveOn();

    Route first_;
    Route second_;
    bool onSecond_ = false;
    std::optional<Current> current_;
    std::function<void(const Answer&)> answered_;
    Handle next_ = 1;
};

} // namespace velora
