#pragma once

#include <QString>
#include <optional>

namespace velora {

// Tells the dominant language of a text, on the device.
class LanguageRecognizer {
public:
    virtual ~LanguageRecognizer();

    // A BCP-47 language code (en, tr, zh-Hant), or none when the language cannot be told with
    // confidence.
    virtual std::optional<QString> dominantLanguage(const QString& text) const = 0;
};

} // namespace velora
