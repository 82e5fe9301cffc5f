#include "platform/documents/PlainTextBuilder.hpp"

#include "core/WhiteSpace.hpp"

namespace velora {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

} // namespace

void PlainTextBuilder::flowing(std::string_view text) {
    for (const char c : text) {
        if (isSpace(c)) {
            pendingSpace_ = true;
            continue;
        }
        if (pendingSpace_ && !text_.empty() && text_.back() != '\n') {
            text_.push_back(' ');
        }
        pendingSpace_ = false;
        text_.push_back(c);
    }
}

void PlainTextBuilder::verbatim(std::string_view text) {
    if (text.empty()) {
        return;
    }
    if (pendingSpace_ && !text_.empty() && text_.back() != '\n') {
        text_.push_back(' ');
    }
    pendingSpace_ = false;
    text_.append(text);
}

void PlainTextBuilder::lineBreak() {
    pendingSpace_ = false;
    text_.push_back('\n');
}

void PlainTextBuilder::endLine() {
    if (!text_.empty() && text_.back() != '\n') {
        lineBreak();
    }
    pendingSpace_ = false;
}

std::optional<std::string> PlainTextBuilder::take() {
    pendingSpace_ = false;
    if (WhiteSpace::isBlank(text_)) {
        return std::nullopt;
    }
    return std::move(text_);
}

} // namespace velora
