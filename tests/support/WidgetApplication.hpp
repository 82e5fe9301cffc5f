#pragma once

#include <QApplication>

namespace velora::testsupport {

// The one widget application of a test program, made on first use; widget tests call this in
// their set-up. It is never destroyed: at exit Qt's input-device registry is gone before a static
// application would be, and deleting the keyboard of a shown window then crashes.
inline QApplication& widgetApplication() {
    if (auto* running = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return *running;
    }
    static int argc = 1;
    static char name[] = "test_ui";
    static char* argv[] = {name, nullptr};
    return *new QApplication(argc, argv);
}

} // namespace velora::testsupport
