#pragma once

#include <QCoreApplication>

namespace velora::testsupport {

// The application object that queued calls and signal spies need, made once per test program.
inline void ensureCoreApplication() {
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "velora_test";
        static char* argv[] = {name, nullptr};
        new QCoreApplication(argc, argv);
    }
}

} // namespace velora::testsupport
