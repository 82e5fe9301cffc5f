#include "platform/LinuxDocumentReaders.hpp"

#include "app/FileBytes.hpp"
#include "core/RtfReader.hpp"
#include "platform/DocxReader.hpp"
#include "platform/HtmlReader.hpp"
#include "platform/LegacyWordReader.hpp"
#include "platform/OdtReader.hpp"
#include "platform/PdfReader.hpp"
#include "platform/WebArchiveReader.hpp"

namespace velora {

namespace {

std::optional<std::string> rtfText(const std::filesystem::path& file) {
    const auto bytes = FileBytes::read(file);
    if (!bytes) {
        return std::nullopt;
    }
    return RtfReader::text(*bytes);
}

} // namespace

LinuxDocumentReaders::LinuxDocumentReaders() : LinuxDocumentReaders(Tools{}) {}

LinuxDocumentReaders::LinuxDocumentReaders(const Tools& tools)
    : epub_(tools.unzip),
      antiword_(tools.antiword.empty() ? LegacyWordReader::findTool() : tools.antiword) {}

std::optional<std::string> LinuxDocumentReaders::pdfText(const std::filesystem::path& file) const {
    return PdfReader::fileText(file);
}

std::optional<std::string> LinuxDocumentReaders::epubText(const std::filesystem::path& file) const {
    return epub_.text(file);
}

std::optional<std::string> LinuxDocumentReaders::attributedText(const std::filesystem::path& file,
                                                                std::string_view extension) const {
    if (extension == "docx") {
        return DocxReader::fileText(file);
    }
    if (extension == "odt") {
        return OdtReader::fileText(file);
    }
    if (extension == "rtf") {
        return rtfText(file);
    }
    if (extension == "rtfd") {
        // A bundle folder whose main text is TXT.rtf.
        return rtfText(file / "TXT.rtf");
    }
    if (extension == "html" || extension == "htm") {
        return HtmlReader::fileText(file);
    }
    if (extension == "webarchive") {
        return WebArchiveReader::fileText(file);
    }
    if (extension == "doc") {
        return LegacyWordReader::fileText(file, antiword_);
    }
    return std::nullopt;
}

} // namespace velora
