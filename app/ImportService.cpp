#include "app/ImportService.hpp"

#include "app/DocumentFile.hpp"
#include "app/LogCategories.hpp"
#include "core/HardWrap.hpp"
#include "core/MarkdownCleaner.hpp"
#include "core/TextDecoder.hpp"
#include "core/WhiteSpace.hpp"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <new>

namespace velora {

namespace {

// Plain-text files and PDF pages are wrapped at a fixed width; their text flows on across the
// breaks that only wrap.
ImportResult unwrapped(ImportResult result) {
    if (result.ok()) {
        result.text() = HardWrap::join(result.text());
    }
    return result;
}

// The file dialog's name for each format, in the user's language.
QString formatLabel(DocumentFormat format) {
    switch (format) {
    case DocumentFormat::pdf:
        return QCoreApplication::translate("DocumentFormat", "PDF documents");
    case DocumentFormat::epub:
        return QCoreApplication::translate("DocumentFormat", "EPUB books");
    case DocumentFormat::docx:
        return QCoreApplication::translate("DocumentFormat", "Word documents");
    case DocumentFormat::legacyWord:
        return QCoreApplication::translate("DocumentFormat", "Word 97-2003 documents");
    case DocumentFormat::odt:
        return QCoreApplication::translate("DocumentFormat", "OpenDocument texts");
    case DocumentFormat::rtf:
        return QCoreApplication::translate("DocumentFormat", "Rich text documents");
    case DocumentFormat::html:
        return QCoreApplication::translate("DocumentFormat", "Web pages");
    case DocumentFormat::webArchive:
        return QCoreApplication::translate("DocumentFormat", "Web archives");
    case DocumentFormat::markdown:
        return QCoreApplication::translate("DocumentFormat", "Markdown texts");
    case DocumentFormat::plainText:
    case DocumentFormat::unsupported:
        break;
    }
    return QCoreApplication::translate("DocumentFormat", "Plain texts");
}

} // namespace

ImportService::ImportService(std::shared_ptr<const DocumentReaders> readers)
    : readers_(std::move(readers)) {}

std::string ImportService::fingerprint(std::string_view bytes) {
    return QCryptographicHash::hash(
               QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
               QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

ImportResult ImportService::importText(const std::filesystem::path& file,
                                       const ReadingMonitor* monitor) const {
    ImportResult result = readNonBlank(file, monitor);
    if (result.ok()) {
        qCDebug(lcImport, "read %zu bytes of text from %s", result.text().size(), file.c_str());
    } else {
        const std::string_view why = reason(result.failure());
        qCInfo(lcImport, "couldn't read %s: %.*s", file.c_str(), static_cast<int>(why.size()),
               why.data());
    }
    return result;
}

ImportResult ImportService::readNonBlank(const std::filesystem::path& file,
                                         const ReadingMonitor* monitor) const {
    // A document too large for memory is unreadable like any other; it must not end the program.
    try {
        ImportResult result = read(file, monitor);
        // Blank text would replace the loaded document with nothing to read.
        if (result.ok() && WhiteSpace::isBlank(result.text())) {
            return ImportFailure::noText;
        }
        return result;
    } catch (const std::bad_alloc&) {
        return ImportFailure::tooLarge;
    }
}

ImportResult ImportService::read(const std::filesystem::path& file,
                                 const ReadingMonitor* monitor) const {
    auto opened = DocumentFile::open(file);
    if (const auto* failure = std::get_if<ImportFailure>(&opened)) {
        return *failure;
    }
    const DocumentFile& document = std::get<DocumentFile>(opened);
    const DocumentFormat format =
        DocumentFormats::recognise(document.bytes(), DocumentFile::extension(file));
    const auto guess = [this](std::string_view bytes) { return readers_->charsetOf(bytes); };
    switch (format) {
    case DocumentFormat::unsupported:
        return ImportFailure::unsupported;
    case DocumentFormat::plainText:
        return unwrapped(TextDecoder::decode(document.bytes(), guess));
    case DocumentFormat::pdf: {
        ImportResult result =
            unwrapped(readers_->text(format, {document.descriptor(), document.bytes(), monitor}));
        if (result.isRecognised()) {
            result.setSourceFingerprint(fingerprint(document.bytes()));
        }
        return result;
    }
    case DocumentFormat::markdown:
        return MarkdownCleaner::plainText(TextDecoder::decode(document.bytes(), guess));
    default:
        return readers_->text(format, {document.descriptor(), document.bytes()});
    }
}

QStringList ImportService::nameFilters() {
    const auto filter = [](const QString& label, const QStringList& patterns) {
        return QStringLiteral("%1 (%2)").arg(label, patterns.join(QLatin1Char(' ')));
    };
    QStringList filters;
    QStringList allPatterns;
    for (const DocumentFormatInfo& info : DocumentFormats::all()) {
        QStringList patterns;
        for (const std::string_view pattern : info.patterns) {
            patterns.append(
                QString::fromUtf8(pattern.data(), static_cast<qsizetype>(pattern.size())));
        }
        filters.append(filter(formatLabel(info.format), patterns));
        allPatterns.append(patterns);
    }
    filters.prepend(filter(QCoreApplication::translate("DocumentFormat", "All supported documents"),
                           allPatterns));
    filters.append(QCoreApplication::translate("DocumentFormat", "All files (*)"));
    return filters;
}

} // namespace velora
