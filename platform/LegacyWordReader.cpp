#include "platform/LegacyWordReader.hpp"

#include "core/WhiteSpace.hpp"
#include "platform/ChildProcess.hpp"

#include <QStandardPaths>

namespace velora::LegacyWordReader {

namespace {

// Absolute, so that a file name starting with "-" is never taken for an option.
std::string absolutePath(const std::filesystem::path& file) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(file, error);
    return (error ? file : absolute).string();
}

} // namespace

std::filesystem::path findTool() {
    return QStandardPaths::findExecutable("antiword").toStdString();
}

std::optional<std::string> fileText(const std::filesystem::path& file,
                                    const std::filesystem::path& antiword) {
    if (antiword.empty()) {
        return std::nullopt;
    }
    ChildProcess::Options options;
    options.output = ChildProcess::Output::capture;
    options.timeout = std::chrono::seconds(60);
    // "-w 0" keeps each paragraph on one line instead of wrapping it for a terminal.
    auto text =
        ChildProcess::run(antiword, {"-m", "UTF-8.txt", "-w", "0", absolutePath(file)}, options);
    if (!text || WhiteSpace::isBlank(*text)) {
        return std::nullopt;
    }
    return text;
}

} // namespace velora::LegacyWordReader
