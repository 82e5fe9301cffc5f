#include "shell/ServiceProvider.hpp"

#include "app/LogCategories.hpp"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QDir>
#include <QUrl>
#include <QVariantMap>

namespace velora {

bool ServiceProvider::registerOn(QDBusConnection& bus) {
    if (!bus.isConnected() ||
        !bus.registerObject(objectPath, this,
                            QDBusConnection::ExportScriptableSlots |
                                QDBusConnection::ExportScriptableProperties)) {
        qCInfo(lcShell, "the object %s could not be offered on the session bus", objectPath.data());
        return false;
    }
    if (!bus.registerService(serviceName)) {
        qCInfo(lcShell, "the name %s was not taken: %s", serviceName.data(),
               qUtf8Printable(bus.lastError().message()));
        bus.unregisterObject(objectPath);
        return false;
    }
    bus_ = bus;
    return true;
}

ServiceProvider::~ServiceProvider() {
    if (bus_) {
        bus_->unregisterService(serviceName);
        bus_->unregisterObject(objectPath);
    }
}

std::optional<std::filesystem::path> ServiceProvider::localFile(const QString& pathOrUrl) {
    QString path = pathOrUrl;
    if (pathOrUrl.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(pathOrUrl);
        if (!url.isValid() || !url.isLocalFile()) {
            return std::nullopt;
        }
        path = url.toLocalFile();
    }
    // A relative path has no meaning here: the sender's working folder is not ours.
    if (path.isEmpty() || !QDir::isAbsolutePath(path)) {
        return std::nullopt;
    }
    return std::filesystem::path(path.toStdString());
}

void ServiceProvider::showShortcut(const QString& display, bool registered) {
    QVariantMap changed;
    if (display != shortcut_) {
        shortcut_ = display;
        changed.insert(QStringLiteral("shortcut"), display);
    }
    if (registered != shortcutRegistered_) {
        shortcutRegistered_ = registered;
        changed.insert(QStringLiteral("shortcutRegistered"), registered);
    }
    if (changed.isEmpty() || !bus_) {
        return;
    }
    QDBusMessage signal =
        QDBusMessage::createSignal(objectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"));
    signal << QString(interfaceName) << changed << QStringList();
    bus_->send(signal);
}

void ServiceProvider::fail(const QString& message) {
    if (calledFromDBus()) {
        sendErrorReply(errorName, message);
    }
}

void ServiceProvider::readSelection(const QString& text) {
    if (text.trimmed().isEmpty()) {
        fail(noTextMessage);
        return;
    }
    if (onText) {
        onText(text, delayedAnswer());
    }
}

ServiceProvider::Done ServiceProvider::delayedAnswer() {
    if (!calledFromDBus()) {
        return [](std::optional<QString>) {};
    }
    setDelayedReply(true);
    return [bus = connection(), request = message()](std::optional<QString> failure) {
        bus.send(failure ? request.createErrorReply(QString(errorName), *failure)
                         : request.createReply());
    };
}

void ServiceProvider::readFile(const QString& pathOrUrl) {
    const std::optional<std::filesystem::path> file = localFile(pathOrUrl);
    if (!file) {
        fail(noFileMessage);
        return;
    }
    if (!onFile) {
        return;
    }
    onFile(*file, delayedAnswer());
}

void ServiceProvider::captureSelection() {
    if (onCapture) {
        onCapture();
    }
}

void ServiceProvider::readClipboard() {
    if (onClipboard) {
        onClipboard();
    }
}

void ServiceProvider::showReader() {
    if (onShow) {
        onShow();
    }
}

} // namespace velora
