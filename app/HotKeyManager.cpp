#include "app/HotKeyManager.hpp"

#include "app/LogCategories.hpp"
#include "app/platform/Scheduler.hpp"

#include <QPointer>

namespace velora {

HotKeyManager::HotKeyManager(GlobalHotKeyService& service, Scheduler& scheduler, QObject* parent)
    : QObject(parent), service_(service), scheduler_(scheduler) {}

HotKeyManager::~HotKeyManager() {
    if (hotKeyRef_) {
        service_.unregisterHotKey(*hotKeyRef_);
    }
}

bool HotKeyManager::registerKeys(QKeyCombination keys) {
    if (hotKeyRef_) {
        service_.unregisterHotKey(*hotKeyRef_);
        hotKeyRef_.reset();
    }
    boundChord_.reset();
    refusal_.reset();
    installHandlerIfNeeded();
    const auto registration = service_.registerHotKey(keys);
    awaitingAnswer_ = registration.status == GlobalHotKeyService::awaitingAnswer;
    hotKeyRef_ = registration.status == 0 || awaitingAnswer_ ? registration.handle : std::nullopt;
    if (registration.status != 0 && !awaitingAnswer_) {
        refused(registration.status);
    }
    return isRegistered();
}

void HotKeyManager::refused(GlobalHotKeyService::Status status) {
    refusal_ = service_.refusalReason(status);
    qCWarning(lcHotKey, "VeloraMac: shortcut not registered: %s", qUtf8Printable(*refusal_));
}

void HotKeyManager::answered(const GlobalHotKeyService::Answer& answer) {
    // An answer to a registration since replaced is of no interest.
    if (hotKeyRef_ != answer.handle) {
        return;
    }
    awaitingAnswer_ = false;
    if (answer.status == 0) {
        boundChord_ = answer.chord.isEmpty() ? std::nullopt : std::optional(answer.chord);
    } else {
        refused(answer.status);
        hotKeyRef_.reset();
        boundChord_.reset();
    }
    emit registrationChanged();
}

void HotKeyManager::installHandlerIfNeeded() {
    if (handlerInstalled_) {
        return;
    }
    handlerInstalled_ = true;
    // The service may outlive the manager and call on after it is gone.
    service_.installHandler([self = QPointer(this)] {
        if (self) {
            self->scheduler_.after(Scheduler::Seconds{0}, [self] {
                if (self) {
                    emit self->triggered();
                }
            });
        }
    });
    service_.installAnswerHandler(
        [self = QPointer(this)](const GlobalHotKeyService::Answer& answer) {
            if (self) {
                self->answered(answer);
            }
        });
}

} // namespace velora
