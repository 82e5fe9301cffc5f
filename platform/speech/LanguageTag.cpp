#include "platform/speech/LanguageTag.hpp"

#include <array>
#include <unicode/uloc.h>

namespace velora::LanguageTag {

std::optional<QString> bcp47(const QString& tag) {
    const QByteArray raw = tag.toUtf8();
    std::array<char, ULOC_FULLNAME_CAPACITY> locale{};
    std::int32_t parsed = 0;
    UErrorCode status = U_ZERO_ERROR;
    uloc_forLanguageTag(raw.constData(), locale.data(), static_cast<std::int32_t>(locale.size()),
                        &parsed, &status);
    if (U_FAILURE(status) || parsed == 0 || locale[0] == '\0') {
        return std::nullopt;
    }
    std::array<char, ULOC_FULLNAME_CAPACITY> result{};
    status = U_ZERO_ERROR;
    const std::int32_t length = uloc_toLanguageTag(
        locale.data(), result.data(), static_cast<std::int32_t>(result.size()), false, &status);
    if (U_FAILURE(status) || length <= 0) {
        return std::nullopt;
    }
    return QString::fromLatin1(result.data(), length);
}

} // namespace velora::LanguageTag
