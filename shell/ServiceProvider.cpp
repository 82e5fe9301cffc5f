#include "shell/ServiceProvider.hpp"

#include "app/HotKeySetting.hpp"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QUrl>
#include <QVariantMap>

namespace velora {

ServiceProvider::ServiceProvider(const HotKeySetting& shortcut, QObject* parent)
    : QObject(parent), shortcut_(shortcut.display()), shortcutRegistered_(shortcut.isRegistered()) {
    connect(&shortcut, &HotKeySetting::changed, this, [this, &shortcut] {
        QVariantMap changed;
        if (shortcut.display() != shortcut_) {
            shortcut_ = shortcut.display();
            changed.insert(QStringLiteral("shortcut"), shortcut_);
        }
        if (shortcut.isRegistered() != shortcutRegistered_) {
            shortcutRegistered_ = shortcut.isRegistered();
            changed.insert(QStringLiteral("shortcutRegistered"), shortcutRegistered_);
        }
        name_.announce(interfaceName, changed);
    });
}

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
    emit textReceived(text, delayedAnswer());
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
    emit fileReceived(*file, delayedAnswer());
}

void ServiceProvider::captureSelection() {
    emit captureRequested();
}

void ServiceProvider::readClipboard() {
    emit clipboardRequested();
}

void ServiceProvider::showReader() {
    emit showRequested();
}

void ServiceProvider::previousSentence() {
    emit moveRequested(ShellReader::Move::previousSentence);
}

void ServiceProvider::nextSentence() {
    emit moveRequested(ShellReader::Move::nextSentence);
}

void ServiceProvider::previousParagraph() {
    emit moveRequested(ShellReader::Move::previousParagraph);
}

void ServiceProvider::nextParagraph() {
    emit moveRequested(ShellReader::Move::nextParagraph);
}

} // namespace velora
