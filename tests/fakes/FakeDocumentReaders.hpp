#pragma once

#include "app/platform/DocumentReaders.hpp"

#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace velora {

// Answers every read with the format's number and the document's bytes, names every charset
// "KOI8-R", and remembers the calls and the threads they ran on. PDFs may be read as scans are:
// page by page, reported to the monitor, which can cancel them.
class FakeDocumentReaders final : public DocumentReaders {
public:
    struct Call {
        DocumentFormat format;
        std::thread::id thread;
    };

    ImportResult text(DocumentFormat format, const OpenedDocument& document) const override {
        const InProgress reading(readsInProgress_);
        std::shared_future<void> gate;
        {
            std::lock_guard lock(mutex_);
            calls_.push_back({format, std::this_thread::get_id()});
            gate = gate_;
        }
        if (gate.valid()) {
            gate.wait();
        }
        while (holdUntilCancelled_ && !(document.monitor && document.monitor->isCancelled())) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        std::string text =
            std::to_string(static_cast<int>(format)) + ":" + std::string(document.bytes);
        const int pages = scannedPages_;
        if (format != DocumentFormat::pdf || pages == 0) {
            return text;
        }
        for (int page = 1; page <= pages; ++page) {
            if (document.monitor != nullptr && document.monitor->isCancelled()) {
                return ImportFailure::cancelled;
            }
            if (document.monitor != nullptr && document.monitor->recognisingPage) {
                document.monitor->recognisingPage(page, pages);
            }
            text += " page" + std::to_string(page);
        }
        return ImportResult::recognised(std::move(text));
    }
    // PDFs are read as scans of this many pages.
    void scanPdfs(int pages) { scannedPages_ = pages; }
    std::string charsetOf(std::string_view) const override { return "KOI8-R"; }

    // Reads then wait until `gate` is ready, as a reader stuck on a hostile file does.
    void holdReadsUntil(std::shared_future<void> gate) {
        std::lock_guard lock(mutex_);
        gate_ = std::move(gate);
    }

    // Reads then go on until they are cancelled, as a long recognition does.
    void holdReadsUntilCancelled() { holdUntilCancelled_ = true; }
    int readsInProgress() const { return readsInProgress_; }

    std::vector<Call> calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }

private:
    struct InProgress {
        explicit InProgress(std::atomic<int>& count) : count_(count) { ++count_; }
        ~InProgress() { --count_; }
        InProgress(const InProgress&) = delete;
        InProgress& operator=(const InProgress&) = delete;
        std::atomic<int>& count_;
    };

    mutable std::mutex mutex_;
    mutable std::vector<Call> calls_;
    std::shared_future<void> gate_;
    std::atomic<int> scannedPages_{0};
    std::atomic<bool> holdUntilCancelled_{false};
    mutable std::atomic<int> readsInProgress_{0};
};

} // namespace velora
