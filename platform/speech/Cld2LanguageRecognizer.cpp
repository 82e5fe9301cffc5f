#include "platform/speech/Cld2LanguageRecognizer.hpp"

#include "platform/speech/LanguageTag.hpp"

// The header uses FILE without including its declaration.
#include <cld2/public/compact_lang_det.h>
#include <cstdio>

namespace velora {

std::optional<QString> Cld2LanguageRecognizer::dominantLanguage(const QString& text) const {
    const QByteArray utf8 = text.toUtf8();
    bool reliable = false;
    const CLD2::Language language =
        CLD2::DetectLanguage(utf8.constData(), static_cast<int>(utf8.size()), true, &reliable);
    if (!reliable || language == CLD2::UNKNOWN_LANGUAGE || language == CLD2::TG_UNKNOWN_LANGUAGE) {
        return std::nullopt;
    }
    const QString code = QString::fromLatin1(CLD2::LanguageCode(language));
    // Script-only answers (xx-Latn) and the joke languages (zzb, zzp, ...) name no language.
    if (code.startsWith(QLatin1String("xx-")) || code.startsWith(QLatin1String("zz"))) {
        return std::nullopt;
    }
    return LanguageTag::bcp47(code);
}

} // namespace velora
