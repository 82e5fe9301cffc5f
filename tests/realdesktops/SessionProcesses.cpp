#include "realdesktops/SessionProcesses.hpp"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QTest>

namespace velora::testsupport {

DesktopSession::DesktopSession() {
    environment = QProcessEnvironment::systemEnvironment();
    for (const char* folder :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR", "HOME"}) {
        const QString place = path(QString::fromLatin1(folder));
        QDir().mkpath(place);
        QFile::setPermissions(place, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ExeOwner);
        environment.insert(QString::fromLatin1(folder), place);
    }
    environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
}

DesktopSession::~DesktopSession() {
    for (const QString& name : busNames_) {
        QDBusConnection::disconnectFromBus(name);
    }
    // The last started first: programs before their compositor, the buses last.
    for (auto process = processes_.rbegin(); process != processes_.rend(); ++process) {
        process->terminate();
        if (!process->waitForFinished(10000)) {
            process->kill();
            process->waitForFinished();
        }
    }
}

bool DesktopSession::startBus(const QString& type, const QStringList& services) {
    const QString serviceFolder = path(type + QStringLiteral("-services"));
    QDir().mkpath(serviceFolder);
    for (const QString& service : services) {
        QFile::copy(service, serviceFolder + QLatin1Char('/') + QFileInfo(service).fileName());
    }
    const QString socket = path(type + QStringLiteral("-bus"));
    QFile config(path(type + QStringLiteral("-bus.conf")));
    if (!config.open(QIODevice::WriteOnly)) {
        return false;
    }
    config.write(
        QStringLiteral(
            R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>%1</type>
  <listen>unix:path=%2</listen>
  <auth>EXTERNAL</auth>
  <servicedir>%3</servicedir>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow receive_sender="*"/>
    <allow eavesdrop="true"/>
  </policy>
</busconfig>
)")
            .arg(type, socket, serviceFolder)
            .toUtf8());
    config.close();
    start(QStringLiteral("dbus-daemon"),
          {QStringLiteral("--nofork"), QStringLiteral("--config-file=") + config.fileName()});
    const QString address = QStringLiteral("unix:path=") + socket;
    environment.insert(type == QLatin1String("system") ? QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS")
                                                       : QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                       address);
    if (!QTest::qWaitFor([&] { return QFile::exists(socket); }, startPatienceMs)) {
        return false;
    }
    if (type == QLatin1String("session")) {
        busNames_.append(QStringLiteral("desktop-session"));
        bus = QDBusConnection::connectToBus(address, busNames_.back());
        return bus.isConnected();
    }
    return true;
}

QProcess& DesktopSession::start(const QString& program, const QStringList& arguments,
                                const QProcessEnvironment& extra) {
    QProcess& process = processes_.emplace_back();
    QProcessEnvironment env = environment;
    env.insert(extra);
    process.setProcessEnvironment(env);
    // Into a file: a pipe nobody reads would stall a talkative desktop.
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardOutputFile(path(QStringLiteral("log-%1").arg(processes_.size())));
    process.start(program, arguments);
    process.waitForStarted();
    return process;
}

bool DesktopSession::waitForRuntimeFile(const QString& name) const {
    const QString file =
        environment.value(QStringLiteral("XDG_RUNTIME_DIR")) + QLatin1Char('/') + name;
    return QTest::qWaitFor([&] { return QFile::exists(file); }, startPatienceMs);
}

bool DesktopSession::waitForName(const QString& name) const {
    return QTest::qWaitFor([&] { return bus.interface()->isServiceRegistered(name).value(); },
                           startPatienceMs);
}

std::string DesktopSession::output() const {
    std::string all;
    int index = 0;
    for (const QProcess& process : processes_) {
        QFile log(path(QStringLiteral("log-%1").arg(++index)));
        log.open(QIODevice::ReadOnly);
        all += "--- " + process.program().toStdString() + "\n" + log.readAll().toStdString();
    }
    return all;
}

QString DesktopSession::outputOf(const QProcess& process) const {
    int index = 0;
    for (const QProcess& each : processes_) {
        ++index;
        if (&each == &process) {
            QFile log(path(QStringLiteral("log-%1").arg(index)));
            log.open(QIODevice::ReadOnly);
            return QString::fromUtf8(log.readAll());
        }
    }
    return {};
}

} // namespace velora::testsupport
