#include "app/ImportFailureText.hpp"

#include <QCoreApplication>

namespace velora {

std::string_view reason(ImportFailure failure) {
    switch (failure) {
    case ImportFailure::missing:
        return QT_TRANSLATE_NOOP("ImportFailure", "there is no such file");
    case ImportFailure::permissionDenied:
        return QT_TRANSLATE_NOOP("ImportFailure", "no permission to read it");
    case ImportFailure::folder:
        return QT_TRANSLATE_NOOP("ImportFailure", "it is a folder");
    case ImportFailure::notRegularFile:
        return QT_TRANSLATE_NOOP("ImportFailure", "it is not a regular file");
    case ImportFailure::empty:
        return QT_TRANSLATE_NOOP("ImportFailure", "it is empty");
    case ImportFailure::tooLarge:
        return QT_TRANSLATE_NOOP("ImportFailure", "it is larger than 512 MB");
    case ImportFailure::unsupported:
        return QT_TRANSLATE_NOOP("ImportFailure", "its format is not supported");
    case ImportFailure::damaged:
        return QT_TRANSLATE_NOOP("ImportFailure", "it is damaged");
    case ImportFailure::passwordProtected:
        return QT_TRANSLATE_NOOP("ImportFailure", "it is protected by a password");
    case ImportFailure::scannedImages:
        return QT_TRANSLATE_NOOP("ImportFailure", "its pages hold no text (scanned images)");
    case ImportFailure::noText:
        return QT_TRANSLATE_NOOP("ImportFailure", "it holds no text");
    case ImportFailure::toolMissing:
        return QT_TRANSLATE_NOOP("ImportFailure",
                                 "the program that reads this format is not installed");
    case ImportFailure::timedOut:
        return QT_TRANSLATE_NOOP("ImportFailure", "reading it took too long");
    case ImportFailure::recognitionDataMissing:
        return QT_TRANSLATE_NOOP("ImportFailure",
                                 "its pages hold no text (scanned images), and reading them needs "
                                 "the package tesseract-ocr-eng");
    case ImportFailure::cancelled:
        return QT_TRANSLATE_NOOP("ImportFailure", "reading it was cancelled");
    }
    return QT_TRANSLATE_NOOP("ImportFailure", "it could not be read");
}

QString displayReason(ImportFailure failure) {
    return QCoreApplication::translate("ImportFailure", reason(failure).data());
}

QString couldNotRead() {
    return QCoreApplication::translate("ImportFailure", "Couldn't read %1: %2");
}

} // namespace velora
