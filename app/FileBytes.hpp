#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace velora::FileBytes {

// Larger files are refused rather than read: the reader could not show them anyway, and one
// would exhaust memory.
inline constexpr std::uintmax_t defaultLimit = std::uintmax_t{512} << 20;

// The whole content of a regular file; absent when it cannot be read or exceeds `limit` bytes.
std::optional<std::string> read(const std::filesystem::path& file,
                                std::uintmax_t limit = defaultLimit);

// The rest of an open file, from its current offset; absent on a read error or past `limit`.
std::optional<std::string> readDescriptor(int fd, std::uintmax_t limit = defaultLimit);

} // namespace velora::FileBytes
