#include "platform/DocumentImport.hpp"

#include "app/ImportService.hpp"
#include "platform/LinuxDocumentReaders.hpp"

namespace velora::DocumentImport {

std::optional<std::string> readFile(const std::filesystem::path& file) {
    return ImportService(std::make_shared<LinuxDocumentReaders>()).importTextNow(file);
}

} // namespace velora::DocumentImport
