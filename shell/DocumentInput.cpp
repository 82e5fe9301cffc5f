#include "shell/DocumentInput.hpp"

#include "app/FileBytes.hpp"
#include "app/ImportFailureText.hpp"
#include "core/TextSanitizer.hpp"
#include "platform/documents/DocumentImport.hpp"

#include <cstdio>
#include <filesystem>
#include <ostream>

namespace velora::DocumentInput {

namespace {

// Standard input, up to the size of the largest file the reader takes.
std::optional<std::string> readStandardInput() {
    std::string content;
    char buffer[1 << 16];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
        if (content.size() + n > FileBytes::defaultLimit) {
            return std::nullopt;
        }
        content.append(buffer, n);
    }
    if (std::ferror(stdin)) {
        return std::nullopt;
    }
    return content;
}

} // namespace

std::optional<std::string> read(const std::string& path, std::ostream& err) {
    ImportResult input = ImportFailure::tooLarge;
    if (path != "-") {
        input = DocumentImport::readFile(path);
    } else if (auto text = readStandardInput()) {
        input = std::move(*text);
    }
    if (!input.ok()) {
        err << couldNotRead()
                   .arg(QString::fromStdString(std::filesystem::path(path).filename().string()),
                        displayReason(input.failure()))
                   .toStdString()
            << '\n';
        return std::nullopt;
    }
    return std::move(input.text());
}

std::optional<std::string> readCleaned(const std::string& path, std::ostream& err) {
    std::optional<std::string> text = read(path, err);
    if (!text) {
        return std::nullopt;
    }
    return TextSanitizer::clean(*text);
}

} // namespace velora::DocumentInput
