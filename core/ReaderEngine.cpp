#include "core/ReaderEngine.hpp"

#include <algorithm>

namespace velora {

ReaderEngine::ReaderEngine(std::vector<Word> words, ReadingSettings settings)
    : settings(settings), words_(std::move(words)) {}

std::span<const Word> ReaderEngine::currentChunk() const {
    if (isAtEnd()) {
        return {};
    }
    const std::int64_t length = std::min(settings.clampedWordsPerChunk(), count() - index_);
    return std::span<const Word>(words_).subspan(static_cast<std::size_t>(index_),
                                                 static_cast<std::size_t>(length));
}

std::optional<Word> ReaderEngine::pivotWord() const {
    auto chunk = currentChunk();
    if (chunk.empty()) {
        return std::nullopt;
    }
    return chunk.front();
}

double ReaderEngine::progress() const {
    if (isEmpty()) {
        return 0.0;
    }
    return static_cast<double>(std::min(index_, count())) / static_cast<double>(count());
}

void ReaderEngine::load(std::vector<Word> words) {
    words_ = std::move(words);
    index_ = 0;
}

bool ReaderEngine::advance() {
    if (isAtEnd()) {
        return false;
    }
    skip(settings.clampedWordsPerChunk());
    return !isAtEnd();
}

void ReaderEngine::rewind(std::int64_t by) {
    if (by <= 0) {
        return;
    }
    index_ = by >= index_ ? 0 : index_ - by;
}

void ReaderEngine::skip(std::int64_t by) {
    if (by <= 0) {
        return;
    }
    // Compared against the distance left so that index + by is never formed when it would
    // overflow.
    index_ = by >= count() - index_ ? count() : index_ + by;
}

void ReaderEngine::seek(std::int64_t to) {
    index_ = std::clamp<std::int64_t>(to, 0, count());
}

void ReaderEngine::restart() {
    index_ = 0;
}

} // namespace velora
