#include "platform/wayland/KGlobalAccelHotKeyService.hpp"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QKeySequence>

namespace velora {

namespace {

// The service's flags for setShortcut.
constexpr uint setPresent = 2;
constexpr uint noAutoloading = 4;

} // namespace

KGlobalAccelHotKeyService::KGlobalAccelHotKeyService(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {
    // Every component's presses come on its own object; the names in the signal tell ours.
    bus_.connect(serviceName, QString(), componentInterface,
                 QStringLiteral("globalShortcutPressed"), this,
                 SLOT(pressed(QString, QString, qlonglong)));
    bus_.connect(serviceName, objectPath, interfaceName, QStringLiteral("yourShortcutGotChanged"),
                 this, SLOT(rebound(QStringList, QList<int>)));
}

KGlobalAccelHotKeyService::~KGlobalAccelHotKeyService() {
    if (current_) {
        unregisterHotKey(*current_);
    }
}

bool KGlobalAccelHotKeyService::isOffered(const QDBusConnection& bus) {
    const QDBusConnectionInterface* daemon = bus.interface();
    if (!daemon) {
        return false;
    }
    return daemon->isServiceRegistered(serviceName).value() ||
           daemon->activatableServiceNames().value().contains(serviceName);
}

QStringList KGlobalAccelHotKeyService::actionId() {
    return {componentName, actionName, QStringLiteral("VeloraMac"),
            QCoreApplication::translate("GlobalShortcut", "Read Selection")};
}

void KGlobalAccelHotKeyService::installHandler(std::function<void()> pressed) {
    pressed_ = std::move(pressed);
}

void KGlobalAccelHotKeyService::installAnswerHandler(std::function<void(const Answer&)> answered) {
    answered_ = std::move(answered);
}

void KGlobalAccelHotKeyService::call(const QString& method, const QVariantList& arguments) {
    QDBusMessage message =
        QDBusMessage::createMethodCall(serviceName, objectPath, interfaceName, method);
    message.setArguments(arguments);
    bus_.asyncCall(message);
}

GlobalHotKeyService::Registration KGlobalAccelHotKeyService::registerHotKey(QKeyCombination keys) {
    if (keys.key() == Qt::Key_unknown) {
        return {unknownKeyStatus, std::nullopt};
    }
    const Handle handle = next_++;
    current_ = handle;
    granted_ = false;
    call(QStringLiteral("doRegister"), {actionId()});
    const uint flags = setPresent | (firstRegistration_ ? 0 : noAutoloading);
    firstRegistration_ = false;

    QDBusMessage message = QDBusMessage::createMethodCall(serviceName, objectPath, interfaceName,
                                                          QStringLiteral("setShortcut"));
    message.setArguments({actionId(), QVariant::fromValue(QList<int>{keys.toCombined()}), flags});
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, handle](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                if (current_ != handle) {
                    return;
                }
                const QDBusPendingReply<QList<int>> reply = *finished;
                if (reply.isError()) {
                    current_.reset();
                    if (answered_) {
                        answered_({handle, unreachableStatus, {}});
                    }
                    return;
                }
                answerWithKeys(handle, reply.value());
            });
    return {awaitingAnswer, handle};
}

void KGlobalAccelHotKeyService::answerWithKeys(Handle handle, const QList<int>& keys) {
    const bool bound = !keys.isEmpty() && keys.front() != 0;
    granted_ = bound;
    if (!bound) {
        current_.reset();
    }
    if (answered_) {
        answered_(
            {handle, bound ? 0 : takenStatus,
             bound ? QKeySequence(keys.front()).toString(QKeySequence::NativeText) : QString()});
    }
}

void KGlobalAccelHotKeyService::unregisterHotKey(Handle handle) {
    if (current_ != handle) {
        return;
    }
    // Inactive, not forgotten: a chord the user picked in the desktop's settings stays theirs.
    call(QStringLiteral("setInactive"), {actionId()});
    current_.reset();
    granted_ = false;
}

void KGlobalAccelHotKeyService::pressed(const QString& component, const QString& action,
                                        qlonglong) {
    if (component == componentName && action == actionName && granted_ && pressed_) {
        pressed_();
    }
}

void KGlobalAccelHotKeyService::rebound(const QStringList& actionId, const QList<int>& keys) {
    if (actionId.size() < 2 || actionId.at(0) != componentName || actionId.at(1) != actionName ||
        !current_) {
        return;
    }
    answerWithKeys(*current_, keys);
}

} // namespace velora
