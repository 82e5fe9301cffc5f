#pragma once

#include "app/platform/DocumentReaders.hpp"
#include "platform/documents/EPUBExtractor.hpp"

#include <filesystem>

namespace velora {

// The document readers of this system: poppler for PDF, unzip for EPUB, libzip and libxml2 for
// Word and OpenDocument, an RTF reader of our own, libxml2 for HTML, libplist for web archives,
// antiword (when installed) for old Word files, uchardet for the charset of plain text.
class LinuxDocumentReaders final : public DocumentReaders {
public:
    struct Tools {
        std::filesystem::path unzip = "/usr/bin/unzip";
        // Empty: look antiword up on the PATH.
        std::filesystem::path antiword;
    };

    LinuxDocumentReaders();
    explicit LinuxDocumentReaders(const Tools& tools);

    ImportResult text(DocumentFormat format, const OpenedDocument& document) const override;
    std::string charsetOf(std::string_view bytes) const override;

private:
    EPUBExtractor epub_;
    std::filesystem::path antiword_;
};

} // namespace velora
