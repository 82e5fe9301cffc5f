#include "platform/documents/PageRecognizer.hpp"

#include <dlfcn.h>
#include <memory>
#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>

namespace velora {

namespace {

// Tesseract asks its OpenMP runtime for a fixed team of threads per step; on a busy machine those
// threads wait on each other for longer than one alone takes, so the teams follow the load. The
// runtime is reached through the library tesseract loaded, whichever compiler built this one.
void sizeThreadTeamsByLoad() {
    using SetDynamic = void (*)(int);
    static const SetDynamic setDynamic = [] {
        void* runtime = ::dlopen("libgomp.so.1", RTLD_NOW | RTLD_NOLOAD);
        return runtime != nullptr
                   ? reinterpret_cast<SetDynamic>(::dlsym(runtime, "omp_set_dynamic"))
                   : SetDynamic{};
    }();
    if (setDynamic != nullptr) {
        setDynamic(1);
    }
}

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
        sizeThreadTeamsByLoad();
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
