#include "platform/OdtReader.hpp"

#include "platform/PlainTextBuilder.hpp"
#include "platform/XmlDocument.hpp"
#include "platform/ZipArchive.hpp"

#include <array>
#include <charconv>
#include <cstring>
#include <libxml/xmlmemory.h>

namespace velora::OdtReader {

namespace {

constexpr std::uint64_t maxPartSize = std::uint64_t{256} << 20;
// A text:s may ask for any number of spaces; more than a line's worth is never meant.
constexpr long maxSpaceRun = 1000;

constexpr std::array skippedElements{
    "tracked-changes",  "annotation",      "note",    "sequence-decls",
    "automatic-styles", "font-face-decls", "scripts", "forms"};

bool isParagraph(const xmlNode* node) {
    return XmlDocument::isElement(node, "p") || XmlDocument::isElement(node, "h");
}

long spaceCount(xmlNode* node) {
    xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>("c"));
    if (value == nullptr) {
        return 1;
    }
    long count = 1;
    const char* text = reinterpret_cast<const char*>(value);
    const auto parsed = std::from_chars(text, text + std::strlen(text), count);
    xmlFree(value);
    if (parsed.ec != std::errc()) {
        return 1;
    }
    return std::clamp(count, 0L, maxSpaceRun);
}

} // namespace

std::optional<std::string> contentText(std::string_view contentXml) {
    const XmlDocument document = XmlDocument::parseXml(contentXml);
    xmlNode* root = document.root();
    if (root == nullptr) {
        return std::nullopt;
    }
    PlainTextBuilder builder;
    int paragraphDepth = 0;
    XmlDocument::walk(
        root,
        [&](xmlNode* node) {
            if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) {
                if (paragraphDepth > 0 && node->content != nullptr) {
                    builder.flowing(reinterpret_cast<const char*>(node->content));
                }
                return false;
            }
            if (node->type != XML_ELEMENT_NODE ||
                XmlDocument::isAnyElement(node, skippedElements)) {
                return false;
            }
            if (isParagraph(node)) {
                builder.endLine();
                ++paragraphDepth;
            } else if (XmlDocument::isElement(node, "s")) {
                builder.verbatim(std::string(static_cast<std::size_t>(spaceCount(node)), ' '));
            } else if (XmlDocument::isElement(node, "tab")) {
                builder.verbatim("\t");
            } else if (XmlDocument::isElement(node, "line-break")) {
                builder.lineBreak();
            }
            return true;
        },
        [&](xmlNode* node) {
            if (isParagraph(node)) {
                --paragraphDepth;
                builder.lineBreak();
            }
        });
    return builder.take();
}

std::optional<std::string> fileText(const std::filesystem::path& file) {
    const auto part = ZipArchive::readEntry(file, "content.xml", maxPartSize);
    if (!part) {
        return std::nullopt;
    }
    return contentText(*part);
}

} // namespace velora::OdtReader
