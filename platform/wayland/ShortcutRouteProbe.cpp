#include "platform/wayland/ShortcutRouteProbe.hpp"

#include "platform/wayland/KGlobalAccelHotKeyService.hpp"
#include "platform/wayland/PortalGlobalHotKeyService.hpp"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QMetaObject>

namespace velora {

namespace {

QDBusMessage busDaemonCall(const QString& method) {
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                          QStringLiteral("/org/freedesktop/DBus"),
                                          QStringLiteral("org.freedesktop.DBus"), method);
}

bool firstArgument(const QDBusMessage& reply, const std::function<bool(const QVariant&)>& holds) {
    return !reply.arguments().isEmpty() && holds(reply.arguments().constFirst());
}

} // namespace

ShortcutRouteProbe::ShortcutRouteProbe(const QDBusConnection& bus, Questions questions,
                                       std::function<void(const Offers&)> answered, QObject* parent)
    : QObject(parent), answered_(std::move(answered)) {
    // One extra count keeps an answer that comes at once from settling before every call is out.
    outstanding_ = 1;
    if (questions.portal && bus.isConnected()) {
        QDBusMessage version = QDBusMessage::createMethodCall(
            PortalGlobalHotKeyService::serviceName, PortalGlobalHotKeyService::objectPath,
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        version.setArguments(
            {QString(PortalGlobalHotKeyService::interfaceName), QStringLiteral("version")});
        await(bus.asyncCall(version, portalTimeoutMs),
              [this](const QDBusMessage&) { offers_.portal = true; });
    }
    if (questions.kglobalaccel && bus.isConnected()) {
        // KDE's service is started on demand, so an activatable name counts as much as a running
        // one.
        const QString name = KGlobalAccelHotKeyService::serviceName;
        QDBusMessage running = busDaemonCall(QStringLiteral("NameHasOwner"));
        running.setArguments({name});
        await(bus.asyncCall(running), [this](const QDBusMessage& reply) {
            offers_.kglobalaccel |=
                firstArgument(reply, [](const QVariant& owned) { return owned.toBool(); });
        });
        await(bus.asyncCall(busDaemonCall(QStringLiteral("ListActivatableNames"))),
              [this, name](const QDBusMessage& reply) {
                  offers_.kglobalaccel |= firstArgument(reply, [&name](const QVariant& names) {
                      return names.toStringList().contains(name);
                  });
              });
    }
    QMetaObject::invokeMethod(this, &ShortcutRouteProbe::settleOne, Qt::QueuedConnection);
}

void ShortcutRouteProbe::await(const QDBusPendingCall& call,
                               std::function<void(const QDBusMessage&)> offered) {
    ++outstanding_;
    auto* watcher = new QDBusPendingCallWatcher(call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, offered = std::move(offered)](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusMessage reply = finished->reply();
                if (reply.type() == QDBusMessage::ReplyMessage) {
                    offered(reply);
                }
                settleOne();
            });
}

void ShortcutRouteProbe::settleOne() {
    if (--outstanding_ == 0 && answered_) {
        std::exchange(answered_, {})(offers_);
    }
}

} // namespace velora
