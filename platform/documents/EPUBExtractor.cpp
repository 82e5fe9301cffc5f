#include "platform/documents/EPUBExtractor.hpp"

#include "app/FileBytes.hpp"
#include "core/Graphemes.hpp"
#include "core/WhiteSpace.hpp"
#include "platform/documents/ChildProcess.hpp"
#include "platform/documents/HtmlReader.hpp"
#include "platform/documents/TemporaryFolder.hpp"

#include <algorithm>
#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

namespace velora {

namespace {

// Unpacking a gigabyte takes seconds; a tool still busy after this is stuck.
constexpr std::chrono::minutes unzipTimeout{2};

bool isHtmlLike(const std::filesystem::path& file) {
    const std::string extension = file.extension().string();
    std::string lower;
    for (const char c : extension) {
        lower.push_back(static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c));
    }
    return lower == ".xhtml" || lower == ".html" || lower == ".htm";
}

std::string normalised(const std::string& path) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status)) {
        return path;
    }
    const icu::UnicodeString text = nfc->normalize(icu::UnicodeString::fromUTF8(path), status);
    std::string result;
    text.toUTF8String(result);
    return U_SUCCESS(status) ? result : path;
}

std::filesystem::path absolutePath(const std::filesystem::path& file) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(file, error);
    return error ? file : absolute;
}

} // namespace

EPUBExtractor::EPUBExtractor(std::filesystem::path unzipTool, std::filesystem::path temporaryParent,
                             ZipArchive::Limits limits)
    : unzipTool_(std::move(unzipTool)), temporaryParent_(std::move(temporaryParent)),
      limits_(limits) {}

ImportResult EPUBExtractor::text(int descriptor, std::string_view bytes) const {
    // A zip bomb or an archive that writes through its own links is refused before it touches
    // the disk.
    const auto archive = ZipArchive::fromBytes(bytes);
    if (!archive || !archive->isSafeToUnpack(limits_)) {
        return ImportFailure::damaged;
    }
    const auto folder = TemporaryFolder::create(
        temporaryParent_.empty() ? TemporaryFolder::defaultParent() : temporaryParent_);
    if (!folder || !unzip(descriptor, folder->path())) {
        return ImportFailure::damaged;
    }
    std::string joined;
    for (const auto& file : htmlFiles(folder->path())) {
        const auto chapter = FileBytes::read(file);
        if (!chapter || !Graphemes::isWellFormed(*chapter)) {
            continue;
        }
        const auto text = HtmlReader::text(*chapter, "UTF-8");
        if (!text) {
            continue;
        }
        if (!joined.empty()) {
            joined += "\n\n";
        }
        joined += WhiteSpace::trimmed(*text);
    }
    if (WhiteSpace::isBlank(joined)) {
        return ImportFailure::noText;
    }
    return joined;
}

bool EPUBExtractor::unzip(int descriptor, const std::filesystem::path& folder) const {
    // unzip gets the book as an open file: its name is never read again, and a name holding
    // [, ? or * would be taken for a pattern.
    ChildProcess::Options options;
    options.timeout = unzipTimeout;
    options.passedFile = descriptor;
    return ChildProcess::run(
               unzipTool_, {"-o", "-qq", "/dev/fd/3", "-d", absolutePath(folder).string()}, options)
        .has_value();
}

std::vector<std::filesystem::path> EPUBExtractor::htmlFiles(const std::filesystem::path& folder) {
    std::vector<std::pair<std::string, std::filesystem::path>> found;
    std::error_code error;
    std::filesystem::recursive_directory_iterator it(
        folder, std::filesystem::directory_options::skip_permission_denied, error);
    for (const std::filesystem::recursive_directory_iterator end; !error && it != end;
         it.increment(error)) {
        // A chapter that is a link could point at any file of the user's.
        std::error_code statusError;
        if (!it->is_symlink(statusError) && isHtmlLike(it->path())) {
            found.emplace_back(normalised(it->path().string()), it->path());
        }
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::filesystem::path> files;
    files.reserve(found.size());
    for (auto& entry : found) {
        files.push_back(std::move(entry.second));
    }
    return files;
}

} // namespace velora
