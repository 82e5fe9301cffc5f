#pragma once

#include <QStringList>
#include <QtGlobal>

namespace velora::testsupport {

// Collects the program's log lines while it lives, instead of printing them.
class LogCapture {
public:
    LogCapture() {
        current() = &lines;
        previous_ = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&,
                                              const QString& line) { current()->append(line); });
    }
    ~LogCapture() {
        qInstallMessageHandler(previous_);
        current() = nullptr;
    }

    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    QStringList lines;

private:
    static QStringList*& current() {
        static QStringList* lines = nullptr;
        return lines;
    }

    QtMessageHandler previous_;
};

} // namespace velora::testsupport
