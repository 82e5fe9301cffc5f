#include "shell/WordsOption.hpp"

#include "app/DocumentLoader.hpp"
#include "app/ReadingPreferences.hpp"
#include "core/ChunkFrames.hpp"
#include "core/ReadingTiming.hpp"
#include "core/Sentences.hpp"
#include "core/TextEngine.hpp"
#include "platform/desktop/SettingsPreferencesStore.hpp"
#include "platform/text/PatternHyphenation.hpp"
#include "shell/CommandLine.hpp"
#include "shell/DocumentInput.hpp"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>
#include <ostream>

namespace velora::WordsOption {

namespace {

std::optional<std::int64_t> integerIn(const std::string& text, std::int64_t low,
                                      std::int64_t high) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

// The stored settings with those given before the file; none when one of them is not understood.
std::optional<ReadingSettings> wordsSettings(const std::vector<std::string>& arguments,
                                             std::ostream& err) {
    ReadingSettings settings = ReadingPreferences::loadSettings(SettingsPreferencesStore());
    const auto fail = [&](const std::string& what) {
        err << QCoreApplication::translate("CommandLine", "Wrong arguments for %1")
                   .arg(QStringLiteral("--words"))
                   .toStdString()
            << ": " << what << '\n';
        return std::nullopt;
    };
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (name == "--rhythm") {
            settings.naturalRhythm = true;
            continue;
        }
        struct Ranged {
            std::string_view name;
            std::int64_t low;
            std::int64_t high;
        };
        static constexpr std::array<Ranged, 3> ranged{
            {{"--speed", ReadingSettings::minWPM, ReadingSettings::maxWPM},
             {"--split", ReadingSettings::minSplitLength, ReadingSettings::maxSplitLength},
             {"--blank-beat", ReadingSettings::minBlankBeatPercent,
              ReadingSettings::maxBlankBeatPercent}}};
        const auto option = std::find_if(ranged.begin(), ranged.end(),
                                         [&](const Ranged& r) { return r.name == name; });
        if (option == ranged.end()) {
            return fail("unknown setting " + name);
        }
        const std::optional<std::int64_t> value =
            i + 2 < arguments.size() ? integerIn(arguments[i + 1], option->low, option->high)
                                     : std::nullopt;
        if (!value) {
            return fail(name + " takes a whole number from " + std::to_string(option->low) +
                        " to " + std::to_string(option->high) + " before the file");
        }
        ++i;
        if (name == "--speed") {
            settings.wpm = *value;
        } else if (name == "--split") {
            settings.splitLongWords = true;
            settings.splitLength = *value;
        } else {
            settings.blankBeat = true;
            settings.blankBeatPercent = *value;
        }
    }
    return settings;
}

double milliseconds(double seconds) {
    return std::round(seconds * 10'000.0) / 10.0;
}

// Each word as a JSON line, with the time it is shown for when read from the start: the part of
// its chunk's time that is not the blank beat, shared by the chunk's words as the rhythm weighs
// them, and the pieces a long word is shown in.
void writeTimedWords(const PreparedDocument& document, const ReadingSettings& settings,
                     std::ostream& out) {
    const std::vector<Word>& words = document.words;
    const std::vector<double> shares =
        settings.naturalRhythm
            ? ReadingTiming(settings).rhythmShares(words, document.starts, document.rhythmWeights)
            : std::vector<double>();
    const ReadingTiming timing(settings, shares);
    const auto size = static_cast<std::size_t>(settings.clampedWordsPerChunk());
    for (std::size_t first = 0; first < words.size(); first += size) {
        const std::span<const Word> chunk =
            std::span(words).subspan(first, std::min(size, words.size() - first));
        const std::vector<ChunkFrame> frames =
            ChunkFrames::of(chunk, timing.interval(chunk), settings, *document.hyphenator);
        double shown = 0.0;
        double weight = 0.0;
        for (const ChunkFrame& frame : frames) {
            shown += frame.words.empty() ? 0.0 : frame.seconds;
        }
        for (const Word& word : chunk) {
            weight += shares.empty() ? 1.0 : shares[static_cast<std::size_t>(word.id)];
        }
        for (const Word& word : chunk) {
            nlohmann::ordered_json line;
            line["id"] = word.id;
            line["text"] = word.text;
            line["orp"] = word.orp;
            line["punctuation"] = toString(word.punctuation);
            line["isParagraphEnd"] = word.isParagraphEnd;
            const double part = shares.empty() ? 1.0 : shares[static_cast<std::size_t>(word.id)];
            line["ms"] = milliseconds(shown * part / weight);
            if (frames.size() > 1 && !frames[1].words.empty()) {
                for (const ChunkFrame& frame : frames) {
                    for (const Word& piece : frame.words) {
                        line["pieces"].push_back({{"text", piece.text},
                                                  {"orp", piece.orp},
                                                  {"ms", milliseconds(frame.seconds)}});
                    }
                }
            }
            out << line.dump() << '\n';
        }
    }
}

} // namespace

int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const std::optional<ReadingSettings> settings = wordsSettings(arguments, err);
    if (!settings) {
        return CommandLine::usageError;
    }
    const std::optional<std::string> text = DocumentInput::read(arguments.back(), err);
    if (!text) {
        return 1;
    }
    TextEngine::CleanedWords read = TextEngine::cleanAndTokenize(*text);
    PreparedDocument document;
    document.words = std::move(read.words);
    document.starts = Sentences::of(document.words, read.text);
    const PatternHyphenation hyphenation(QLocale::system().name().toStdString());
    // Only the rhythm and split words read syllables: otherwise the language guess and the
    // dictionary's load would be all the hyphenation patterns cost.
    const bool readsSyllables = settings->naturalRhythm || settings->splitLongWords;
    DocumentLoader::addRhythm(document, readsSyllables ? &hyphenation : nullptr);
    writeTimedWords(document, *settings, out);
    out.flush();
    return out ? 0 : 1;
}

} // namespace velora::WordsOption
