#include "core/ReaderEngine.hpp"

#include <algorithm>
#include <iterator>

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

ReaderEngine::ReaderEngine(std::vector<Word> words, ReadingSettings settings,
                           std::vector<std::int64_t> sentenceStarts)
    : settings(settings), words_(std::move(words)) {
    indexStarts(std::move(sentenceStarts));
}

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

void ReaderEngine::load(std::vector<Word> words, std::vector<std::int64_t> sentenceStarts) {
    words_ = std::move(words);
    index_ = 0;
    indexStarts(std::move(sentenceStarts));
}

void ReaderEngine::indexStarts(std::vector<std::int64_t> sentenceStarts) {
    paragraphStarts_.clear();
    if (words_.empty()) {
        sentenceStarts_.clear();
        return;
    }
    paragraphStarts_.push_back(0);
    for (const Word& word : words_) {
        if (word.isParagraphEnd && word.id + 1 < count()) {
            paragraphStarts_.push_back(word.id + 1);
        }
    }
    // Starts computed on another text, or out of order, must not move the index outside the words.
    std::erase_if(sentenceStarts,
                  [&](std::int64_t start) { return start < 0 || start >= count(); });
    std::sort(sentenceStarts.begin(), sentenceStarts.end());
    sentenceStarts.erase(std::unique(sentenceStarts.begin(), sentenceStarts.end()),
                         sentenceStarts.end());
    sentenceStarts_.clear();
    sentenceStarts_.reserve(sentenceStarts.size() + paragraphStarts_.size());
    std::set_union(sentenceStarts.begin(), sentenceStarts.end(), paragraphStarts_.begin(),
                   paragraphStarts_.end(), std::back_inserter(sentenceStarts_));
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
    index_ = startBefore(sentenceStarts_, index_);
}

void ReaderEngine::nextSentence() {
    index_ = startAfter(sentenceStarts_, index_, count());
}

void ReaderEngine::previousParagraph() {
    index_ = startBefore(paragraphStarts_, index_);
}

void ReaderEngine::nextParagraph() {
    index_ = startAfter(paragraphStarts_, index_, count());
}

std::int64_t ReaderEngine::sentenceStart() const {
    if (isAtEnd()) {
        return index_;
    }
    return startBefore(sentenceStarts_, index_ + 1);
}

} // namespace velora
