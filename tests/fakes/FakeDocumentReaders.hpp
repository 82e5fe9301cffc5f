#pragma once

#include "app/platform/DocumentReaders.hpp"

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace velora {

// Answers every read with the reader's name and the file name, and remembers the calls and the
// threads they ran on.
class FakeDocumentReaders final : public DocumentReaders {
public:
    struct Call {
        std::string reader;
        std::filesystem::path file;
        std::thread::id thread;
    };

    std::optional<std::string> pdfText(const std::filesystem::path& file) const override {
        return record("pdf", file);
    }
    std::optional<std::string> epubText(const std::filesystem::path& file) const override {
        return record("epub", file);
    }
    std::optional<std::string> attributedText(const std::filesystem::path& file,
                                              std::string_view extension) const override {
        return record("attributed:" + std::string(extension), file);
    }

    std::vector<Call> calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }

private:
    std::optional<std::string> record(const std::string& reader,
                                      const std::filesystem::path& file) const {
        std::lock_guard lock(mutex_);
        calls_.push_back({reader, file, std::this_thread::get_id()});
        return reader + " " + file.filename().string();
    }

    mutable std::mutex mutex_;
    mutable std::vector<Call> calls_;
};

} // namespace velora
