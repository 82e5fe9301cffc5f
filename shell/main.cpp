#include "platform/desktop/ProgramCommand.hpp"
#include "shell/CommandLine.hpp"
#include "shell/Translations.hpp"

#include <QCoreApplication>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The tray program is a program of its own, so that the options that print and exit load none
// of its display, D-Bus and speech libraries: loading them costs more than the options' work.
// The one beside this program comes first, so a build runs its own; then where the package puts it.
int runTrayProgram(char** argv) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        // Autostart entries and shortcuts the tray program writes name this program.
        ::setenv(velora::ProgramCommand::variable, self.c_str(), 1);
        ::execv((self.parent_path() / "veloramac-tray").c_str(), argv);
    }
    ::execv(VELORA_TRAY_PROGRAM, argv);
    const int failure = errno;
    int argc = 1;
    const QCoreApplication application(argc, argv);
    velora::installTranslations();
    std::cerr << QCoreApplication::translate("CommandLine", "Couldn't start the tray program: %1")
                     .arg(QString::fromLocal8Bit(std::strerror(failure)))
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
    if (velora::CommandLine::isForTrayProgram(arguments)) {
        return runTrayProgram(const_cast<char**>(asGiven.data()));
    }
    // No display needed: the application object only carries the translations.
    const QCoreApplication application(argc, argv);
    velora::installTranslations();
    std::ios::sync_with_stdio(false);
    return velora::CommandLine().run(arguments, std::cout, std::cerr);
}
