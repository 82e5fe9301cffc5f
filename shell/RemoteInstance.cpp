#include "shell/RemoteInstance.hpp"

#include "app/LogCategories.hpp"
#include "shell/ServiceProvider.hpp"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QUrl>
#include <QUuid>

namespace velora {

namespace {

// Opening a long document can take a while; the call waits for the import's answer.
constexpr int replyTimeoutMs = 120'000;

QDBusMessage call(const QString& method, const QVariantList& arguments) {
    // A connection of its own, so a caller on any thread gets its answer.
    const QString name = QStringLiteral("veloramac-forward-") + QUuid::createUuid().toString();
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
    QDBusMessage request =
        QDBusMessage::createMethodCall(ServiceProvider::serviceName, ServiceProvider::objectPath,
                                       ServiceProvider::interfaceName, method);
    request.setArguments(arguments);
    const QDBusMessage reply = bus.call(request, QDBus::Block, replyTimeoutMs);
    QDBusConnection::disconnectFromBus(name);
    return reply;
}

} // namespace

bool RemoteInstance::isRunning() {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface() &&
           bus.interface()->isServiceRegistered(ServiceProvider::serviceName).value();
}

std::optional<QString> RemoteInstance::forward(const QStringList& arguments,
                                               const QString& workingFolder) {
    QDBusMessage reply;
    if (arguments.contains(QLatin1String("--read-selection"))) {
        reply = call(QStringLiteral("captureSelection"), {});
    } else if (arguments.contains(QLatin1String("--read-clipboard"))) {
        reply = call(QStringLiteral("readClipboard"), {});
    } else if (arguments.isEmpty()) {
        reply = call(QStringLiteral("showReader"), {});
    } else {
        const QString& first = arguments.front();
        const bool url = first.contains(QLatin1String("://"));
        const QString file = url ? first : QDir(workingFolder).absoluteFilePath(first);
        reply = call(QStringLiteral("readFile"), {file});
    }
    if (reply.type() == QDBusMessage::ErrorMessage) {
        qCInfo(lcShell, "the running program answered %s: %s", qUtf8Printable(reply.errorName()),
               qUtf8Printable(reply.errorMessage()));
        return reply.errorMessage();
    }
    qCDebug(lcShell, "handed the request to the running program");
    return std::nullopt;
}

} // namespace velora
