#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <type_traits>

namespace velora::FileBytes {

// Larger files are refused rather than read: the reader could not show them anyway, and one
// would exhaust memory.
inline constexpr std::uintmax_t defaultLimit = std::uintmax_t{512} << 20;

// Why a file that the system let us open was not read.
enum class Refusal { notRegularFile = 1, tooLarge };
std::error_code make_error_code(Refusal refusal);

// The whole content of a regular file; absent when it cannot be read or exceeds `limit` bytes,
// and then `error` says why.
std::optional<std::string> read(const std::filesystem::path& file, std::uintmax_t limit,
                                std::error_code& error);
std::optional<std::string> read(const std::filesystem::path& file,
                                std::uintmax_t limit = defaultLimit);

// The rest of an open file, from its current offset; absent on a read error or past `limit`.
std::optional<std::string> readDescriptor(int fd, std::uintmax_t limit, std::error_code& error);
std::optional<std::string> readDescriptor(int fd, std::uintmax_t limit = defaultLimit);

} // namespace velora::FileBytes

template <> struct std::is_error_code_enum<velora::FileBytes::Refusal> : std::true_type {};
