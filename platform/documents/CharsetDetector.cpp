#include "platform/documents/CharsetDetector.hpp"

#include <memory>
#include <uchardet/uchardet.h>

namespace velora::CharsetDetector {

namespace {

// The detector settles on far less; scanning a large file whole would cost seconds.
constexpr std::size_t sampleLimit = std::size_t{1} << 20;

struct DetectorDeleter {
    void operator()(uchardet_t detector) const { uchardet_delete(detector); }
};

// The lines that hold bytes outside ASCII, which alone tell single-byte charsets apart; a long
// English text with one accented name at its end still names its charset.
std::string telling(std::string_view bytes) {
    std::string sample;
    std::size_t start = 0;
    while (start < bytes.size() && sample.size() < sampleLimit) {
        std::size_t end = bytes.find('\n', start);
        end = end == std::string_view::npos ? bytes.size() : end + 1;
        const std::string_view line = bytes.substr(start, end - start);
        for (const char c : line) {
            if (static_cast<unsigned char>(c) >= 0x80) {
                sample.append(line.substr(0, sampleLimit - sample.size()));
                break;
            }
        }
        start = end;
    }
    return sample;
}

} // namespace

std::string guess(std::string_view bytes) {
    const std::unique_ptr<std::remove_pointer_t<uchardet_t>, DetectorDeleter> detector(
        uchardet_new());
    if (!detector) {
        return {};
    }
    const std::string sample = telling(bytes);
    if (sample.empty() || uchardet_handle_data(detector.get(), sample.data(), sample.size()) != 0) {
        return {};
    }
    uchardet_data_end(detector.get());
    std::string charset = uchardet_get_charset(detector.get());
    // Text files hold no C1 control characters; what looks like Latin-1 is its Windows superset.
    if (charset == "ISO-8859-1" || charset == "ASCII") {
        return "windows-1252";
    }
    return charset;
}

} // namespace velora::CharsetDetector
