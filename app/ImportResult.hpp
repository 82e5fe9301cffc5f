#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace velora {

// Why a document gave no text.
enum class ImportFailure {
    missing,
    permissionDenied,
    folder,
    notRegularFile,
    empty,
    tooLarge,
    unsupported,
    damaged,
    passwordProtected,
    scannedImages,
    noText,
    toolMissing,
    timedOut,
    recognitionDataMissing,
    cancelled,
};

// The reason as the user reads it after "Couldn't read NAME: ".
std::string_view reason(ImportFailure failure);

// The raw text of a document, or why there is none.
class ImportResult {
public:
    ImportResult(std::string text) : value_(std::move(text)) {}
    ImportResult(const char* text) : value_(std::string(text)) {}
    ImportResult(ImportFailure failure) : value_(failure) {}
    // Text read from images of pages; worth keeping, since reading it again is slow.
    static ImportResult recognised(std::string text) {
        ImportResult result(std::move(text));
        result.recognised_ = true;
        return result;
    }

    bool ok() const { return std::holds_alternative<std::string>(value_); }
    const std::string& text() const { return std::get<std::string>(value_); }
    std::string& text() { return std::get<std::string>(value_); }
    ImportFailure failure() const { return std::get<ImportFailure>(value_); }
    bool isRecognised() const { return recognised_; }
    // The fingerprint of the file recognised text was read from; empty when unknown.
    const std::string& sourceFingerprint() const { return fingerprint_; }
    void setSourceFingerprint(std::string fingerprint) { fingerprint_ = std::move(fingerprint); }

    bool operator==(const ImportResult&) const = default;

private:
    std::variant<std::string, ImportFailure> value_;
    bool recognised_ = false;
    std::string fingerprint_;
};

} // namespace velora
