#include "platform/documents/XmlStream.hpp"

#include <climits>
#include <cstring>
#include <libxml/HTMLparser.h>
#include <libxml/parser.h>
#include <libxml/xmlreader.h>
#include <mutex>

namespace velora {

namespace {

constexpr int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

void initialise() {
    static std::once_flag once;
    std::call_once(once, [] { xmlInitParser(); });
}

int readSource(void* context, char* buffer, int length) {
    return (*static_cast<XmlStream::Source*>(context))(buffer, length);
}

int closeSource(void*) {
    return 0;
}

} // namespace

void XmlStream::Freer::operator()(_xmlTextReader* reader) const {
    xmlFreeTextReader(reader);
}

void XmlStream::Freer::operator()(_xmlDoc* document) const {
    xmlFreeDoc(document);
}

XmlStream::XmlStream(Source source) : source_(std::make_unique<Source>(std::move(source))) {
    initialise();
    reader_.reset(
        xmlReaderForIO(readSource, closeSource, source_.get(), nullptr, nullptr, options));
    failed_ = reader_ == nullptr;
}

XmlStream::XmlStream(std::string_view bytes) {
    initialise();
    if (bytes.size() <= INT_MAX) {
        reader_.reset(xmlReaderForMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                         nullptr, options));
    }
    failed_ = reader_ == nullptr;
}

XmlStream::XmlStream(std::string_view bytes, Html html) {
    initialise();
    if (bytes.size() <= INT_MAX) {
        // The huge-document option lifts the depth limit of 256, which refused real pages with
        // text; this libxml2 honours the XML parser's option in its HTML parser too.
        document_.reset(htmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                       html.encoding,
                                       HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR |
                                           HTML_PARSE_NOWARNING | XML_PARSE_HUGE));
    }
    if (document_) {
        reader_.reset(xmlReaderWalker(document_.get()));
    }
    failed_ = reader_ == nullptr;
}

XmlStream::~XmlStream() = default;

bool XmlStream::advance(int status) {
    if (status < 0) {
        failed_ = true;
    }
    return status == 1;
}

bool XmlStream::next() {
    return !failed_ && advance(xmlTextReaderRead(reader_.get()));
}

bool XmlStream::skipElement() {
    return !failed_ && advance(xmlTextReaderNext(reader_.get()));
}

XmlStream::Node XmlStream::node() const {
    switch (xmlTextReaderNodeType(reader_.get())) {
    case XML_READER_TYPE_ELEMENT:
        return Node::elementStart;
    case XML_READER_TYPE_END_ELEMENT:
        return Node::elementEnd;
    case XML_READER_TYPE_TEXT:
    case XML_READER_TYPE_CDATA:
    case XML_READER_TYPE_WHITESPACE:
    case XML_READER_TYPE_SIGNIFICANT_WHITESPACE:
        return Node::text;
    default:
        return Node::other;
    }
}

bool XmlStream::isEmptyElement() const {
    return xmlTextReaderIsEmptyElement(reader_.get()) == 1;
}

bool XmlStream::isElement(const char* localName) const {
    const int type = xmlTextReaderNodeType(reader_.get());
    if (type != XML_READER_TYPE_ELEMENT && type != XML_READER_TYPE_END_ELEMENT) {
        return false;
    }
    const xmlChar* name = xmlTextReaderConstLocalName(reader_.get());
    return name != nullptr && std::strcmp(reinterpret_cast<const char*>(name), localName) == 0;
}

std::string_view XmlStream::text() const {
    const xmlChar* value = xmlTextReaderConstValue(reader_.get());
    return value == nullptr ? std::string_view() : reinterpret_cast<const char*>(value);
}

std::optional<std::string> XmlStream::attribute(std::string_view localName) {
    std::optional<std::string> found;
    for (int more = xmlTextReaderMoveToFirstAttribute(reader_.get()); more == 1;
         more = xmlTextReaderMoveToNextAttribute(reader_.get())) {
        const xmlChar* name = xmlTextReaderConstLocalName(reader_.get());
        if (name != nullptr && localName == reinterpret_cast<const char*>(name)) {
            const xmlChar* value = xmlTextReaderConstValue(reader_.get());
            found = value == nullptr ? std::string() : reinterpret_cast<const char*>(value);
            break;
        }
    }
    xmlTextReaderMoveToElement(reader_.get());
    return found;
}

} // namespace velora
