#include "shell/CommandLine.hpp"
#include "shell/DesktopProgram.hpp"
#include "shell/ReaderViewModelShell.hpp"
#include "shell/Translations.hpp"

#include <QCoreApplication>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    velora::CommandLine::takeVerbose(argc, argv);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // Only the tray program needs a display; the options below must work without one.
    if (velora::DesktopProgram::wants(arguments)) {
        return velora::DesktopProgram::run(argc, argv, &velora::ReaderViewModelShell::create);
    }
    // No display needed: the application object only carries the translations.
    const QCoreApplication application(argc, argv);
    velora::installTranslations();
    std::ios::sync_with_stdio(false);
    return velora::CommandLine().run(arguments, std::cout, std::cerr);
}
