#include "platform/DocxReader.hpp"

#include "platform/PlainTextBuilder.hpp"
#include "platform/XmlDocument.hpp"
#include "platform/ZipArchive.hpp"

#include <array>

namespace velora::DocxReader {

namespace {

// A document part beyond this is not a real document.
constexpr std::uint64_t maxPartSize = std::uint64_t{256} << 20;

// Properties (whose w:tab elements are tab stops, not tabs), deleted text, field codes, and the
// fallback copy of content that also comes in a newer form.
constexpr std::array skippedElements{"pPr",
                                     "rPr",
                                     "tblPr",
                                     "sectPr",
                                     "del",
                                     "delText",
                                     "instrText",
                                     "Fallback",
                                     "footnoteReference",
                                     "commentReference"};

} // namespace

std::optional<std::string> documentText(std::string_view documentXml) {
    const XmlDocument document = XmlDocument::parseXml(documentXml);
    xmlNode* root = document.root();
    if (root == nullptr) {
        return std::nullopt;
    }
    PlainTextBuilder builder;
    XmlDocument::walk(
        root,
        [&](xmlNode* node) {
            if (node->type != XML_ELEMENT_NODE ||
                XmlDocument::isAnyElement(node, skippedElements)) {
                return false;
            }
            if (XmlDocument::isElement(node, "t")) {
                for (xmlNode* child = node->children; child != nullptr; child = child->next) {
                    if (child->type == XML_TEXT_NODE && child->content != nullptr) {
                        builder.verbatim(reinterpret_cast<const char*>(child->content));
                    }
                }
                return false;
            }
            if (XmlDocument::isElement(node, "tab")) {
                builder.verbatim("\t");
            } else if (XmlDocument::isElement(node, "br") || XmlDocument::isElement(node, "cr")) {
                builder.lineBreak();
            } else if (XmlDocument::isElement(node, "noBreakHyphen")) {
                builder.verbatim("\u2011");
            }
            return true;
        },
        [&](xmlNode* node) {
            if (XmlDocument::isElement(node, "p")) {
                builder.lineBreak();
            }
        });
    return builder.take();
}

std::optional<std::string> fileText(const std::filesystem::path& file) {
    const auto part = ZipArchive::readEntry(file, "word/document.xml", maxPartSize);
    if (!part) {
        return std::nullopt;
    }
    return documentText(*part);
}

} // namespace velora::DocxReader
