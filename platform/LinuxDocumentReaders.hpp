#pragma once

#include "app/platform/DocumentReaders.hpp"
#include "platform/EPUBExtractor.hpp"

namespace velora {

// The document readers of this system: poppler for PDF, unzip for EPUB, libzip and libxml2 for
// Word and OpenDocument, an RTF reader of our own, libxml2 for HTML, libplist for web archives,
// antiword (when installed) for old Word files.
class LinuxDocumentReaders final : public DocumentReaders {
public:
    struct Tools {
        std::filesystem::path unzip = "/usr/bin/unzip";
        // Empty: look antiword up on the PATH.
        std::filesystem::path antiword;
    };

    LinuxDocumentReaders();
    explicit LinuxDocumentReaders(const Tools& tools);

    std::optional<std::string> pdfText(const std::filesystem::path& file) const override;
    std::optional<std::string> epubText(const std::filesystem::path& file) const override;
    std::optional<std::string> attributedText(const std::filesystem::path& file,
                                              std::string_view extension) const override;

private:
    EPUBExtractor epub_;
    std::filesystem::path antiword_;
};

} // namespace velora
