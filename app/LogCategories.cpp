#include "app/LogCategories.hpp"

namespace velora {

Q_LOGGING_CATEGORY(lcCapture, "veloramac.capture", QtWarningMsg)
Q_LOGGING_CATEGORY(lcHotKey, "veloramac.hotkey", QtWarningMsg)
Q_LOGGING_CATEGORY(lcImport, "veloramac.import", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSpeech, "veloramac.speech", QtWarningMsg)
Q_LOGGING_CATEGORY(lcLibrary, "veloramac.library", QtWarningMsg)
Q_LOGGING_CATEGORY(lcShell, "veloramac.shell", QtWarningMsg)

} // namespace velora
