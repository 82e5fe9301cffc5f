#include "platform/documents/DocxReader.hpp"

#include "platform/documents/OfficePart.hpp"
#include "platform/documents/PlainTextBuilder.hpp"

#include <array>

namespace velora::DocxReader {

namespace {

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

std::optional<std::string> documentText(XmlStream& xml) {
    PlainTextBuilder builder;
    bool inText = false;
    xml.visitAll(skippedElements, [&] {
        const XmlStream::Node node = xml.node();
        if (node == XmlStream::Node::text) {
            if (inText) {
                builder.verbatim(xml.text());
            }
        } else if (node == XmlStream::Node::elementStart) {
            if (xml.isElement("t")) {
                inText = !xml.isEmptyElement();
            } else if (xml.isElement("tab")) {
                builder.verbatim("\t");
            } else if (xml.isElement("br") || xml.isElement("cr")) {
                builder.lineBreak();
            } else if (xml.isElement("noBreakHyphen")) {
                builder.verbatim("\u2011");
            } else if (xml.isElement("p") && xml.isEmptyElement()) {
                builder.lineBreak();
            }
        } else if (node == XmlStream::Node::elementEnd) {
            if (xml.isElement("t")) {
                inText = false;
            } else if (xml.isElement("p")) {
                builder.lineBreak();
            }
        }
    });
    if (xml.failed()) {
        return std::nullopt;
    }
    return builder.take();
}

std::optional<std::string> documentText(std::string_view documentXml) {
    XmlStream xml(documentXml);
    return documentText(xml);
}

ImportResult fileText(std::string_view bytes) {
    return OfficePart::text(bytes, "word/document.xml",
                            [](XmlStream& xml) { return documentText(xml); });
}

} // namespace velora::DocxReader
