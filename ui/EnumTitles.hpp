#pragma once

#include "core/ReadingMode.hpp"
#include "core/ReadingTheme.hpp"
#include "core/WordTransition.hpp"

#include <QString>

namespace velora {

// The names the user reads for the reading choices, in the desktop's language.
QString displayTitle(ReadingMode mode);
QString displayTitle(ReadingTheme theme);
QString displayTitle(WordTransition transition);

} // namespace velora
