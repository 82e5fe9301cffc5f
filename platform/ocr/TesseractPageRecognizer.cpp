#include "platform/documents/PageRecognizer.hpp"

#include <memory>
#include <omp.h>
#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>

namespace velora {

namespace {

bool cancelRecognition(void* monitor, int) {
    return static_cast<const ReadingMonitor*>(monitor)->isCancelled();
}

class TesseractPageRecognizer final : public PageRecognizer {
public:
    explicit TesseractPageRecognizer(std::unique_ptr<tesseract::TessBaseAPI> api)
        : api_(std::move(api)) {}
    ~TesseractPageRecognizer() override { api_->End(); }

    std::string read(const unsigned char* pixels, int width, int height, int bytesPerRow, int dpi,
                     const ReadingMonitor* monitor) override {
        // Tesseract asks for a fixed team of threads per step; on a busy machine those threads
        // wait on each other for longer than one alone takes, so the team follows the load.
        omp_set_dynamic(1);
        api_->SetImage(pixels, width, height, 1, bytesPerRow);
        api_->SetSourceResolution(dpi);
        tesseract::ETEXT_DESC progress;
        if (monitor != nullptr) {
            progress.cancel = &cancelRecognition;
            progress.cancel_this = const_cast<ReadingMonitor*>(monitor);
        }
        progress.set_deadline_msecs(pageTimeoutMilliseconds);
        std::string text;
        if (api_->Recognize(&progress) == 0) {
            const std::unique_ptr<char[]> utf8(api_->GetUTF8Text());
            if (utf8) {
                text = utf8.get();
            }
        }
        api_->Clear();
        return text;
    }

private:
    std::unique_ptr<tesseract::TessBaseAPI> api_;
};

} // namespace

} // namespace velora

extern "C" velora::PageRecognizer* velora_open_page_recognizer(const char* folder,
                                                               const char* language) {
    auto api = std::make_unique<tesseract::TessBaseAPI>();
    if (api->Init(folder, language, tesseract::OEM_LSTM_ONLY) != 0) {
        return nullptr;
    }
    return new velora::TesseractPageRecognizer(std::move(api));
}
