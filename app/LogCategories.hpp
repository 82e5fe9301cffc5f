#pragma once

#include <QLoggingCategory>

// Where the program says what went wrong and why. Only warnings show by default;
// QT_LOGGING_RULES="veloramac.*=true" or `veloramac --verbose` turns on the rest.
namespace velora {

Q_DECLARE_LOGGING_CATEGORY(lcCapture)
Q_DECLARE_LOGGING_CATEGORY(lcHotKey)
Q_DECLARE_LOGGING_CATEGORY(lcImport)
Q_DECLARE_LOGGING_CATEGORY(lcSpeech)
Q_DECLARE_LOGGING_CATEGORY(lcLibrary)
Q_DECLARE_LOGGING_CATEGORY(lcShell)

} // namespace velora
