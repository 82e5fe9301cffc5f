#include "platform/documents/OdtReader.hpp"

#include "platform/documents/MarkupText.hpp"
#include "platform/documents/OfficePart.hpp"

#include <algorithm>
#include <array>
#include <charconv>

namespace velora::OdtReader {

namespace {

// A text:s may ask for any number of spaces; more than a line's worth is never meant.
constexpr long maxSpaceRun = 1000;

constexpr std::array skippedElements{
    "tracked-changes",  "annotation",      "note",    "sequence-decls",
    "automatic-styles", "font-face-decls", "scripts", "forms"};

bool isParagraph(const XmlStream& xml) {
    return xml.isElement("p") || xml.isElement("h");
}

long spaceCount(XmlStream& xml) {
    const std::optional<std::string> value = xml.attribute("c");
    if (!value) {
        return 1;
    }
    long count = 1;
    const auto parsed = std::from_chars(value->data(), value->data() + value->size(), count);
    if (parsed.ec != std::errc()) {
        return 1;
    }
    return std::clamp(count, 0L, maxSpaceRun);
}

struct ContentRules {
    int paragraphDepth = 0;

    void text(const XmlStream& xml, PlainTextBuilder& builder) const {
        if (paragraphDepth > 0) {
            builder.flowing(xml.text());
        }
    }
    void start(XmlStream& xml, PlainTextBuilder& builder) {
        if (isParagraph(xml)) {
            builder.endLine();
            ++paragraphDepth;
        } else if (xml.isElement("s")) {
            builder.verbatim(std::string(static_cast<std::size_t>(spaceCount(xml)), ' '));
        } else if (xml.isElement("tab")) {
            builder.verbatim("\t");
        } else if (xml.isElement("line-break")) {
            builder.lineBreak();
        }
    }
    void end(const XmlStream& xml, PlainTextBuilder& builder) {
        if (isParagraph(xml)) {
            --paragraphDepth;
            builder.lineBreak();
        }
    }
};

} // namespace

std::optional<std::string> contentText(XmlStream& xml) {
    ContentRules rules;
    return MarkupText::collect(xml, skippedElements, rules);
}

std::optional<std::string> contentText(std::string_view contentXml) {
    XmlStream xml(contentXml);
    return contentText(xml);
}

ImportResult fileText(std::string_view bytes) {
    return OfficePart::text(bytes, "content.xml", [](XmlStream& xml) { return contentText(xml); });
}

} // namespace velora::OdtReader
