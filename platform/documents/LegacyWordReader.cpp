#include "platform/documents/LegacyWordReader.hpp"

#include "core/WhiteSpace.hpp"
#include "platform/documents/ChildProcess.hpp"

#include <QStandardPaths>

namespace velora::LegacyWordReader {

std::filesystem::path findTool() {
    return QStandardPaths::findExecutable("antiword").toStdString();
}

ImportResult text(int descriptor, const std::filesystem::path& antiword) {
    if (antiword.empty()) {
        return ImportFailure::toolMissing;
    }
    ChildProcess::Options options;
    options.output = ChildProcess::Output::capture;
    options.timeout = std::chrono::seconds(60);
    options.passedFile = descriptor;
    // "-w 0" keeps each paragraph on one line instead of wrapping it for a terminal.
    auto text = ChildProcess::run(antiword, {"-m", "UTF-8.txt", "-w", "0", "/dev/fd/3"}, options);
    if (!text) {
        return std::filesystem::exists(antiword) ? ImportFailure::damaged
                                                 : ImportFailure::toolMissing;
    }
    if (WhiteSpace::isBlank(*text)) {
        return ImportFailure::noText;
    }
    return std::move(*text);
}

} // namespace velora::LegacyWordReader
