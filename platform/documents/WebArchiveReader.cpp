#include "platform/documents/WebArchiveReader.hpp"

#include "platform/documents/HtmlReader.hpp"

#include <cstdint>
#include <memory>
#include <plist/plist.h>

namespace velora::WebArchiveReader {

namespace {

struct PlistFreer {
    void operator()(plist_t node) const { plist_free(node); }
};

plist_t child(plist_t dictionary, const char* key, plist_type type) {
    if (dictionary == nullptr || plist_get_node_type(dictionary) != PLIST_DICT) {
        return nullptr;
    }
    plist_t node = plist_dict_get_item(dictionary, key);
    return node != nullptr && plist_get_node_type(node) == type ? node : nullptr;
}

} // namespace

std::optional<std::string> text(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > UINT32_MAX) {
        return std::nullopt;
    }
    plist_t parsed = nullptr;
    plist_from_memory(bytes.data(), static_cast<std::uint32_t>(bytes.size()), &parsed);
    const std::unique_ptr<void, PlistFreer> root(parsed);
    plist_t resource = child(root.get(), "WebMainResource", PLIST_DICT);
    plist_t data = child(resource, "WebResourceData", PLIST_DATA);
    if (data == nullptr) {
        return std::nullopt;
    }
    std::uint64_t length = 0;
    const char* content = plist_get_data_ptr(data, &length);
    if (content == nullptr) {
        return std::nullopt;
    }
    std::string encoding;
    if (plist_t name = child(resource, "WebResourceTextEncodingName", PLIST_STRING)) {
        std::uint64_t nameLength = 0;
        if (const char* value = plist_get_string_ptr(name, &nameLength)) {
            encoding.assign(value, static_cast<std::size_t>(nameLength));
        }
    }
    return HtmlReader::text(std::string_view(content, static_cast<std::size_t>(length)),
                            encoding.empty() ? nullptr : encoding.c_str());
}

} // namespace velora::WebArchiveReader
