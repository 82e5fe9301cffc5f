#include "realdesktops/ProgramSessionTest.hpp"

#include "shell/MediaPlayerService.hpp"
#include "shell/ServiceProvider.hpp"

#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QFile>
#include <QTest>

namespace velora::testsupport {

namespace {

QProcessEnvironment onWayland() {
    QProcessEnvironment wayland;
    wayland.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    return wayland;
}

QVariant propertyOf(const QDBusConnection& bus, const QString& service, const QString& path,
                    const QString& interface, const QString& name) {
    QDBusMessage get = QDBusMessage::createMethodCall(
        service, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << interface << name;
    const QDBusReply<QDBusVariant> reply = bus.call(get);
    return reply.isValid() ? reply.value().variant() : QVariant();
}

} // namespace

void ProgramSessionTest::holdSelection(const QString& words) {
    QProcess& holder = session.start(QCoreApplication::applicationFilePath(),
                                     {QStringLiteral("--hold-selection"), words}, onWayland());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return session.outputOf(holder).contains(QLatin1String("holding")); },
                        startPatienceMs))
        << session.output();
}

void ProgramSessionTest::startProgram(const QString& path, const QStringList& arguments) {
    program =
        &session.start(path, arguments + QStringList{QStringLiteral("--verbose")}, onWayland());
    ASSERT_TRUE(session.waitForName(ServiceProvider::serviceName)) << session.output();
}

QVariant ProgramSessionTest::property(const QString& name) const {
    return propertyOf(session.bus, ServiceProvider::serviceName, ServiceProvider::objectPath,
                      ServiceProvider::interfaceName, name);
}

bool ProgramSessionTest::propertyBecomes(const QString& name, const QVariant& value) const {
    return QTest::qWaitFor([&] { return property(name) == value; }, eventPatienceMs);
}

bool ProgramSessionTest::logged(QLatin1String line) const {
    return QTest::qWaitFor([&] { return session.outputOf(*program).contains(line); },
                           eventPatienceMs);
}

bool ProgramSessionTest::readIntoLibrary(const QString& words) {
    // The desktop's media controls show the reading once it is under way.
    const bool reading = QTest::qWaitFor(
        [&] {
            return propertyOf(session.bus, MediaPlayerService::serviceName,
                              MediaPlayerService::objectPath, MediaPlayerService::playerInterface,
                              QStringLiteral("PlaybackStatus")) == QStringLiteral("Playing");
        },
        eventPatienceMs);
    program->terminate();
    if (!reading || !program->waitForFinished(eventPatienceMs)) {
        return false;
    }
    QFile library(session.path(QStringLiteral("XDG_DATA_HOME/VeloraMac/library.json")));
    library.open(QIODevice::ReadOnly);
    const QString entries = QString::fromUtf8(library.readAll());
    EXPECT_TRUE(entries.contains(words)) << entries.toStdString();
    return entries.contains(words);
}

} // namespace velora::testsupport
