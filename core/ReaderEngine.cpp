#include "core/ReaderEngine.hpp"

#include <algorithm>

namespace velora {

namespace {

using Starts = std::vector<std::int64_t>;

std::int64_t startBefore(const Starts& starts, std::int64_t index) {
    const auto after = std::lower_bound(starts.begin(), starts.end(), index);
    return after == starts.begin() ? 0 : *std::prev(after);
}

std::int64_t startAfter(const Starts& starts, std::int64_t index, std::int64_t end) {
    const auto after = std::upper_bound(starts.begin(), starts.end(), index);
    return after == starts.end() ? end : *after;
}

} // namespace

ReaderEngine::ReaderEngine() : words_(std::make_shared<const std::vector<Word>>()) {}

ReaderEngine::ReaderEngine(std::vector<Word> words, ReadingSettings settings, TextStarts starts)
    : settings(settings), words_(std::make_shared<const std::vector<Word>>(std::move(words))),
      starts_(std::move(starts)) {}

bool ReaderEngine::operator==(const ReaderEngine& other) const {
    return settings == other.settings && *words_ == *other.words_ && starts_ == other.starts_ &&
           index_ == other.index_;
}

std::span<const Word> ReaderEngine::currentChunk() const {
    if (isAtEnd()) {
        return {};
    }
    const std::int64_t length = std::min(settings.clampedWordsPerChunk(), count() - index_);
    return std::span<const Word>(*words_).subspan(static_cast<std::size_t>(index_),
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

void ReaderEngine::load(std::vector<Word> words, TextStarts starts) {
    words_ = std::make_shared<const std::vector<Word>>(std::move(words));
    starts_ = std::move(starts);
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

void ReaderEngine::previousSentence() {
    seek(startBefore(starts_.sentences, index_));
}

void ReaderEngine::nextSentence() {
    seek(startAfter(starts_.sentences, index_, count()));
}

void ReaderEngine::previousParagraph() {
    seek(startBefore(starts_.paragraphs, index_));
}

void ReaderEngine::nextParagraph() {
    seek(startAfter(starts_.paragraphs, index_, count()));
}

std::span<const Word> ReaderEngine::sentence() const {
    if (isAtEnd()) {
        return {};
    }
    const std::int64_t start = sentenceStart();
    const std::int64_t end = startAfter(starts_.sentences, index_, count());
    return std::span<const Word>(*words_).subspan(static_cast<std::size_t>(start),
                                                  static_cast<std::size_t>(end - start));
}

std::int64_t ReaderEngine::sentenceStart() const {
    if (isAtEnd()) {
        return index_;
    }
    return std::min(startBefore(starts_.sentences, index_ + 1), index_);
}

} // namespace velora
