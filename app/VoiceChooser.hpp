#pragma once

#include "app/platform/LanguageRecognizer.hpp"
#include "app/platform/SpeechVoice.hpp"
#include "app/platform/VoiceCatalog.hpp"

#include <QString>
#include <optional>
#include <vector>

namespace velora {

// Which voice reads a text: the one the user chose while it is installed; otherwise the best
// for the text's language, and for text whose language cannot be told, the desktop's language,
// so that one book keeps one accent. The catalog and the recognizer must outlive it.
class VoiceChooser {
public:
    VoiceChooser(const VoiceCatalog& catalog, const LanguageRecognizer& recognizer);

    // The desktop's language and region ("en-US"): among voices of one quality its variety wins.
    void setPreferredLanguageTag(const QString& tag) { preferredLanguageTag_ = tag.toLower(); }

    struct Choice {
        // None leaves the text to the synthesizer's default voice.
        std::optional<SpeechVoice> voice;
        // The language told from the text; none for a voice the user chose and for text whose
        // language cannot be told.
        std::optional<QString> language;
    };
    // `installed` are the catalog's voices in the order the user sees them.
    Choice choose(const QString& text, const std::optional<QString>& selectedVoiceID,
                  const std::vector<SpeechVoice>& installed) const;

    // Whether the synthesizer's default voice can read text of this language: it reads Latin
    // letters, and text of another script would come out as names of characters or silence.
    static bool defaultVoiceReads(const QString& languageCode);
    // The language of the first 1,000 characters, none for blank text.
    static std::optional<QString> detectLanguageCode(const LanguageRecognizer& recognizer,
                                                     const QString& text);

private:
    std::optional<SpeechVoice> bestVoice(const QString& languageCode,
                                         const std::vector<SpeechVoice>& installed) const;
    std::optional<SpeechVoice> bestInstalledVoice(const QString& language,
                                                  const std::vector<SpeechVoice>& installed) const;

    const VoiceCatalog& catalog_;
    const LanguageRecognizer& recognizer_;
    QString preferredLanguageTag_;
};

} // namespace velora
