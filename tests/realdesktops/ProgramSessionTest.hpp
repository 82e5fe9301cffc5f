#pragma once

#include "realdesktops/SessionProcesses.hpp"

#include <QLatin1String>
#include <gtest/gtest.h>

namespace velora::testsupport {

// A desktop session with the program in it and another program that holds the selection it
// is to read; the fixtures of each desktop start the desktop itself.
class ProgramSessionTest : public ::testing::Test {
protected:
    // Starts a Wayland client of this test program that holds `words` as the primary selection.
    void holdSelection(const QString& words);
    // Starts `path` with `arguments` and waits until it offers its bus service.
    void startProgram(const QString& path, const QStringList& arguments);
    // A property of the program's bus service, invalid while it does not answer.
    QVariant property(const QString& name) const;
    bool propertyBecomes(const QString& name, const QVariant& value) const;
    // Whether the program's log has said `line`, waiting for it.
    bool logged(QLatin1String line) const;
    // Once the program reads what it captured, ends it as a logout does and tells whether the
    // words reached the library on disk.
    bool readIntoLibrary(const QString& words);

    DesktopSession session;
    QProcess* program = nullptr;
};

} // namespace velora::testsupport
