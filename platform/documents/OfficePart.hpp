#pragma once

#include "app/ImportResult.hpp"
#include "platform/documents/XmlStream.hpp"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velora::OfficePart {

// The text `read` takes from the XML part `name` of the zip archive held in `archive`, streamed
// as it inflates, never past the size an unpacked book may reach. Damaged when the archive, the
// part or its XML is; no text when `read` finds none.
ImportResult text(std::string_view archive, const char* name,
                  const std::function<std::optional<std::string>(XmlStream&)>& read);

} // namespace velora::OfficePart
