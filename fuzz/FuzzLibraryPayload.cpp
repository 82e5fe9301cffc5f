#include "core/LibraryPayload.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// What is read is written back so that it reads the same again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto payload =
        velora::LibraryPayload::decode(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!payload) {
        return 0;
    }
    std::string text;
    payload->encode(text);
    const auto again = velora::LibraryPayload::decode(text);
    if (!again || again->entries != payload->entries || again->stats != payload->stats) {
        std::abort();
    }
    return 0;
}
