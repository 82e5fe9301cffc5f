#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velora::ChildProcess {

enum class Output { discard, capture };

struct Options {
    Output output = Output::discard;
    std::chrono::milliseconds timeout{std::chrono::minutes(2)};
    std::size_t maxOutput = std::size_t{256} << 20;
    // An open file the program gets as its descriptor 3 ("/dev/fd/3"); none when negative.
    int passedFile = -1;
};

// Runs `program` with `arguments`, standard input and error on the null device, and waits for
// it. Its standard output (empty when discarded) when it exited with status 0; absent when it
// could not start, failed, was killed, or ran past the timeout or the output limit (it is then
// killed).
std::optional<std::string> run(const std::filesystem::path& program,
                               const std::vector<std::string>& arguments, const Options& options);

} // namespace velora::ChildProcess
