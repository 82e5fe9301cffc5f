#include "core/Sentences.hpp"

#include "core/Graphemes.hpp"
#include "core/ORP.hpp"
#include "core/Punctuation.hpp"
#include "core/ScriptWords.hpp"
#include "core/TextEngine.hpp"

#include <algorithm>
#include <array>
#include <iterator>
#include <memory>
#include <unicode/brkiter.h>
#include <unicode/filteredbrk.h>
#include <unicode/utext.h>

namespace velora::Sentences {

namespace {

bool separatesTokens(char c) {
    return c == ' ' || c == '\t';
}

bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The rules break after an initial ("J. Smith") and after a list number ("1. First"), where a
// reader sees no sentence end, and after Myanmar's little section, which reads as a comma.
bool endsNoSentence(std::string_view token, bool firstOnLine) {
    if (token.size() < 2 || token.back() != '.') {
        return Punctuation::weight(token) == PunctuationWeight::minor;
    }
    const std::string_view body = token.substr(0, token.size() - 1);
    if (body.size() == 1 && isAsciiLetter(body[0])) {
        return true;
    }
    return firstOnLine && body.size() <= 3 && std::all_of(body.begin(), body.end(), isAsciiDigit);
}

// Lines of ASCII without a stop have one sentence, and most lines of prose are worth no more
// than this scan.
bool mayHoldBreaks(std::string_view line) {
    for (const char c : line) {
        if (c == '.' || c == '!' || c == '?' || static_cast<unsigned char>(c) >= 0x80) {
            return true;
        }
    }
    return false;
}

// Titles and references that the standard suppressions leave out, as "Dr." might be "Drive";
// before a capital they are far more often abbreviations than sentence ends.
constexpr std::array<const char*, 19> abbreviations{
    "Dr.",  "St.",  "Jr.",  "Sr.",  "Fig.", "Figs.", "Vol.", "Gen.", "Lt.",    "Col.",
    "Sgt.", "Gov.", "Sen.", "Rep.", "Ft.",  "e.g.",  "i.e.", "cf.",  "approx."};

// Full stops of Khmer and Thai that end a sentence for a reader, and so pause like one, where the
// Unicode rules see none.
constexpr std::array<char32_t, 4> endsTheRulesMiss{U'\u17D4', U'\u17D5', U'\u0E5A', U'\u0E5B'};

std::unique_ptr<icu::BreakIterator> makeSentenceIterator() {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> rules(
        icu::BreakIterator::createSentenceInstance(icu::Locale::getEnglish(), status));
    if (U_FAILURE(status)) {
        return nullptr;
    }
    // Starts from the English suppressions, which keep "Mr." and "Prof." inside their sentence.
    std::unique_ptr<icu::FilteredBreakIteratorBuilder> filter(
        icu::FilteredBreakIteratorBuilder::createInstance(icu::Locale::getEnglish(), status));
    if (U_FAILURE(status)) {
        return rules;
    }
    for (const char* abbreviation : abbreviations) {
        filter->suppressBreakAfter(icu::UnicodeString::fromUTF8(abbreviation), status);
    }
    std::unique_ptr<icu::BreakIterator> filtered(
        filter->wrapIteratorWithFilter(rules.release(), status));
    return U_SUCCESS(status) ? std::move(filtered) : nullptr;
}

icu::BreakIterator* sentenceIterator() {
    thread_local const std::unique_ptr<icu::BreakIterator> iterator = makeSentenceIterator();
    return iterator.get();
}

struct Token {
    std::size_t begin;
    std::size_t end;
};

// The rules put the break after an opening bracket that follows a full stop without a space
// ("。「"), which is where the next word begins for a reader.
bool beginsWordAt(std::string_view line, Token word, std::size_t offset) {
    if (word.begin >= offset) {
        return word.begin == offset;
    }
    bool marksOnly = true;
    const std::string_view before = line.substr(word.begin, offset - word.begin);
    Graphemes::forEach(before, [&](std::size_t begin, std::size_t end) {
        marksOnly = !ORP::isAlphanumeric(before.substr(begin, end - begin));
        return marksOnly;
    });
    return marksOnly;
}

class LineScanner {
public:
    // With the tokenizer's words of the text, tokens are cut where those words end rather than
    // cut afresh.
    LineScanner(std::vector<std::int64_t>& starts, const std::vector<Word>* words)
        : starts_(starts), words_(words) {}

    void scan(std::string_view line) {
        tokens_.clear();
        std::size_t i = 0;
        while (i < line.size()) {
            if (separatesTokens(line[i])) {
                ++i;
                continue;
            }
            const std::size_t begin = i;
            while (i < line.size() && !separatesTokens(line[i])) {
                ++i;
            }
            if (words_ != nullptr) {
                addWordsOf(begin, i);
            } else {
                ScriptWords::forEachWord(
                    line.substr(begin, i - begin), [&](ScriptWords::Piece piece, bool) {
                        tokens_.push_back({begin + piece.begin, begin + piece.end});
                    });
            }
        }
        if (tokens_.empty()) {
            return;
        }
        const std::size_t lineStart = starts_.size();
        starts_.push_back(nextWord_);
        if (mayHoldBreaks(line)) {
            addBreaks(line);
            addEndsTheRulesMiss(line, lineStart);
        }
        nextWord_ += static_cast<std::int64_t>(tokens_.size());
    }

private:
    // Words that do not fit the token, from a caller that mixed up texts, end it.
    void addWordsOf(std::size_t begin, std::size_t end) {
        while (begin < end) {
            const auto word = static_cast<std::size_t>(nextWord_) + tokens_.size();
            const std::size_t length = word < words_->size() ? (*words_)[word].text.size() : 0;
            const std::size_t wordEnd = length == 0 ? end : std::min(end, begin + length);
            tokens_.push_back({begin, wordEnd});
            begin = wordEnd;
        }
    }

