#pragma once

#include "app/ImportResult.hpp"

#include <QString>

namespace velora {

// Why a document gave no text, in the user's language; apart from ImportResult, which the text
// recognition module shares without Qt.
QString displayReason(ImportFailure failure);

} // namespace velora
