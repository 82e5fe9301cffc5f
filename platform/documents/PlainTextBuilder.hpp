#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velora {

// Collects the text of a marked-up document: runs of white space in flowing text become one
// space, no line starts or ends with such a space, and line breaks come only from the markup.
class PlainTextBuilder {
public:
    // Flowing text, whose white space collapses.
    void flowing(std::string_view text);
    // Text kept as written (preformatted text, runs of spaces, tabs).
    void verbatim(std::string_view text);
    void lineBreak();
    // Starts a new line unless the text already stands at the start of one.
    void endLine();

    // The text collected, absent when it holds nothing but white space.
    std::optional<std::string> take();

private:
    std::string text_;
    bool pendingSpace_ = false;
};

} // namespace velora
