#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

struct zip;

namespace velora {

// A zip archive opened read-only with libzip.
class ZipArchive {
public:
    // Absent when the file is no readable zip archive.
    static std::optional<ZipArchive> open(const std::filesystem::path& file);

    // The uncompressed content of one entry; absent when it is missing, damaged or larger than
    // `limit` bytes.
    std::optional<std::string> read(const char* name, std::uint64_t limit) const;

    // One entry of the archive in `file`, the way office documents keep their main part.
    static std::optional<std::string> readEntry(const std::filesystem::path& file, const char* name,
                                                std::uint64_t limit);

    struct Limits {
        std::uint64_t maxTotalSize = std::uint64_t{1} << 30;
        std::uint64_t maxEntries = 100'000;
    };

    // True when unpacking the archive stays within the limits and cannot write outside the
    // destination: every entry decompresses to exactly its recorded size, and no entry lies below
    // an entry that is a symbolic link. Decompresses every entry once to make sure.
    bool isSafeToUnpack(const Limits& limits) const;

private:
    struct Closer {
        void operator()(zip* archive) const;
    };

    explicit ZipArchive(zip* archive) : archive_(archive) {}

    std::unique_ptr<zip, Closer> archive_;
};

} // namespace velora
