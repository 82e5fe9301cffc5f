#include "platform/documents/HtmlReader.hpp"

#include "platform/documents/MarkupText.hpp"

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

bool isPreformatted(const XmlStream& xml) {
    return xml.isElement("pre") || xml.isElement("textarea");
}

struct PageRules {
    // Counted on the way, not looked up per text: a deep document would make that quadratic.
    int preformatted = 0;

    void text(const XmlStream& xml, PlainTextBuilder& builder) const {
        if (preformatted > 0) {
            builder.verbatim(xml.text());
        } else {
            builder.flowing(xml.text());
        }
    }
    void start(const XmlStream& xml, PlainTextBuilder& builder) {
        if (isPreformatted(xml)) {
            ++preformatted;
        }
        if (xml.isElement("br")) {
            builder.lineBreak();
        } else if (xml.isAnyElement(blockElements)) {
            builder.endLine();
        }
    }
    void end(const XmlStream& xml, PlainTextBuilder& builder) {
        if (isPreformatted(xml)) {
            --preformatted;
        }
        if (xml.isAnyElement(blockElements)) {
            builder.endLine();
        } else if (xml.isElement("td") || xml.isElement("th")) {
            builder.verbatim("\t");
        }
    }
};

} // namespace

std::optional<std::string> text(std::string_view bytes, const char* encoding) {
    std::string charset = encoding != nullptr ? std::string(encoding) : declaredCharset(bytes);
    // libxml2 falls back to Latin-1 for a charset it does not know; the default is UTF-8.
    if (charset.empty() || !isKnownEncoding(charset)) {
        charset = "UTF-8";
    }
    XmlStream xml(bytes, XmlStream::Html{charset.c_str()});
    PageRules rules;
    return MarkupText::collect(xml, droppedElements, rules);
}

} // namespace velora::HtmlReader
