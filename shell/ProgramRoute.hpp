#pragma once

#include <string>
#include <vector>

namespace velora {

// Which program answers the arguments given to `veloramac`. Decided without Qt, so that the text
// of a PDF, the one request `veloramac` answers itself, loads no more than reading it needs.
enum class ProgramRoute {
    // No option, files, or a request to capture or read: the program with the display.
    trayProgram,
    // `--extract FILE`, tried here first.
    documentText,
    // Every other option, and any option with --verbose, whose logging needs Qt.
    optionsProgram,
};

// `arguments` are those after the program's name.
ProgramRoute routeOf(const std::vector<std::string>& arguments);

} // namespace velora
