#include "shell/ShellReader.hpp"

namespace velora {

ShellReader::~ShellReader() = default;

} // namespace velora
