#include "core/DocumentIdentity.hpp"
#include "core/Sentences.hpp"
#include "core/TextDecoder.hpp"
#include "core/TextEngine.hpp"
#include "core/TextSanitizer.hpp"
#include "core/Utf8Sequences.hpp"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Every text the reader loads takes this road, whatever its bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text =
        velora::TextDecoder::decode(std::string_view(reinterpret_cast<const char*>(data), size),
                                    [](std::string_view) { return std::string("KOI8-R"); });
    const velora::TextEngine::CleanedWords read = velora::TextEngine::cleanAndTokenize(text);
    const std::string& cleaned = read.text;
    const std::vector<velora::Word>& words = read.words;
    // Reading the cleaned text again must not be needed: it is well-formed, without CR, and gives
    // the same words as a text of unknown origin.
    if (cleaned != velora::TextSanitizer::clean(text) ||
        !velora::Graphemes::isWellFormed(cleaned) || cleaned.find('\r') != std::string::npos ||
        words != velora::TextEngine::tokenize(cleaned)) {
        __builtin_trap();
    }
    for (const velora::Word& word : words) {
        const velora::Word::OrpParts parts = word.orpParts();
        // The pivot split must give back the word to the letter.
        if (word.text.empty() || parts.pivot.empty() ||
            parts.left + parts.pivot + parts.right != word.text) {
            __builtin_trap();
        }
    }
    // The sentence moves index the same words.
    const std::vector<std::int64_t> starts = velora::Sentences::starts(cleaned);
    for (std::size_t k = 0; k < starts.size(); ++k) {
        if (starts[k] >= static_cast<std::int64_t>(words.size()) ||
            (k > 0 && starts[k] <= starts[k - 1])) {
            __builtin_trap();
        }
    }
    if (velora::Sentences::of(words, cleaned) != velora::Sentences::indexed(words, starts)) {
        __builtin_trap();
    }
    velora::DocumentIdentity::textKey(cleaned);
    velora::DocumentIdentity::title(cleaned, 8, 60);
    return 0;
}
