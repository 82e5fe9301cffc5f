#include "platform/documents/OfficePart.hpp"

#include "platform/documents/ZipArchive.hpp"

namespace velora::OfficePart {

ImportResult text(std::string_view archive, const char* name,
                  const std::function<std::optional<std::string>(XmlStream&)>& read) {
    const auto zip = ZipArchive::fromBytes(archive);
    if (!zip) {
        return ImportFailure::damaged;
    }
    auto part = zip->stream(name, ZipArchive::Limits{}.maxTotalSize);
    if (!part) {
        return ImportFailure::damaged;
    }
    XmlStream xml([&part](char* buffer, int length) { return part->read(buffer, length); });
    std::optional<std::string> text = read(xml);
    if (xml.failed()) {
        return ImportFailure::damaged;
    }
    if (!text) {
        return ImportFailure::noText;
    }
    return std::move(*text);
}

} // namespace velora::OfficePart
