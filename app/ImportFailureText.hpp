#pragma once

#include "app/ImportResult.hpp"

#include <QString>

namespace velora {

// Why a document gave no text, in the user's language; apart from ImportResult, which the text
// recognition module shares without Qt.
QString displayReason(ImportFailure failure);
// The line every road shows for a document that gave no text: its name as %1, why as %2.
QString couldNotRead();

} // namespace velora
