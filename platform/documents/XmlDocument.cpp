#include "platform/documents/XmlDocument.hpp"

#include <climits>
#include <cstring>
#include <libxml/HTMLparser.h>
#include <mutex>

namespace velora {

namespace {

void initialise() {
    static std::once_flag once;
    std::call_once(once, [] { xmlInitParser(); });
}

} // namespace

XmlDocument XmlDocument::parseHtml(std::string_view bytes, const char* encoding) {
    initialise();
    if (bytes.size() > INT_MAX) {
        return XmlDocument(nullptr);
    }
    // The huge-document option lifts the depth limit of 256, which refused real pages with text;
    // this libxml2 honours the XML parser's option in its HTML parser too.
    return XmlDocument(htmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                      encoding,
                                      HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR |
                                          HTML_PARSE_NOWARNING | XML_PARSE_HUGE));
}

xmlNode* XmlDocument::root() const {
    return document_ ? xmlDocGetRootElement(document_.get()) : nullptr;
}

bool XmlDocument::isElement(const xmlNode* node, const char* localName) {
    return node->type == XML_ELEMENT_NODE && node->name != nullptr &&
           std::strcmp(reinterpret_cast<const char*>(node->name), localName) == 0;
}

} // namespace velora
