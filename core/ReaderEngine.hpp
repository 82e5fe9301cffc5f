#pragma once

#include "core/ReadingSettings.hpp"
#include "core/Sentences.hpp"
#include "core/Word.hpp"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace velora {

// The playback cursor over a word list. Every move clamps, so 0 <= index() <= count() holds
// whatever the arguments.
class ReaderEngine {
public:
    ReaderEngine();
    ReaderEngine(std::vector<Word> words, ReadingSettings settings, TextStarts starts = {});

    const std::vector<Word>& words() const { return *words_; }
    // The same words, for a reader that may outlive this load (a view, a worker).
    const std::shared_ptr<const std::vector<Word>>& sharedWords() const { return words_; }
    const TextStarts& starts() const { return starts_; }
    std::int64_t index() const { return index_; }

    // The chunk size is read from here on every call, so a change applies at the current index.
    ReadingSettings settings;

    bool isEmpty() const { return words_->empty(); }
    std::int64_t count() const { return static_cast<std::int64_t>(words_->size()); }
    bool isAtEnd() const { return index_ >= count(); }
    // A view into words(), valid until the next load.
    std::span<const Word> currentChunk() const;
    std::optional<Word> pivotWord() const;
    double progress() const;

    // `starts` belong to `words` (Sentences::of); without them the text is one sentence.
    void load(std::vector<Word> words, TextStarts starts = {});
    // Moves on by one chunk; answers whether another chunk follows.
    bool advance();
    void rewind(std::int64_t by);
    void skip(std::int64_t by);
    void seek(std::int64_t to);
    void restart();

    // Backward moves go to the start of the sentence or paragraph being read, or to the one
    // before when the index already stands at a start; forward moves go to the next start, or to
    // the end when there is none.
    void previousSentence();
    void nextSentence();
    void previousParagraph();
    void nextParagraph();
    // The first word of the sentence that holds the index (the index itself at the end).
    std::int64_t sentenceStart() const;
    // The words of the sentence that holds the index; empty at the end. Valid until the next load.
    std::span<const Word> sentence() const;

    bool operator==(const ReaderEngine& other) const;

private:
    // Never null. Shared, never changed: a load replaces it.
    std::shared_ptr<const std::vector<Word>> words_;
    TextStarts starts_;
    std::int64_t index_ = 0;
};

} // namespace velora
