#include "app/ImportService.hpp"

#include "app/FileBytes.hpp"
#include "core/HardWrap.hpp"
#include "core/MarkdownCleaner.hpp"
#include "core/TextDecoder.hpp"
#include "core/WhiteSpace.hpp"

#include <QFutureWatcher>
#include <QMimeDatabase>
#include <QPromise>
#include <QThreadPool>
#include <algorithm>
#include <array>
#include <new>

namespace velora {

namespace {

constexpr std::array attributedExtensions{"docx", "doc",  "rtf", "rtfd",
                                          "odt",  "html", "htm", "webarchive"};

// Plain-text files and PDF pages are wrapped at a fixed width; their text flows on across the
// breaks that only wrap.
std::optional<std::string> unwrapped(std::optional<std::string> text) {
    if (!text) {
        return std::nullopt;
    }
    return HardWrap::join(*text);
}

std::optional<std::string> plainText(const std::filesystem::path& file) {
    auto bytes = FileBytes::read(file);
    if (!bytes) {
        return std::nullopt;
    }
    return TextDecoder::decode(*bytes);
}

} // namespace

ImportService::ImportService(std::shared_ptr<const DocumentReaders> readers)
    : readers_(std::move(readers)) {}

std::string ImportService::extension(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    const auto dot = name.rfind('.');
    if (dot == std::string::npos) {
        return {};
    }
    std::string result = name.substr(dot + 1);
    std::transform(result.begin(), result.end(), result.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return result;
}

ImportService::Result ImportService::importTextNow(const std::filesystem::path& file) const {
    // A document too large for memory is unreadable like any other; it must not end the program.
    try {
        Result text = read(file);
        // Blank text would replace the loaded document with nothing to read.
        if (text && WhiteSpace::isBlank(*text)) {
            return std::nullopt;
        }
        return text;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

ImportService::Result ImportService::read(const std::filesystem::path& file) const {
    const std::string type = extension(file);
    if (type == "pdf") {
        return unwrapped(readers_->pdfText(file));
    }
    if (type == "epub") {
        return readers_->epubText(file);
    }
    if (type == "md" || type == "markdown") {
        auto text = plainText(file);
        if (!text) {
            return std::nullopt;
        }
        return MarkdownCleaner::plainText(*text);
    }
    if (std::find(attributedExtensions.begin(), attributedExtensions.end(), type) !=
        attributedExtensions.end()) {
        return readers_->attributedText(file, type);
    }
    return unwrapped(plainText(file));
}

QFuture<ImportService::Result> ImportService::importText(const std::filesystem::path& file) const {
    auto promise = std::make_shared<QPromise<Result>>();
    QFuture<Result> future = promise->future();
    promise->start();
    // The worker holds the readers itself, so it may outlive this service.
    QThreadPool::globalInstance()->start([promise, readers = readers_, file] {
        promise->addResult(ImportService(readers).importTextNow(file));
        promise->finish();
    });
    return future;
}

void ImportService::importText(const std::filesystem::path& file, QObject* receiver,
                               std::function<void(Result)> done) const {
    // The watcher belongs to the receiver, so the answer dies with it; QFuture::then with a
    // context cannot be used here, as Qt 6.4 asserts when the context goes first.
    auto* watcher = new QFutureWatcher<Result>(receiver);
    QObject::connect(watcher, &QFutureWatcherBase::finished, receiver,
                     [watcher, done = std::move(done)] {
                         watcher->deleteLater();
                         done(watcher->result());
                     });
    watcher->setFuture(importText(file));
}

const QStringList& ImportService::supportedTypes() {
    // PDF, plain text, RTF, Markdown, EPUB, Word (new and old) and OpenDocument text; RTFD
    // bundles have no MIME type of their own here.
    static const QStringList types{
        "application/pdf",
        "text/plain",
        "application/rtf",
        "text/markdown",
        "application/epub+zip",
        "application/vnd.openxmlformats-officedocument.wordprocessingml.document",
        "application/msword",
        "application/vnd.oasis.opendocument.text",
    };
    return types;
}

QStringList ImportService::nameFilters() {
    const QMimeDatabase database;
    QStringList filters;
    QStringList allPatterns;
    for (const QString& name : supportedTypes()) {
        const QMimeType type = database.mimeTypeForName(name);
        if (!type.isValid()) {
            continue;
        }
        filters.append(type.filterString());
        allPatterns.append(type.globPatterns());
    }
    allPatterns.removeDuplicates();
    filters.prepend(QObject::tr("Supported documents (%1)").arg(allPatterns.join(' ')));
    return filters;
}

} // namespace velora
