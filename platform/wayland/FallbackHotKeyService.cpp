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
    current_ = Current{next_++, std::nullopt, keys};
    const Registration registration = active().registerHotKey(keys);
    const bool held = registration.status == 0 || registration.status == awaitingAnswer;
    if (held) {
        current_->inner = registration.handle;
        return {registration.status, current_->handle};
    }
    if (onSecond_) {
        current_.reset();
        return registration;
    }
    return moveOn();
}

GlobalHotKeyService::Registration FallbackHotKeyService::moveOn() {
    onSecond_ = true;
    qCInfo(lcHotKey, "the first shortcut route bound nothing; moving to the next");
    const Registration registration = second_.service->registerHotKey(current_->keys);
    if (registration.status != 0 && registration.status != awaitingAnswer) {
        current_.reset();
        return registration;
    }
    current_->inner = registration.handle;
    return {registration.status, current_->handle};
}

void FallbackHotKeyService::unregisterHotKey(Handle handle) {
    if (!current_ || current_->handle != handle) {
        return;
    }
    if (current_->inner) {
        active().unregisterHotKey(*current_->inner);
    }
    current_.reset();
}

void FallbackHotKeyService::answered(const Answer& answer) {
    if (!current_ || current_->inner != answer.handle) {
        return;
    }
    const Handle outer = current_->handle;
    if (answer.status != 0 && !onSecond_) {
        const Registration registration = moveOn();
        if (registration.status == awaitingAnswer) {
            return;
        }
        if (answered_) {
            answered_({outer, registration.status, {}});
        }
        return;
    }
    if (answer.status != 0) {
        current_.reset();
    }
    if (answered_) {
        answered_({outer, answer.status, answer.chord});
    }
}

QString FallbackHotKeyService::refusalReason(Status status) const {
    return active().refusalReason(status);
}

std::optional<ShortcutRoute> FallbackHotKeyService::currentRoute() const {
    return onSecond_ ? second_.route : first_.route;
}

} // namespace velora
