#include "platform/documents/HtmlReader.hpp"

#include "platform/documents/PlainTextBuilder.hpp"
#include "platform/documents/XmlDocument.hpp"

#include <algorithm>
#include <array>
#include <libxml/encoding.h>

namespace velora::HtmlReader {

namespace {

// Browsers look for the charset declaration in the first 1024 bytes.
constexpr std::size_t charsetPrescan = 1024;

constexpr std::array droppedElements{"head",   "script", "style",  "noscript", "template",
                                     "iframe", "object", "select", "svg",      "math"};
constexpr std::array blockElements{
    "address", "article", "aside",   "blockquote", "caption", "center",   "dd",         "details",
    "dialog",  "dir",     "div",     "dl",         "dt",      "fieldset", "figcaption", "figure",
    "footer",  "form",    "h1",      "h2",         "h3",      "h4",       "h5",         "h6",
    "header",  "hr",      "legend",  "li",         "main",    "menu",     "nav",        "ol",
    "p",       "pre",     "section", "summary",    "table",   "tr",       "ul"};

// The charset named by a byte-order mark or a meta element near the start, or empty.
std::string declaredCharset(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        return "UTF-8";
    }
    if (bytes.starts_with("\xFF\xFE")) {
        return "UTF-16LE";
    }
    if (bytes.starts_with("\xFE\xFF")) {
        return "UTF-16BE";
    }
    std::string head(bytes.substr(0, charsetPrescan));
    std::transform(head.begin(), head.end(), head.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    const auto skip = [&head](std::size_t i, const char* characters) {
        const auto found = head.find_first_not_of(characters, i);
        return found == std::string::npos ? head.size() : found;
    };
    for (auto at = head.find("<meta"); at != std::string::npos; at = head.find("<meta", at + 1)) {
        const auto end = std::min(head.find('>', at), head.size());
        const auto name = head.find("charset", at);
        if (name == std::string::npos || name >= end) {
            continue;
        }
        auto value = skip(name + 7, " \t\r\n");
        if (value >= end || head[value] != '=') {
            continue;
        }
        value = skip(value + 1, " \t\r\n\"'");
        const auto stop = std::min(head.find_first_of(" \t\r\n\"';/>", value), head.size());
        if (stop > value) {
            return head.substr(value, stop - value);
        }
    }
    return {};
}

bool isKnownEncoding(const std::string& charset) {
    xmlCharEncodingHandler* handler = xmlFindCharEncodingHandler(charset.c_str());
    if (handler == nullptr) {
        return false;
    }
    // Handlers backed by iconv are allocated for each lookup.
    xmlCharEncCloseFunc(handler);
    return true;
}

bool isPreformatted(const xmlNode* node) {
    return XmlDocument::isElement(node, "pre") || XmlDocument::isElement(node, "textarea");
}

} // namespace

std::optional<std::string> text(std::string_view bytes, const char* encoding) {
    std::string charset = encoding != nullptr ? std::string(encoding) : declaredCharset(bytes);
    // libxml2 falls back to Latin-1 for a charset it does not know; the default is UTF-8.
    if (charset.empty() || !isKnownEncoding(charset)) {
        charset = "UTF-8";
    }
    const XmlDocument document = XmlDocument::parseHtml(bytes, charset.c_str());
    xmlNode* root = document.root();
    if (root == nullptr) {
        return std::nullopt;
    }
    PlainTextBuilder builder;
    // Counted on the way, not looked up per text: a deep document would make that quadratic.
    int preformatted = 0;
    XmlDocument::walk(
        root,
        [&](xmlNode* node) {
            if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) {
                const auto* content = reinterpret_cast<const char*>(node->content);
                if (content != nullptr) {
                    if (preformatted > 0) {
                        builder.verbatim(content);
                    } else {
                        builder.flowing(content);
                    }
                }
                return false;
            }
            if (node->type != XML_ELEMENT_NODE ||
                XmlDocument::isAnyElement(node, droppedElements)) {
                return false;
            }
            if (isPreformatted(node)) {
                ++preformatted;
            }
            if (XmlDocument::isElement(node, "br")) {
                builder.lineBreak();
            } else if (XmlDocument::isAnyElement(node, blockElements)) {
                builder.endLine();
            }
            return true;
        },
        [&](xmlNode* node) {
            if (node->type != XML_ELEMENT_NODE ||
                XmlDocument::isAnyElement(node, droppedElements)) {
                return;
            }
            if (isPreformatted(node)) {
                --preformatted;
            }
            if (XmlDocument::isAnyElement(node, blockElements)) {
                builder.endLine();
            } else if (XmlDocument::isElement(node, "td") || XmlDocument::isElement(node, "th")) {
                builder.verbatim("\t");
            }
        });
    return builder.take();
}

} // namespace velora::HtmlReader
