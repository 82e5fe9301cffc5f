#include "shell/CommandLine.hpp"
#include "shell/PackageProgram.hpp"
#include "shell/ProgramRoute.hpp"
#include "shell/Translations.hpp"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

// The options of `veloramac` that print and exit, with their messages in the user's language;
// `veloramac` runs this program for every request it does not answer itself. It links only what
// those options use: --as-needed leaves out the display, D-Bus and speech libraries.

namespace {

// `veloramac` found no tray program to run; one more try says why.
int runTrayProgram(char** argv) {
    velora::PackageProgram::run("veloramac-tray", argv);
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
    if (velora::routeOf(arguments) == velora::ProgramRoute::trayProgram) {
        return runTrayProgram(const_cast<char**>(asGiven.data()));
    }
    // No display needed: the application object only carries the translations.
    const QCoreApplication application(argc, argv);
    velora::installTranslations();
    std::ios::sync_with_stdio(false);
    return velora::CommandLine().run(arguments, std::cout, std::cerr);
}
