#include "core/DocumentFormat.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace velora {

namespace {

using namespace std::string_view_literals;

constexpr std::array pdfTypes{"application/pdf"sv};
constexpr std::array pdfPatterns{"*.pdf"sv};
constexpr std::array epubTypes{"application/epub+zip"sv};
constexpr std::array epubPatterns{"*.epub"sv};
constexpr std::array docxTypes{
    "application/vnd.openxmlformats-officedocument.wordprocessingml.document"sv};
constexpr std::array docxPatterns{"*.docx"sv};
constexpr std::array odtTypes{"application/vnd.oasis.opendocument.text"sv};
constexpr std::array odtPatterns{"*.odt"sv};
constexpr std::array rtfTypes{"application/rtf"sv, "text/rtf"sv};
constexpr std::array rtfPatterns{"*.rtf"sv};
constexpr std::array wordTypes{"application/msword"sv};
constexpr std::array wordPatterns{"*.doc"sv};
constexpr std::array htmlTypes{"text/html"sv, "application/xhtml+xml"sv};
constexpr std::array htmlPatterns{"*.html"sv, "*.htm"sv, "*.xhtml"sv};
constexpr std::array archiveTypes{"application/x-webarchive"sv};
constexpr std::array archivePatterns{"*.webarchive"sv};
constexpr std::array markdownTypes{"text/markdown"sv, "text/x-markdown"sv};
constexpr std::array markdownPatterns{"*.md"sv, "*.markdown"sv};
constexpr std::array textTypes{"text/plain"sv};
constexpr std::array textPatterns{"*.txt"sv, "*.text"sv};

constexpr std::array formats{
    DocumentFormatInfo{DocumentFormat::pdf, pdfTypes, pdfPatterns},
    DocumentFormatInfo{DocumentFormat::epub, epubTypes, epubPatterns},
    DocumentFormatInfo{DocumentFormat::docx, docxTypes, docxPatterns},
    DocumentFormatInfo{DocumentFormat::legacyWord, wordTypes, wordPatterns},
    DocumentFormatInfo{DocumentFormat::odt, odtTypes, odtPatterns},
    DocumentFormatInfo{DocumentFormat::rtf, rtfTypes, rtfPatterns},
    DocumentFormatInfo{DocumentFormat::html, htmlTypes, htmlPatterns},
    DocumentFormatInfo{DocumentFormat::webArchive, archiveTypes, archivePatterns},
    DocumentFormatInfo{DocumentFormat::markdown, markdownTypes, markdownPatterns},
    DocumentFormatInfo{DocumentFormat::plainText, textTypes, textPatterns},
};

// Signatures are looked for this far into the file; PDF readers accept junk before "%PDF-".
constexpr std::size_t headLength = 1024;
// A zip archive's directory ends at most this far before the end of the file (its comment).
constexpr std::size_t zipTailLength = 22 + 0xFFFF;

std::uint32_t little(std::string_view bytes, std::size_t at, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

std::string lowered(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return result;
}

std::string_view withoutLeadingSpace(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    const auto first = bytes.find_first_not_of(" \t\r\n\f");
    return first == std::string_view::npos ? std::string_view() : bytes.substr(first);
}

// The entry names of a zip archive's central directory; empty when it cannot be found.
std::vector<std::string_view> zipEntries(std::string_view bytes) {
    std::vector<std::string_view> names;
    if (bytes.size() < 22) {
        return names;
    }
    const std::size_t from = bytes.size() > zipTailLength ? bytes.size() - zipTailLength : 0;
    const auto end = bytes.rfind("PK\x05\x06"sv);
    if (end == std::string_view::npos || end < from || end + 22 > bytes.size()) {
        return names;
    }
    const std::uint32_t count = little(bytes, end + 10, 2);
    std::size_t at = little(bytes, end + 16, 4);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (at + 46 > bytes.size() || bytes.substr(at, 4) != "PK\x01\x02"sv) {
            break;
        }
        const std::size_t nameLength = little(bytes, at + 28, 2);
        const std::size_t extra = little(bytes, at + 30, 2);
        const std::size_t comment = little(bytes, at + 32, 2);
        if (at + 46 + nameLength > bytes.size()) {
            break;
        }
        names.push_back(bytes.substr(at + 46, nameLength));
        at += 46 + nameLength + extra + comment;
    }
    return names;
}

// The "mimetype" entry that EPUB and OpenDocument store first and uncompressed.
std::string_view storedMimeType(std::string_view bytes) {
    if (bytes.size() < 30 || little(bytes, 8, 2) != 0) {
        return {};
    }
    const std::size_t nameLength = little(bytes, 26, 2);
    const std::size_t extra = little(bytes, 28, 2);
    const std::size_t size = little(bytes, 18, 4);
    if (bytes.substr(30, nameLength) != "mimetype"sv || size > 200) {
        return {};
    }
    return bytes.substr(std::min(bytes.size(), 30 + nameLength + extra), size);
}

DocumentFormat zipFormat(std::string_view bytes, std::string_view extension) {
    const std::string_view mimeType = storedMimeType(bytes);
    if (mimeType == "application/epub+zip"sv) {
        return DocumentFormat::epub;
    }
    if (mimeType == odtTypes[0]) {
        return DocumentFormat::odt;
    }
    const auto entries = zipEntries(bytes);
    const auto has = [&entries](std::string_view name) {
        return std::find(entries.begin(), entries.end(), name) != entries.end();
    };
    if (has("word/document.xml")) {
        return DocumentFormat::docx;
    }
    if (has("META-INF/container.xml")) {
        return DocumentFormat::epub;
    }
    if (has("content.xml") && mimeType.empty()) {
        return DocumentFormat::odt;
    }
    // A damaged archive is still the document its name says; its reader will say so.
    if (entries.empty()) {
        if (extension == "epub") {
            return DocumentFormat::epub;
        }
        if (extension == "docx") {
            return DocumentFormat::docx;
        }
        if (extension == "odt") {
            return DocumentFormat::odt;
        }
    }
    return DocumentFormat::unsupported;
}

bool looksLikeHtml(std::string_view start) {
    const std::string head = lowered(start.substr(0, headLength));
    for (const std::string_view opening : {"<!doctype html"sv, "<html"sv, "<head"sv, "<body"sv}) {
        if (head.starts_with(opening)) {
            return true;
        }
    }
    // XHTML behind an XML declaration or a comment.
    return (head.starts_with("<?xml") || head.starts_with("<!--")) &&
           head.find("<html") != std::string::npos;
}

bool isXmlWebArchive(std::string_view start) {
    const std::string_view head = start.substr(0, 4 * headLength);
    return start.starts_with("<?xml") && head.find("<plist") != std::string_view::npos &&
           head.find("WebMainResource") != std::string_view::npos;
}

// NUL bytes never occur in text files of a single-byte or UTF-8 encoding; UTF-16 and UTF-32
// text carries a byte-order mark, or at least some NUL-free stretch of ASCII pairs.
bool isBinary(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE"sv) || bytes.starts_with("\xFE\xFF"sv) ||
        bytes.starts_with("\x00\x00\xFE\xFF"sv)) {
        return false;
    }
    const std::string_view head = bytes.substr(0, 8 * headLength);
    std::size_t zeros = 0;
    for (const char c : head) {
        zeros += c == '\0' ? 1 : 0;
    }
    // Text in UTF-16 without a mark has a NUL in about every other byte.
    return zeros > 0 && zeros * 3 < head.size();
}

} // namespace

