#pragma once

#include "app/ImportResult.hpp"
#include "core/DocumentFormat.hpp"

#include <atomic>
#include <functional>
#include <string>
#include <string_view>

namespace velora {

// What a long read (text recognition of scanned pages) reports and obeys while it runs.
struct ReadingMonitor {
    // Set from another thread; the reader stops within the page it is on.
    const std::atomic<bool>* cancelled = nullptr;
    // Called on the reader's thread before each page is recognised, counting from 1.
    std::function<void(int page, int pages)> recognisingPage;

    bool isCancelled() const { return cancelled != nullptr && cancelled->load(); }
};

// A document file opened for reading: its descriptor and all its bytes.
struct OpenedDocument {
    int descriptor;
    std::string_view bytes;
    const ReadingMonitor* monitor = nullptr;
};

// The platform's readers of document formats. Each may run on any thread and blocks it while it
// reads; none opens the document's path again.
class DocumentReaders {
public:
    virtual ~DocumentReaders() = default;

    // The raw text of a document in one of the formats the importer does not decode itself
    // (every format but Markdown and plain text).
    virtual ImportResult text(DocumentFormat format, const OpenedDocument& document) const = 0;
    // The likely charset of text that is not UTF-8, as ICU names it; empty when unknown.
    virtual std::string charsetOf(std::string_view bytes) const = 0;
};

} // namespace velora
