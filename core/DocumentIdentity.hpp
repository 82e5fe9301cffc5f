#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Stable keys and display titles of documents.
namespace velora::DocumentIdentity {

// "file:" and the path as given; no normalisation.
std::string fileKey(std::string_view path);
// "text:<hash>:<characters>": the hash covers the first 400 characters, the count the whole
// text, so texts that agree on both share a key.
std::string textKey(std::string_view text);
// The first words of the text, at most `maxChars` characters and then "…"; "Untitled" when
// nothing is left.
std::string title(std::string_view text, std::int64_t maxWords, std::int64_t maxChars);

// 64-bit FNV-1a of the bytes.
std::uint64_t fnv1a(std::string_view bytes);

} // namespace velora::DocumentIdentity
