#pragma once

#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace velora::testsupport {

// Runs this test program again inside a session bus of its own, unless it already runs in one:
// the program under test takes well-known bus names, as do the desktop's stand-ins. Returns only
// inside that bus, or with 127 when dbus-run-session could not be started. The bus starts no
// service of the machine on demand.
inline int runInPrivateSessionBus(int argc, char** argv) {
    constexpr const char* marker = "VELORA_TEST_PRIVATE_BUS";
    if (std::getenv(marker)) {
        return 0;
    }
    setenv(marker, "1", 1);
    std::vector<char*> command{const_cast<char*>("dbus-run-session"),
                               const_cast<char*>("--config-file=" VELORA_TEST_BUS_CONFIG),
                               const_cast<char*>("--")};
    command.insert(command.end(), argv, argv + argc);
    command.push_back(nullptr);
    execvp(command[0], command.data());
    return 127;
}

} // namespace velora::testsupport
