#include "platform/XmlDocument.hpp"

#include <climits>
#include <cstring>
#include <libxml/HTMLparser.h>
#include <libxml/parser.h>
#include <mutex>

namespace velora {

namespace {

void initialise() {
    static std::once_flag once;
    std::call_once(once, [] { xmlInitParser(); });
}

} // namespace

XmlDocument XmlDocument::parseXml(std::string_view bytes) {
    initialise();
    if (bytes.size() > INT_MAX) {
        return XmlDocument(nullptr);
    }
    return XmlDocument(xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr,
                                     XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
}

XmlDocument XmlDocument::parseHtml(std::string_view bytes, const char* encoding) {
    initialise();
    if (bytes.size() > INT_MAX) {
        return XmlDocument(nullptr);
    }
    return XmlDocument(htmlReadMemory(
        bytes.data(), static_cast<int>(bytes.size()), nullptr, encoding,
        HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING));
}

xmlNode* XmlDocument::root() const {
    return document_ ? xmlDocGetRootElement(document_.get()) : nullptr;
}

bool XmlDocument::isElement(const xmlNode* node, const char* localName) {
    return node->type == XML_ELEMENT_NODE && node->name != nullptr &&
           std::strcmp(reinterpret_cast<const char*>(node->name), localName) == 0;
}

} // namespace velora
