#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct zip;
struct zip_file;

namespace velora {

// A zip archive opened read-only with libzip.
class ZipArchive {
public:
    // The archive held in `bytes`, which must outlive it; absent when they are no readable zip
    // archive.
    static std::optional<ZipArchive> fromBytes(std::string_view bytes);

    // One entry read piece by piece, never more than `limit` bytes in all.
    class EntryStream {
    public:
        // Bytes read into `buffer`, 0 at the end, -1 when the entry is damaged or too large.
        int read(char* buffer, int length);

    private:
        friend class ZipArchive;
        struct Closer {
            void operator()(zip_file* file) const;
        };
        EntryStream(zip_file* file, std::uint64_t limit) : file_(file), limit_(limit) {}

        std::unique_ptr<zip_file, Closer> file_;
        std::uint64_t limit_;
        std::uint64_t total_ = 0;
    };

    // Absent when the entry is missing or declares more than `limit` bytes.
    std::optional<EntryStream> stream(const char* name, std::uint64_t limit) const;

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
