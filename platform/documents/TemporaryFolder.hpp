#pragma once

#include <filesystem>
#include <optional>

namespace velora {

// A private folder ("vl-epub-" and an uppercase UUID) in the user's temporary folder, removed with
// everything in it when the object goes, whatever permissions its contents were given.
class TemporaryFolder {
public:
    static std::optional<TemporaryFolder> create(const std::filesystem::path& parent);
    static std::filesystem::path defaultParent();

    TemporaryFolder(TemporaryFolder&& other) noexcept;
    TemporaryFolder& operator=(TemporaryFolder&&) = delete;
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder();

    const std::filesystem::path& path() const { return path_; }

private:
    explicit TemporaryFolder(std::filesystem::path path) : path_(std::move(path)) {}

    std::filesystem::path path_;
};

} // namespace velora
