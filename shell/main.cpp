#include "shell/CommandLine.hpp"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The tray program is a program of its own, so that the options that print and exit load none
// of its display, D-Bus and speech libraries: those cost more than the options' own work.
// A build runs its own tray program, never an installed one.
int runTrayProgram(char** argv) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        ::execv((self.parent_path() / "veloramac-tray").c_str(), argv);
    }
    ::execv(VELORA_TRAY_PROGRAM, argv);
    std::cerr << QCoreApplication::translate("CommandLine", "Couldn't start the tray program: %1")
                     .arg(QString::fromLocal8Bit(std::strerror(errno)))
                     .toStdString()
              << '\n';
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    // The tray program takes --verbose out for itself.
    const std::vector<char*> asGiven(argv, argv + argc + 1);
    velora::CommandLine::takeVerbose(argc, argv);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // Only the tray program needs a display; the options below must work without one.
    if (velora::CommandLine::isForTrayProgram(arguments)) {
        return runTrayProgram(const_cast<char**>(asGiven.data()));
    }
    std::ios::sync_with_stdio(false);
    return velora::CommandLine().run(arguments, std::cout, std::cerr);
}
