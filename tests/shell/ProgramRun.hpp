#pragma once

#include <filesystem>
#include <string>

namespace velora::ProgramRun {

struct Outcome {
    std::string out;
    std::string err;
    int status = -1;
};

std::string readAll(const std::filesystem::path& path);
void writeAll(const std::filesystem::path& path, const std::string& content);

// Runs `program` with `arguments` as a shell reads them and `input` on standard input; `folder`
// holds the streams and is the configuration home, so stored settings of the machine stay out.
Outcome runProgram(const std::string& program, const std::string& arguments,
                   const std::filesystem::path& folder, const std::string& input = {});

} // namespace velora::ProgramRun
