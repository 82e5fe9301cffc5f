#include "core/DocumentFormat.hpp"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Any bytes under any of the names that break ties: the zip directory walk must stay inside them.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const char* extension : {"", "docx", "md", "html"}) {
        velora::DocumentFormats::recognise(bytes, extension);
    }
    return 0;
}
