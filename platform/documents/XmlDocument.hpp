#pragma once

#include <algorithm>
#include <libxml/tree.h>
#include <memory>
#include <string_view>

namespace velora {

// An HTML document parsed into a tree by libxml2's forgiving HTML parser, as deep as libxml2's
// huge-document limits allow. Parse errors are never printed.
class XmlDocument {
public:
    // `encoding` null lets the document's own declaration decide.
    static XmlDocument parseHtml(std::string_view bytes, const char* encoding);

    xmlNode* root() const;
    explicit operator bool() const { return document_ != nullptr; }

    // Visits the tree below `node` in document order without recursion: `enter(node)` answers
    // whether to visit the node's children, `leave(node)` follows them.
    template <typename Enter, typename Leave>
    static void walk(xmlNode* node, Enter enter, Leave leave) {
        xmlNode* current = node;
        while (current != nullptr) {
            if (enter(current) && current->children != nullptr &&
                current->type != XML_ENTITY_REF_NODE) {
                current = current->children;
                continue;
            }
            for (;;) {
                leave(current);
                if (current == node) {
                    return;
                }
                if (current->next != nullptr) {
                    current = current->next;
                    break;
                }
                current = current->parent;
                if (current == nullptr) {
                    return;
                }
            }
        }
    }

    static bool isElement(const xmlNode* node, const char* localName);
    static bool isAnyElement(const xmlNode* node, const auto& localNames) {
        return std::any_of(localNames.begin(), localNames.end(),
                           [node](const char* name) { return isElement(node, name); });
    }

private:
    struct Freer {
        void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
    };
    explicit XmlDocument(xmlDoc* document) : document_(document) {}

    std::unique_ptr<xmlDoc, Freer> document_;
};

} // namespace velora
