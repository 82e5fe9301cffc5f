#include "app/platform/LanguageRecognizer.hpp"

namespace velora {

LanguageRecognizer::~LanguageRecognizer() = default;

} // namespace velora
