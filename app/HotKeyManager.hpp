#pragma once

#include "app/platform/GlobalHotKeyService.hpp"

#include <QKeyCombination>
#include <QObject>
#include <QString>
#include <optional>

namespace velora {

class Scheduler;

// Holds the one global shortcut registered for the process. Main thread only.
class HotKeyManager final : public QObject {
    Q_OBJECT

public:
    HotKeyManager(GlobalHotKeyService& service, Scheduler& scheduler, QObject* parent = nullptr);
    ~HotKeyManager() override;

    // Releases the combination registered before, then asks for this one. A refusal is logged
    // and leaves no shortcut registered. True when the desktop granted it at once.
    bool registerKeys(QKeyCombination keys);
    // False also while the desktop has not answered yet.
    bool isRegistered() const { return hotKeyRef_.has_value() && !awaitingAnswer_; }
    bool isAwaitingAnswer() const { return hotKeyRef_.has_value() && awaitingAnswer_; }
    // The chord as the desktop named it when it answered, which the user may have chosen there.
    const std::optional<QString>& boundChord() const { return boundChord_; }
    // Why the last registration was refused, in the route's own terms; none once one is held.
    const std::optional<QString>& refusal() const { return refusal_; }

signals:
    // On a later turn of the main event loop than the key press, never inside the platform's
    // event dispatch.
    void triggered();
    // The desktop answered later than registerKeys() returned, or changed its mind.
    void registrationChanged();

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
};

} // namespace velora
