#pragma once

#include <string>
#include <string_view>

namespace velora::MarkdownCleaner {

// Markdown source (UTF-8) to plain reading text by a fixed sequence of pattern replacements.
// Never fails.
std::string plainText(std::string_view markdown);

} // namespace velora::MarkdownCleaner