    void addBreaks(std::string_view line) {
        icu::BreakIterator* iterator = sentenceIterator();
        if (iterator == nullptr) {
            return;
        }
        UErrorCode status = U_ZERO_ERROR;
        UText text = UTEXT_INITIALIZER;
        utext_openUTF8(&text, line.data(), static_cast<std::int64_t>(line.size()), &status);
        iterator->setText(&text, status);
        if (U_FAILURE(status)) {
            utext_close(&text);
            return;
        }
        std::size_t token = 0;
        for (std::int32_t at = iterator->next(); at != icu::BreakIterator::DONE;
             at = iterator->next()) {
            const auto offset = static_cast<std::size_t>(at);
            while (token < tokens_.size() && tokens_[token].end <= offset) {
                ++token;
            }
            if (token == tokens_.size()) {
                break;
            }
            if (token == 0) {
                continue;
            }
            const Token& before = tokens_[token - 1];
            if (beginsWordAt(line, tokens_[token], offset) &&
                !endsNoSentence(line.substr(before.begin, before.end - before.begin), token == 1) &&
                starts_.back() != nextWord_ + static_cast<std::int64_t>(token)) {
                starts_.push_back(nextWord_ + static_cast<std::int64_t>(token));
            }
        }
        utext_close(&text);
    }

    void addEndsTheRulesMiss(std::string_view line, std::size_t lineStart) {
        bool added = false;
        for (std::size_t k = 0; k + 1 < tokens_.size(); ++k) {
            const Token& token = tokens_[k];
            if (Punctuation::endsWith(line.substr(token.begin, token.end - token.begin),
                                      endsTheRulesMiss)) {
                starts_.push_back(nextWord_ + static_cast<std::int64_t>(k + 1));
                added = true;
            }
        }
        if (added) {
            const auto ofLine = starts_.begin() + static_cast<std::ptrdiff_t>(lineStart);
            std::sort(ofLine, starts_.end());
            starts_.erase(std::unique(ofLine, starts_.end()), starts_.end());
        }
    }

    std::vector<std::int64_t>& starts_;
    const std::vector<Word>* words_;
    std::vector<Token> tokens_;
    std::int64_t nextWord_ = 0;
};

std::vector<std::int64_t> startsInLines(std::string_view text, const std::vector<Word>* words) {
    std::vector<std::int64_t> starts;
    LineScanner scanner(starts, words);
    std::size_t begin = 0;
    while (begin <= text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        scanner.scan(text.substr(begin, end - begin));
        begin = end + 1;
    }
    return starts;
}

// Reads the text exactly as the tokenizer reads it, so that the words counted here are its words.
std::vector<std::int64_t> startsOf(std::string_view cleanedText, const std::vector<Word>* words) {
    if (!Graphemes::isWellFormed(cleanedText)) {
        return startsInLines(TextEngine::normalize(Graphemes::repairUtf8(cleanedText)), words);
    }
    if (cleanedText.find('\r') != std::string_view::npos) {
        return startsInLines(TextEngine::normalize(cleanedText), words);
    }
    return startsInLines(cleanedText, words);
}

} // namespace

std::vector<std::int64_t> starts(std::string_view cleanedText) {
    return startsOf(cleanedText, nullptr);
}

TextStarts of(const std::vector<Word>& words, std::string_view cleanedText) {
    return indexed(words, startsOf(cleanedText, &words));
}

TextStarts indexed(const std::vector<Word>& words, std::vector<std::int64_t> sentenceStarts) {
    TextStarts result;
    if (words.empty()) {
        return result;
    }
    const auto count = static_cast<std::int64_t>(words.size());
    result.paragraphs.push_back(0);
    for (std::int64_t index = 0; index + 1 < count; ++index) {
        if (words[static_cast<std::size_t>(index)].isParagraphEnd) {
            result.paragraphs.push_back(index + 1);
        }
    }
    std::erase_if(sentenceStarts,
                  [count](std::int64_t start) { return start < 0 || start >= count; });
    std::sort(sentenceStarts.begin(), sentenceStarts.end());
    sentenceStarts.erase(std::unique(sentenceStarts.begin(), sentenceStarts.end()),
                         sentenceStarts.end());
    result.sentences.reserve(sentenceStarts.size() + result.paragraphs.size());
    std::set_union(sentenceStarts.begin(), sentenceStarts.end(), result.paragraphs.begin(),
                   result.paragraphs.end(), std::back_inserter(result.sentences));
    return result;
}

} // namespace velora::Sentences
