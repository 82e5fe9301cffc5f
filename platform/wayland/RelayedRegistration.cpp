#include "platform/wayland/RelayedRegistration.hpp"

namespace velora {

bool RelayedRegistration::holds(const Registration& registration) {
    return registration.status == 0 || registration.status == GlobalHotKeyService::awaitingAnswer;
}

RelayedRegistration::Handle RelayedRegistration::begin(QKeyCombination keys) {
    current_ = Current{next_++, std::nullopt, keys};
    return current_->handle;
}

RelayedRegistration::Registration RelayedRegistration::relay(GlobalHotKeyService& inner) {
    const Registration registration = inner.registerHotKey(current_->keys);
    if (!holds(registration)) {
        return registration;
    }
    current_->inner = registration.handle;
    return {registration.status, current_->handle};
}

void RelayedRegistration::forget() {
    current_.reset();
}

std::optional<RelayedRegistration::Handle> RelayedRegistration::release(Handle handle) {
    if (!current_ || current_->handle != handle) {
        return std::nullopt;
    }
    const std::optional<Handle> inner = current_->inner;
    current_.reset();
    return inner;
}

bool RelayedRegistration::isAbout(const Answer& inner) const {
    return current_ && current_->inner == inner.handle;
}

RelayedRegistration::Answer RelayedRegistration::translate(const Answer& inner) {
    const Handle outer = current_->handle;
    if (inner.status != 0) {
        current_.reset();
    }
    return {outer, inner.status, inner.chord};
}

} // namespace velora
