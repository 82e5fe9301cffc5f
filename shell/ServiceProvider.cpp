#include "shell/ServiceProvider.hpp"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QUrl>
#include <QVariantMap>

namespace velora {

bool ServiceProvider::registerOn(QDBusConnection& bus) {
    return name_.take(bus, serviceName, objectPath, this,
                      QDBusConnection::ExportScriptableSlots |
                          QDBusConnection::ExportScriptableProperties);
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
    name_.announce(interfaceName, changed);
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

void ServiceProvider::move(ShellReader::Move move) {
    if (onMove) {
        onMove(move);
    }
}

void ServiceProvider::previousSentence() {
    move(ShellReader::Move::previousSentence);
}

void ServiceProvider::nextSentence() {
    move(ShellReader::Move::nextSentence);
}

void ServiceProvider::previousParagraph() {
    move(ShellReader::Move::previousParagraph);
}

void ServiceProvider::nextParagraph() {
    move(ShellReader::Move::nextParagraph);
}

} // namespace velora
