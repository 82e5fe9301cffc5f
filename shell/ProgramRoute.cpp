#include "shell/ProgramRoute.hpp"

#include "platform/desktop/ProgramCommand.hpp"
#include "shell/CommandLine.hpp"

#include <algorithm>

namespace velora {

namespace {

bool isForTrayProgram(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return true;
    }
    const std::string& first = arguments.front();
    return first == "--read-selection" || first == "--read-clipboard" ||
           first == ProgramCommand::startedAtLoginOption || !first.starts_with('-');
}

} // namespace

ProgramRoute routeOf(const std::vector<std::string>& arguments) {
    std::vector<std::string> quiet;
    std::copy_if(
        arguments.begin(), arguments.end(), std::back_inserter(quiet),
        [](const std::string& argument) { return argument != CommandLine::verboseOption; });
    if (isForTrayProgram(quiet)) {
        return ProgramRoute::trayProgram;
    }
    // Standard input is read once, so the options program reads it.
    const bool documentText = quiet.size() == arguments.size() && arguments.size() == 2 &&
                              arguments[0] == CommandLine::extractOption && arguments[1] != "-";
    return documentText ? ProgramRoute::documentText : ProgramRoute::optionsProgram;
}

} // namespace velora
