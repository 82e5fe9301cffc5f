#include "platform/text/PatternHyphenator.hpp"

#include "core/Graphemes.hpp"
#include "core/LengthHyphenator.hpp"

#include <cstdlib>
#include <cstring>
#include <hyphen.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace velora {

namespace {

// libhyphen leaves longer words unbroken; the length rule still breaks them.
constexpr std::size_t longestWordBytes = 90;

// The arrays libhyphen allocates for replacements in non-standard hyphenation.
struct Replacements {
    char** rep = nullptr;
    int* pos = nullptr;
    int* cut = nullptr;
    std::size_t size;

    explicit Replacements(std::size_t size) : size(size) {}
    ~Replacements() {
        if (rep != nullptr) {
            for (std::size_t i = 0; i < size; ++i) {
                std::free(rep[i]);
            }
        }
        std::free(rep);
        std::free(pos);
        std::free(cut);
    }
    Replacements(const Replacements&) = delete;
    Replacements& operator=(const Replacements&) = delete;
};

} // namespace

std::unique_ptr<PatternHyphenator> PatternHyphenator::load(const std::filesystem::path& file) {
    HyphenDict* dictionary = hnj_hyphen_load(file.c_str());
    if (dictionary == nullptr) {
        return nullptr;
    }
    const std::string_view charset = dictionary->cset;
    const bool utf8 = charset == "UTF-8";
    if (!utf8 && charset != "ISO8859-1" && charset != "ISO-8859-1") {
        hnj_hyphen_free(dictionary);
        return nullptr;
    }
    return std::unique_ptr<PatternHyphenator>(new PatternHyphenator(dictionary, utf8));
}

PatternHyphenator::~PatternHyphenator() {
    hnj_hyphen_free(dictionary_);
}

std::vector<std::size_t> PatternHyphenator::letterBreaks(std::string_view letters) const {
    std::string lower;
    icu::UnicodeString::fromUTF8(
        icu::StringPiece(letters.data(), static_cast<std::int32_t>(letters.size())))
        .toLower(icu::Locale::getRoot())
        .toUTF8String(lower);
    // The dictionary's bytes for the word, and where in `letters` each byte's character ends.
    std::string encoded;
    std::vector<std::size_t> ends;
    if (utf8_) {
        encoded = lower;
        for (std::size_t i = 1; i <= lower.size(); ++i) {
            ends.push_back(i);
        }
    } else {
        std::size_t offset = 0;
        while (offset < lower.size()) {
            const std::int32_t c = Graphemes::decode(lower, offset);
            if (c < 0 || c > 0xFF) {
                return LengthHyphenator().breaks(letters);
            }
            encoded += static_cast<char>(c);
            ends.push_back(offset);
        }
    }
    // Patterns match lower case; a word whose lower case is longer or shorter has no offsets in
    // common with it, nor does one libhyphen will not take.
    if (lower.size() != letters.size() || encoded.size() > longestWordBytes) {
        return LengthHyphenator().breaks(letters);
    }
    std::vector<char> hyphens(encoded.size() + 5, '0');
    Replacements replacements(encoded.size());
    {
        const std::lock_guard lock(mutex_);
        if (hnj_hyphen_hyphenate2(dictionary_, encoded.c_str(), static_cast<int>(encoded.size()),
                                  hyphens.data(), nullptr, &replacements.rep, &replacements.pos,
                                  &replacements.cut) != 0) {
            return {};
        }
    }
    std::vector<std::size_t> result;
    for (std::size_t i = 0; i + 1 < encoded.size(); ++i) {
        const bool replaced = replacements.rep != nullptr && replacements.rep[i] != nullptr;
        if ((hyphens[i] & 1) != 0 && !replaced) {
            result.push_back(ends[i]);
        }
    }
    return result;
}

} // namespace velora
