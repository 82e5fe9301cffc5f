#pragma once

#include <QString>
#include <optional>

namespace velora::LanguageTag {

// The well-formed BCP-47 form of a language tag, with the casing and the current codes of the
// standard (en-gb to en-GB, iw to he). A tag that is well formed only in part keeps its
// well-formed beginning; none when nothing of it is a language.
std::optional<QString> bcp47(const QString& tag);

} // namespace velora::LanguageTag
