#pragma once

#include "core/Hyphenator.hpp"
#include "core/ReadingHistoryEntry.hpp"
#include "core/Sentences.hpp"
#include "core/Word.hpp"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velora {

// A document made ready off the main thread, which then only installs it: its words and who it
// is in the library.
struct PreparedDocument {
    std::vector<Word> words;
    TextStarts starts;
    std::string key;
    std::string title;
    ReadingHistoryEntry::Kind kind = ReadingHistoryEntry::Kind::text;
    std::optional<std::string> filePath;
    // The cleaned text for the library to keep; absent for texts too long to keep, and for files
    // but those whose text was recognised from images.
    std::optional<std::string> storedText;
    // The fingerprint of the file that text was recognised from.
    std::optional<std::string> recognisedFrom;
    // The patterns for the text's language and how hard each word is to read by them
    // (WordRhythm); empty until the loader adds them.
    std::shared_ptr<const Hyphenator> hyphenator;
    std::vector<double> rhythmWeights;
};

} // namespace velora
