#include "platform/documents/ZipArchive.hpp"

#include <set>
#include <string_view>
#include <sys/stat.h>
#include <vector>
#include <zip.h>

namespace velora {

namespace {

struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using ZipFile = std::unique_ptr<zip_file_t, FileCloser>;

// Counts the bytes an entry really decompresses to, stopping once past `limit`.
std::optional<std::uint64_t> inflatedSize(zip_t* archive, zip_uint64_t index, std::uint64_t limit) {
    ZipFile file(zip_fopen_index(archive, index, 0));
    if (!file) {
        return std::nullopt;
    }
    std::vector<char> buffer(1 << 16);
    std::uint64_t total = 0;
    for (;;) {
        const zip_int64_t count = zip_fread(file.get(), buffer.data(), buffer.size());
        if (count < 0) {
            return std::nullopt;
        }
        if (count == 0) {
            return total;
        }
        total += static_cast<std::uint64_t>(count);
        if (total > limit) {
            return std::nullopt;
        }
    }
}

bool isSymbolicLink(zip_t* archive, zip_uint64_t index) {
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) != 0) {
        return false;
    }
    return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & S_IFMT) == S_IFLNK;
}

} // namespace

void ZipArchive::Closer::operator()(zip* archive) const {
    zip_discard(archive);
}

std::optional<ZipArchive> ZipArchive::fromBytes(std::string_view bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (source == nullptr) {
        zip_error_fini(&error);
        return std::nullopt;
    }
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    zip_error_fini(&error);
    if (archive == nullptr) {
        zip_source_free(source);
        return std::nullopt;
    }
    return ZipArchive(archive);
}

void ZipArchive::EntryStream::Closer::operator()(zip_file* file) const {
    zip_fclose(file);
}

int ZipArchive::EntryStream::read(char* buffer, int length) {
    const zip_int64_t count = zip_fread(file_.get(), buffer, static_cast<zip_uint64_t>(length));
    if (count < 0) {
        return -1;
    }
    total_ += static_cast<std::uint64_t>(count);
    return total_ > limit_ ? -1 : static_cast<int>(count);
}

std::optional<ZipArchive::EntryStream> ZipArchive::stream(const char* name,
                                                          std::uint64_t limit) const {
    zip_stat_t info;
    zip_stat_init(&info);
    if (zip_stat(archive_.get(), name, 0, &info) != 0 || (info.valid & ZIP_STAT_SIZE) == 0 ||
        info.size > limit) {
        return std::nullopt;
    }
    zip_file_t* file = zip_fopen_index(archive_.get(), info.index, 0);
    if (file == nullptr) {
        return std::nullopt;
    }
    // An entry that inflates past its recorded size is lying; stop it there.
    return EntryStream(file, info.size);
}

bool ZipArchive::isSafeToUnpack(const Limits& limits) const {
    const zip_int64_t entries = zip_get_num_entries(archive_.get(), 0);
    if (entries < 0 || static_cast<std::uint64_t>(entries) > limits.maxEntries) {
        return false;
    }
    std::uint64_t declared = 0;
    std::set<std::string, std::less<>> links;
    std::vector<std::string> names;
    for (zip_int64_t i = 0; i < entries; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        zip_stat_t info;
        zip_stat_init(&info);
        if (zip_stat_index(archive_.get(), index, 0, &info) != 0 ||
            (info.valid & (ZIP_STAT_SIZE | ZIP_STAT_NAME)) != (ZIP_STAT_SIZE | ZIP_STAT_NAME)) {
            return false;
        }
        declared += info.size;
        if (info.size > limits.maxTotalSize || declared > limits.maxTotalSize) {
            return false;
        }
        std::string name(info.name);
        while (!name.empty() && name.back() == '/') {
            name.pop_back();
        }
        if (isSymbolicLink(archive_.get(), index)) {
            links.insert(name);
        }
        names.push_back(std::move(name));
    }
    for (const std::string& name : names) {
        for (auto slash = name.find('/'); slash != std::string::npos;
             slash = name.find('/', slash + 1)) {
            if (links.contains(std::string_view(name).substr(0, slash))) {
                return false;
            }
        }
    }
    std::uint64_t inflated = 0;
    for (zip_int64_t i = 0; i < entries; ++i) {
        zip_stat_t info;
        zip_stat_init(&info);
        zip_stat_index(archive_.get(), static_cast<zip_uint64_t>(i), 0, &info);
        const auto size = inflatedSize(archive_.get(), static_cast<zip_uint64_t>(i), info.size);
        if (!size || *size != info.size) {
            return false;
        }
        inflated += *size;
    }
    return inflated <= limits.maxTotalSize;
}

} // namespace velora
