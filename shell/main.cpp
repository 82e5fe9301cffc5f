#include "platform/desktop/ProgramCommand.hpp"
#include "shell/PackageProgram.hpp"
#include "shell/PdfText.hpp"
#include "shell/ProgramRoute.hpp"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// `veloramac` links no Qt: it runs the program that answers its arguments, and prints the text of
// a PDF itself, since loading Qt and every format's libraries would take more memory than reading.

namespace {

bool print(const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fputc('\n', stdout) != EOF && std::fflush(stdout) == 0;
}

} // namespace

int main(int argc, char** argv) {
    using namespace velora;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const ProgramRoute route = routeOf(arguments);
    if (route == ProgramRoute::documentText) {
        if (const std::optional<std::string> text = PdfText::readCleaned(arguments[1])) {
            return print(*text) ? 0 : 1;
        }
    }
    // Autostart entries and shortcuts the tray program writes name this program.
    if (const std::filesystem::path self = PackageProgram::self(); !self.empty()) {
        ::setenv(ProgramCommand::variable, self.c_str(), 1);
    }
    if (route == ProgramRoute::trayProgram) {
        PackageProgram::run("veloramac-tray", argv);
    }
    // It also says, in the user's language, why the tray program did not start.
    PackageProgram::run("veloramac-options", argv);
    std::perror("veloramac-options");
    return 1;
}
