#include "shell/DesktopNotifier.hpp"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QStringList>
#include <QVariantMap>
#include <iostream>

namespace velora {

namespace {

constexpr int serverDecidesTimeout = -1;

void printInstead(const QString& summary, const QString& body) {
    std::cerr << "VeloraMac: " << summary.toStdString() << ". " << body.toStdString() << '\n';
}

} // namespace

void DesktopNotifier::notify(const QString& summary, const QString& body) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        printInstead(summary, body);
        return;
    }
    QDBusMessage message = QDBusMessage::createMethodCall(serviceName, objectPath, serviceName,
                                                          QStringLiteral("Notify"));
    message.setArguments({QStringLiteral("VeloraMac"), 0u,
                          QStringLiteral("org.veloramac.VeloraMac"), summary, body, QStringList(),
                          QVariantMap(), serverDecidesTimeout});
    auto* watcher =
        new QDBusPendingCallWatcher(bus.asyncCall(message), QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [summary, body](QDBusPendingCallWatcher* call) {
                         if (call->isError()) {
                             printInstead(summary, body);
                         }
                         call->deleteLater();
                     });
}

} // namespace velora
