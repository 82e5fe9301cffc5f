#pragma once

namespace velora {

// Installs the program's translation for the desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG as Qt reads them) and Qt's own for its standard dialogs, and mirrors the layout for a
// right-to-left language. Needs the application object; a language without a translation
// leaves the English texts.
void installTranslations();

} // namespace velora
