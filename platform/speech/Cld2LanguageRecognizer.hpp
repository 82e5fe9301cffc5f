#pragma once

#include "app/platform/LanguageRecognizer.hpp"

namespace velora {

// CLD2, trusted only when it calls its answer reliable: for text it cannot decide it still
// answers English.
class Cld2LanguageRecognizer final : public LanguageRecognizer {
public:
    std::optional<QString> dominantLanguage(const QString& text) const override;
};

} // namespace velora