namespace DocumentFormats {

std::span<const DocumentFormatInfo> all() {
    return formats;
}

DocumentFormat recognise(std::string_view bytes, std::string_view extension) {
    // Readers accept junk before the PDF signature; a text merely mentioning it is no PDF.
    const std::size_t pdfAt = bytes.substr(0, headLength).find("%PDF-"sv);
    if (pdfAt == 0 || (pdfAt != std::string_view::npos && extension == "pdf")) {
        return DocumentFormat::pdf;
    }
    if (bytes.starts_with("PK\x03\x04"sv)) {
        return zipFormat(bytes, extension);
    }
    if (bytes.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"sv)) {
        return DocumentFormat::legacyWord;
    }
    if (bytes.starts_with("bplist00"sv)) {
        return DocumentFormat::webArchive;
    }
    const std::string_view start = withoutLeadingSpace(bytes);
    if (start.starts_with("{\\rtf"sv)) {
        return DocumentFormat::rtf;
    }
    if (isXmlWebArchive(start)) {
        return DocumentFormat::webArchive;
    }
    if (isBinary(bytes)) {
        return DocumentFormat::unsupported;
    }
    if (extension == "md" || extension == "markdown") {
        return DocumentFormat::markdown;
    }
    if (looksLikeHtml(start) || extension == "html" || extension == "htm" || extension == "xhtml") {
        return DocumentFormat::html;
    }
    return DocumentFormat::plainText;
}

} // namespace DocumentFormats

} // namespace velora
