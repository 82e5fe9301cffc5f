#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct _xmlDoc;
struct _xmlTextReader;

namespace velora {

// An XML document read node by node with libxml2's xmlTextReader, so memory stays in proportion
// to the deepest element, not to the document. No network, DTD loading or entity expansion;
// errors are never printed.
class XmlStream {
public:
    // Fills the buffer; answers the bytes read, 0 at the end, -1 on failure.
    using Source = std::function<int(char* buffer, int length)>;

    explicit XmlStream(Source source);
    explicit XmlStream(std::string_view bytes);
    // An HTML document, parsed whole by libxml2's forgiving HTML parser, as deep as its
    // huge-document limits allow, then read node by node. A null `encoding` lets the document's
    // own declaration decide.
    struct Html {
        const char* encoding = nullptr;
    };
    XmlStream(std::string_view bytes, Html html);
    XmlStream(const XmlStream&) = delete;
    XmlStream& operator=(const XmlStream&) = delete;
    ~XmlStream();

    enum class Node { elementStart, elementEnd, text, other };

    // Moves to the next node in document order; false at the end and on an error.
    bool next();
    // Moves past the current element and everything in it; false at the end and on an error.
    bool skipElement();
    // True once the document turned out malformed or its source failed.
    bool failed() const { return failed_; }

    // Calls `visit()` at every node in document order, passing over the elements named in
    // `skipped` with everything they hold.
    template <typename Visit> void visitAll(const auto& skipped, Visit visit) {
        bool more = next();
        while (more) {
            if (node() == Node::elementStart && isAnyElement(skipped)) {
                more = skipElement();
                continue;
            }
            visit();
            more = next();
        }
    }

    Node node() const;
    // An element without content (<a/>) has no end node of its own.
    bool isEmptyElement() const;
    bool isElement(const char* localName) const;
    bool isAnyElement(const auto& localNames) const {
        for (const char* name : localNames) {
            if (isElement(name)) {
                return true;
            }
        }
        return false;
    }
    std::string_view text() const;
    // The value of the current element's attribute with this local name, in any namespace.
    std::optional<std::string> attribute(std::string_view localName);

private:
    bool advance(int status);

    struct Freer {
        void operator()(_xmlTextReader* reader) const;
        void operator()(_xmlDoc* document) const;
    };

    std::unique_ptr<Source> source_;
    // The parsed HTML document the reader walks; it goes after the reader.
    std::unique_ptr<_xmlDoc, Freer> document_;
    std::unique_ptr<_xmlTextReader, Freer> reader_;
    bool failed_ = false;
};

} // namespace velora
