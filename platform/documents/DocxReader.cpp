#include "platform/documents/DocxReader.hpp"

#include "platform/documents/MarkupText.hpp"
#include "platform/documents/OfficePart.hpp"

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

struct DocumentRules {
    bool inText = false;

    void text(const XmlStream& xml, PlainTextBuilder& builder) const {
        if (inText) {
            builder.verbatim(xml.text());
        }
    }
    void start(const XmlStream& xml, PlainTextBuilder& builder) {
        if (xml.isElement("t")) {
            inText = true;
        } else if (xml.isElement("tab")) {
            builder.verbatim("\t");
        } else if (xml.isElement("br") || xml.isElement("cr")) {
            builder.lineBreak();
        } else if (xml.isElement("noBreakHyphen")) {
            builder.verbatim("\u2011");
        }
    }
    void end(const XmlStream& xml, PlainTextBuilder& builder) {
        if (xml.isElement("t")) {
            inText = false;
        } else if (xml.isElement("p")) {
            builder.lineBreak();
        }
    }
};

} // namespace

std::optional<std::string> documentText(XmlStream& xml) {
    DocumentRules rules;
    return MarkupText::collect(xml, skippedElements, rules);
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
