#pragma once

#include "app/platform/LanguageRecognizer.hpp"

#include <map>
#include <vector>

namespace velora::fakes {

// Answers the language listed for a text, and remembers every text it was shown.
class TableLanguageRecognizer final : public LanguageRecognizer {
public:
    explicit TableLanguageRecognizer(std::map<QString, QString> table) : table_(std::move(table)) {}

    std::optional<QString> dominantLanguage(const QString& text) const override {
        seen.push_back(text);
        auto found = table_.find(text);
        if (found == table_.end()) {
            return std::nullopt;
        }
        return found->second;
    }

    mutable std::vector<QString> seen;

private:
    std::map<QString, QString> table_;
};

} // namespace velora::fakes
