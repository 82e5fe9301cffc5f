#pragma once

#include "platform/documents/PlainTextBuilder.hpp"
#include "platform/documents/XmlStream.hpp"

#include <optional>
#include <string>

namespace velora::MarkupText {

// Collects the text of a marked-up document into lines as `rules` say: walks `xml` in document
// order, passing over the elements named in `skipped` with all they hold, and calls
// `rules.text(xml, builder)` at every text, `rules.start(xml, builder)` and
// `rules.end(xml, builder)` around every element; an element without content gets both at once.
// Absent when the markup is malformed or holds nothing but white space.
template <typename Rules>
std::optional<std::string> collect(XmlStream& xml, const auto& skipped, Rules& rules) {
    PlainTextBuilder builder;
    xml.visitAll(skipped, [&] {
        switch (xml.node()) {
        case XmlStream::Node::text:
            rules.text(xml, builder);
            break;
        case XmlStream::Node::elementStart:
            rules.start(xml, builder);
            if (xml.isEmptyElement()) {
                rules.end(xml, builder);
            }
            break;
        case XmlStream::Node::elementEnd:
            rules.end(xml, builder);
            break;
        case XmlStream::Node::other:
            break;
        }
    });
    if (xml.failed()) {
        return std::nullopt;
    }
    return builder.take();
}

} // namespace velora::MarkupText
