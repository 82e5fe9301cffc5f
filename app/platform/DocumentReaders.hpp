#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velora {

// The platform's readers of document formats. Each answers absent on any error and when the
// document holds no text; each may run on any thread and blocks it while it reads.
class DocumentReaders {
public:
    virtual ~DocumentReaders() = default;

    virtual std::optional<std::string> pdfText(const std::filesystem::path& file) const = 0;
    virtual std::optional<std::string> epubText(const std::filesystem::path& file) const = 0;
    // Word, OpenDocument, RTF, RTFD, HTML and web archives; `extension` is lower-case.
    virtual std::optional<std::string> attributedText(const std::filesystem::path& file,
                                                      std::string_view extension) const = 0;
};

} // namespace velora
