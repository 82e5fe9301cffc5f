#include "app/ImportResult.hpp"

namespace velora {

std::string_view reason(ImportFailure failure) {
    switch (failure) {
    case ImportFailure::missing:
        return "there is no such file";
    case ImportFailure::permissionDenied:
        return "no permission to read it";
    case ImportFailure::folder:
        return "it is a folder";
    case ImportFailure::notRegularFile:
        return "it is not a regular file";
    case ImportFailure::empty:
        return "it is empty";
    case ImportFailure::tooLarge:
        return "it is larger than 512 MB";
    case ImportFailure::unsupported:
        return "its format is not supported";
    case ImportFailure::damaged:
        return "it is damaged";
    case ImportFailure::passwordProtected:
        return "it is protected by a password";
    case ImportFailure::scannedImages:
        return "its pages hold no text (scanned images)";
    case ImportFailure::noText:
        return "it holds no text";
    case ImportFailure::toolMissing:
        return "the program that reads this format is not installed";
    case ImportFailure::timedOut:
        return "reading it took too long";
    case ImportFailure::recognitionDataMissing:
        return "its pages hold no text (scanned images), and reading them needs the package "
               "tesseract-ocr-eng";
    case ImportFailure::cancelled:
        return "reading it was cancelled";
    }
    return "it could not be read";
}

} // namespace velora
