#include "platform/documents/LinuxDocumentReaders.hpp"

#include "core/RtfReader.hpp"
#include "platform/documents/CharsetDetector.hpp"
#include "platform/documents/DocxReader.hpp"
#include "platform/documents/HtmlReader.hpp"
#include "platform/documents/LegacyWordReader.hpp"
#include "platform/documents/OdtReader.hpp"
#include "platform/documents/PdfReader.hpp"
#include "platform/documents/WebArchiveReader.hpp"

namespace velora {

namespace {

ImportResult present(std::optional<std::string> text, ImportFailure otherwise) {
    if (!text) {
        return otherwise;
    }
    return std::move(*text);
}

} // namespace

LinuxDocumentReaders::LinuxDocumentReaders() : LinuxDocumentReaders(Tools{}) {}

LinuxDocumentReaders::LinuxDocumentReaders(const Tools& tools)
    : epub_(tools.unzip),
      antiword_(tools.antiword.empty() ? LegacyWordReader::findTool() : tools.antiword) {}

ImportResult LinuxDocumentReaders::text(DocumentFormat format,
                                        const OpenedDocument& document) const {
    switch (format) {
    case DocumentFormat::pdf:
        return PdfReader::text(document.bytes, PageRecognizer::openForDesktop, document.monitor);
    case DocumentFormat::epub:
        return epub_.text(document.descriptor, document.bytes);
    case DocumentFormat::docx:
        return DocxReader::fileText(document.bytes);
    case DocumentFormat::odt:
        return OdtReader::fileText(document.bytes);
    case DocumentFormat::rtf:
        return present(RtfReader::text(document.bytes), ImportFailure::noText);
    case DocumentFormat::legacyWord:
        return LegacyWordReader::text(document.descriptor, antiword_);
    case DocumentFormat::html:
        return present(HtmlReader::text(document.bytes), ImportFailure::noText);
    case DocumentFormat::webArchive:
        return present(WebArchiveReader::text(document.bytes), ImportFailure::damaged);
    default:
        return ImportFailure::unsupported;
    }
}

std::string LinuxDocumentReaders::charsetOf(std::string_view bytes) const {
    return CharsetDetector::guess(bytes);
}

} // namespace velora
