// The tray program's start as a user meets it: on a private X server with a tray host and a
// session bus of its own, from the exec to the moment its name is on the bus, then its resident
// memory after it has sat idle in the tray, and its peak; beside the wall clock, the processor
// time of the program's main thread by then. Times are medians of the starts, memory means.

#include "shell/ServiceProvider.hpp"
#include "support/PrivateSessionBus.hpp"
#include "x11/XvfbServer.hpp"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

using namespace velora;

constexpr int idleMilliseconds = 3000;
constexpr int startLimitMilliseconds = 20000;

// A field of /proc/PID/status in megabytes, or a negative number when it cannot be read.
double statusMegabytes(qint64 pid, const QByteArray& field) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':')) {
            return line.mid(field.size() + 1).trimmed().split(' ').front().toDouble() / 1024;
        }
    }
    return -1;
}

// The processor time the program's main thread has used so far, or a negative number when it
// cannot be read: a measure of the start that a busy machine stretches less than the wall clock.
double mainThreadSeconds(qint64 pid) {
    QFile schedule(QStringLiteral("/proc/%1/schedstat").arg(pid));
    if (!schedule.open(QIODevice::ReadOnly)) {
        return -1;
    }
    return schedule.readAll().split(' ').front().toDouble() / 1e9;
}

// On a shared machine one start in a few waits for the processor far longer than the rest.
double median(std::vector<double> values) {
    if (values.empty()) {
        return -1;
    }
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// A first start: a home of its own, so no settings or library are read.
QProcessEnvironment freshHome(const QTemporaryDir& home) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return environment;
}

void BM_StartToBusName(benchmark::State& state) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    std::vector<double> toName;
    std::vector<double> processor;
    double idle = 0;
    double peak = 0;
    for (auto _ : state) {
        QTemporaryDir home;
        QProcess program;
        program.setProcessEnvironment(freshHome(home));
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QDBusServiceWatcher watcher(ServiceProvider::serviceName, bus,
                                    QDBusServiceWatcher::WatchForRegistration);
        bool named = false;
        QObject::connect(&watcher, &QDBusServiceWatcher::serviceRegistered,
                         [&named] { named = true; });
        QElapsedTimer clock;
        clock.start();
        program.start(QStringLiteral(VELORAMAC), {});
        if (!QTest::qWaitFor([&named] { return named; }, startLimitMilliseconds)) {
            state.SkipWithError("the program took no bus name");
            break;
        }
        const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        processor.push_back(mainThreadSeconds(program.processId()));
        state.SetIterationTime(seconds);
        toName.push_back(seconds);
        QTest::qWait(idleMilliseconds);
        idle += statusMegabytes(program.processId(), "VmRSS");
        peak += statusMegabytes(program.processId(), "VmHWM");
        program.terminate();
        program.waitForFinished();
        if (!QTest::qWaitFor([&bus] {
                return !bus.interface()->isServiceRegistered(ServiceProvider::serviceName).value();
            })) {
            state.SkipWithError("the program kept its bus name after it ended");
            break;
        }
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["bus_name_s"] = median(toName);
    state.counters["main_cpu_s"] = median(processor);
    state.counters["idle_rss_mb"] = idle / iterations;
    state.counters["peak_rss_mb"] = peak / iterations;
}
BENCHMARK(BM_StartToBusName)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7);

} // namespace

int main(int argc, char** argv) {
    if (const int status = testsupport::runInPrivateSessionBus(argc, argv); status != 0) {
        return status;
    }
    const testsupport::XvfbServer server;
    if (server.display().isEmpty()) {
        return 1;
    }
    qputenv("DISPLAY", server.display().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    // The program docks into the tray it finds, as on a desktop.
    QProcess trayHost;
    trayHost.start(QStringLiteral("trayer"), {QStringLiteral("--edge"), QStringLiteral("top")});
    if (!QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 10000)) {
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    trayHost.kill();
    trayHost.waitForFinished();
    return 0;
}
