#include "shell/CommandLine.hpp"
#include "shell/DesktopProgram.hpp"
#include "shell/ReaderViewModelShell.hpp"

int main(int argc, char** argv) {
    velora::CommandLine::takeVerbose(argc, argv);
    return velora::DesktopProgram::run(argc, argv, &velora::ReaderViewModelShell::create);
}
