#include "ProgramRun.hpp"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace velora::ProgramRun {

std::string readAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void writeAll(const std::filesystem::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

Outcome runProgram(const std::string& program, const std::string& arguments,
                   const std::filesystem::path& folder, const std::string& input) {
    writeAll(folder / "stdin", input);
    const std::string command = "XDG_CONFIG_HOME='" + folder.string() + "' '" + program + "' " +
                                arguments + " <'" + (folder / "stdin").string() + "' >'" +
                                (folder / "stdout").string() + "' 2>'" +
                                (folder / "stderr").string() + "'";
    const int raw = std::system(command.c_str());
    Outcome result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = readAll(folder / "stdout");
    result.err = readAll(folder / "stderr");
    return result;
}

} // namespace velora::ProgramRun
