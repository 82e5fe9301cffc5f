#include "support/PrivateSessionBus.hpp"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

// Every run gets a session bus of its own, where the stand-in desktop services take their
// well-known names, and settings in a temporary folder, written by GIO's key-file back end.

int main(int argc, char** argv) {
    if (const int failed = velora::testsupport::runInPrivateSessionBus(argc, argv)) {
        return failed;
    }
    const QTemporaryDir settings;
    if (!settings.isValid()) {
        return 1;
    }
    setenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit().constData(), 1);
    setenv("GSETTINGS_BACKEND", "keyfile", 1);
    // The program's own windows are tested in the Weston session it starts.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
