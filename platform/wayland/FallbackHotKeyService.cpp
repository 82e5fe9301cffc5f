#include "platform/wayland/FallbackHotKeyService.hpp"

#include "app/LogCategories.hpp"

namespace velora {

FallbackHotKeyService::FallbackHotKeyService(Route first, Route second)
    : first_(std::move(first)), second_(std::move(second)) {
    // Handles of the two routes may coincide: only the route in use is heard.
    first_.service->installAnswerHandler([this](const Answer& answer) {
        if (!onSecond_) {
            answered(answer);
        }
    });
    second_.service->installAnswerHandler([this](const Answer& answer) {
        if (onSecond_) {
            answered(answer);
        }
    });
}

GlobalHotKeyService& FallbackHotKeyService::active() const {
    return onSecond_ ? *second_.service : *first_.service;
}

void FallbackHotKeyService::installHandler(std::function<void()> pressed) {
    first_.service->installHandler(pressed);
    second_.service->installHandler(std::move(pressed));
}

void FallbackHotKeyService::installAnswerHandler(std::function<void(const Answer&)> answered) {
    answered_ = std::move(answered);
}

GlobalHotKeyService::Registration FallbackHotKeyService::registerHotKey(QKeyCombination keys) {
    relayed_.begin(keys);
    const Registration registration = relayed_.relay(active());
    if (RelayedRegistration::holds(registration)) {
        return registration;
    }
    if (onSecond_) {
        relayed_.forget();
        return registration;
    }
    return moveOn();
}

GlobalHotKeyService::Registration FallbackHotKeyService::moveOn() {
    onSecond_ = true;
    qCInfo(lcHotKey, "the first shortcut route bound nothing; moving to the next");
    const Registration registration = relayed_.relay(*second_.service);
    if (!RelayedRegistration::holds(registration)) {
        relayed_.forget();
    }
    return registration;
}

void FallbackHotKeyService::unregisterHotKey(Handle handle) {
    if (const std::optional<Handle> inner = relayed_.release(handle)) {
        active().unregisterHotKey(*inner);
    }
}

void FallbackHotKeyService::answered(const Answer& answer) {
    if (!relayed_.isAbout(answer)) {
        return;
    }
    if (answer.status != 0 && !onSecond_) {
        const Handle outer = relayed_.handle();
        const Registration registration = moveOn();
        if (registration.status != awaitingAnswer && answered_) {
            answered_({outer, registration.status, {}});
        }
        return;
    }
    const Answer translated = relayed_.translate(answer);
    if (answered_) {
        answered_(translated);
    }
}

QString FallbackHotKeyService::refusalReason(Status status) const {
    return active().refusalReason(status);
}

std::optional<ShortcutRoute> FallbackHotKeyService::currentRoute() const {
    return onSecond_ ? second_.route : first_.route;
}

} // namespace velora
