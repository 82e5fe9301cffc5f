#include "platform/documents/WebArchiveReader.hpp"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velora::WebArchiveReader::text(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
