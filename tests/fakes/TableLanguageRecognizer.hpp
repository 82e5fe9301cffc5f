#pragma once

#include "app/platform/LanguageRecognizer.hpp"

#include <map>

namespace velora::fakes {

// Answers the language listed for a text.
class TableLanguageRecognizer final : public LanguageRecognizer {
public:
    explicit TableLanguageRecognizer(std::map<QString, QString> table) : table_(std::move(table)) {}

    std::optional<QString> dominantLanguage(const QString& text) const override {
        auto found = table_.find(text);
        if (found == table_.end()) {
            return std::nullopt;
        }
        return found->second;
    }

private:
    std::map<QString, QString> table_;
};

} // namespace velora::fakes
