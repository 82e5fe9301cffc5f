#include "core/Graphemes.hpp"

#include <memory>
#include <unicode/brkiter.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

namespace velora::Graphemes {

namespace {

// In ASCII only CR LF forms a cluster of more than one byte.
bool isSimpleAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80 || c == '\r') {
            return false;
        }
    }
    return true;
}

bool isWellFormed(std::string_view text) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t i = 0;
    while (i < length) {
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0) {
            return false;
        }
    }
    return true;
}

// Calls `visit(begin, end)` with the byte offsets of each cluster of well-formed UTF-8.
template <typename Visit> void forEachCluster(std::string_view text, Visit visit) {
    if (isSimpleAscii(text)) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            visit(i, i + 1);
        }
        return;
    }
    UErrorCode status = U_ZERO_ERROR;
    thread_local std::unique_ptr<icu::BreakIterator> iterator(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    UText* utext =
        utext_openUTF8(nullptr, text.data(), static_cast<std::int64_t>(text.size()), &status);
    if (U_FAILURE(status) || !iterator) {
        utext_close(utext);
        return;
    }
    iterator->setText(utext, status);
    std::int32_t begin = iterator->first();
    for (std::int32_t end = iterator->next(); end != icu::BreakIterator::DONE;
         begin = end, end = iterator->next()) {
        visit(static_cast<std::size_t>(begin), static_cast<std::size_t>(end));
    }
    utext_close(utext);
}

} // namespace

std::string repairUtf8(std::string_view bytes) {
    if (isWellFormed(bytes)) {
        return std::string(bytes);
    }
    std::string repaired;
    repaired.reserve(bytes.size() + 16);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const auto length = static_cast<std::int32_t>(bytes.size());
    std::int32_t i = 0;
    while (i < length) {
        const std::int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(data, i, length, c);
        if (c < 0) {
            repaired += "\xEF\xBF\xBD";
        } else {
            repaired.append(
                bytes.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(i - start)));
        }
    }
    return repaired;
}

std::vector<std::string_view> split(std::string_view utf8) {
    std::vector<std::string_view> clusters;
    forEachCluster(utf8, [&](std::size_t begin, std::size_t end) {
        clusters.push_back(utf8.substr(begin, end - begin));
    });
    return clusters;
}

std::size_t count(std::string_view utf8) {
    if (isSimpleAscii(utf8)) {
        return utf8.size();
    }
    std::size_t n = 0;
    forEachCluster(utf8, [&](std::size_t, std::size_t) { ++n; });
    return n;
}

std::string_view prefix(std::string_view utf8, std::size_t n) {
    std::size_t taken = 0;
    std::size_t endByte = 0;
    if (n == 0) {
        return utf8.substr(0, 0);
    }
    forEachCluster(utf8, [&](std::size_t, std::size_t end) {
        if (taken < n) {
            ++taken;
            endByte = end;
        }
    });
    return utf8.substr(0, endByte);
}

} // namespace velora::Graphemes
