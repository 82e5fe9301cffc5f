#include "platform/documents/DocumentImport.hpp"

#include "app/ImportService.hpp"
#include "platform/documents/LinuxDocumentReaders.hpp"

namespace velora::DocumentImport {

ImportResult readFile(const std::filesystem::path& file) {
    return ImportService(std::make_shared<LinuxDocumentReaders>()).importText(file);
}

} // namespace velora::DocumentImport
