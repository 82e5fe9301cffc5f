#pragma once

#include <span>
#include <string_view>

namespace velora {

// The kinds of document the reader imports.
enum class DocumentFormat {
    pdf,
    epub,
    docx,
    odt,
    rtf,
    legacyWord,
    html,
    webArchive,
    markdown,
    plainText,
    unsupported,
};

// One supported format as the desktop knows it: its MIME types (the first is the format's own)
// and file name patterns.
struct DocumentFormatInfo {
    DocumentFormat format;
    std::span<const std::string_view> mimeTypes;
    std::span<const std::string_view> patterns;
};

namespace DocumentFormats {

// Every supported format, in the order the open dialog lists them.
std::span<const DocumentFormatInfo> all();

// The format of a document from its first bytes; the lower-cased extension only decides between
// formats the bytes leave open (Markdown or HTML or plain text, an XML web archive).
// `bytes` may be the whole file or its beginning; ZIP archives are told apart by their entries,
// which lie at the end, so they need the whole file.
DocumentFormat recognise(std::string_view bytes, std::string_view extension);

} // namespace DocumentFormats

} // namespace velora
