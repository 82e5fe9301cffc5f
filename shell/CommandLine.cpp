#include "shell/CommandLine.hpp"

#include "app/DocumentLoader.hpp"
#include "app/DocumentSession.hpp"
#include "app/FileBytes.hpp"
#include "app/ImportFailureText.hpp"
#include "app/ReadingPreferences.hpp"
#include "core/ChunkFrames.hpp"
#include "core/ReadingTiming.hpp"
#include "core/Sentences.hpp"
#include "core/TextEngine.hpp"
#include "core/TextSanitizer.hpp"
#include "platform/desktop/SettingsPreferencesStore.hpp"
#include "platform/documents/DocumentImport.hpp"
#include "platform/text/PatternHyphenation.hpp"

#include <QCoreApplication>
#include <QLocale>
#include <QLoggingCategory>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <ostream>
#include <unicode/uchar.h>
#include <unicode/utf8.h>
#include <vector>

namespace velora {

namespace {

constexpr int usageError = 2;
constexpr std::size_t helpColumns = 80;

struct HelpEntry {
    std::string left;
    std::string description;
};

// The help's texts in the user's language; the terminal takes UTF-8.
std::string translated(const char* source) {
    return QCoreApplication::translate("CommandLine", source).toStdString();
}

// Columns a terminal gives UTF-8 text: two for East Asian wide characters, one for others.
std::size_t columns(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t at = 0; at < text.size();) {
        UChar32 c = 0;
        U8_NEXT(text.data(), at, text.size(), c);
        const auto east =
            static_cast<UEastAsianWidth>(u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH));
        width += east == U_EA_WIDE || east == U_EA_FULLWIDTH ? 2 : 1;
    }
    return width;
}

// The bytes of `text`'s longest start, whole characters, that takes at most `room` columns; at
// least one character, so that wrapping always moves on.
std::size_t fitting(std::string_view text, std::size_t room) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t next = at;
        U8_FWD_1(text.data(), next, text.size());
        if (at > 0 && columns(text.substr(0, next)) > room) {
            break;
        }
        at = next;
    }
    return at;
}

std::size_t leftWidth(const std::vector<HelpEntry>& entries) {
    std::size_t width = 0;
    for (const HelpEntry& entry : entries) {
        width = std::max(width, entry.left.size());
    }
    return width;
}

// Two columns, the descriptions wrapped under themselves within the width of a terminal.
std::string helpTable(const std::vector<HelpEntry>& entries, std::size_t leftWidth) {
    const std::string indent(2 + leftWidth + 2, ' ');
    const std::size_t room = helpColumns - 1 - indent.size();
    std::string text;
    for (const HelpEntry& entry : entries) {
        std::string line = "  " + entry.left + std::string(leftWidth - entry.left.size() + 2, ' ');
        std::size_t used = 0;
        std::size_t start = 0;
        while (start < entry.description.size()) {
            std::size_t end = entry.description.find(' ', start);
            if (end == std::string::npos) {
                end = entry.description.size();
            }
            std::string_view word(entry.description.data() + start, end - start);
            start = end + 1;
            while (!word.empty()) {
                const std::size_t gap = used > 0 ? 1 : 0;
                const std::size_t width = columns(word);
                if (used + gap + width <= room) {
                    line.append(gap, ' ').append(word);
                    used += gap + width;
                    break;
                }
                // A word that fits a line of its own starts one; a run without spaces wider
                // than a line (Chinese, Japanese) breaks between characters.
                if (width > room && used + gap < room) {
                    const std::size_t cut = fitting(word, room - used - gap);
                    line.append(gap, ' ').append(word.substr(0, cut));
                    word.remove_prefix(cut);
                }
                text += line + '\n';
                line = indent;
                used = 0;
            }
        }
        text += line + '\n';
    }
    return text;
}

// Standard input, up to the size of the largest file the reader takes.
std::optional<std::string> readStandardInput() {
    std::string content;
    char buffer[1 << 16];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
        if (content.size() + n > FileBytes::defaultLimit) {
            return std::nullopt;
        }
        content.append(buffer, n);
    }
    if (std::ferror(stdin)) {
        return std::nullopt;
    }
    return content;
}

// The cleaned text the reader would load from a document of any supported type, or from
// standard input; reports the failure the reader would show.
std::optional<std::string> readCleaned(const std::string& path, std::ostream& err) {
    ImportResult input = ImportFailure::tooLarge;
    if (path != "-") {
        input = DocumentImport::readFile(path);
    } else if (auto text = readStandardInput()) {
        input = std::move(*text);
    }
    if (!input.ok()) {
        err << DocumentSession::couldNotRead()
                   .arg(QString::fromStdString(std::filesystem::path(path).filename().string()),
                        displayReason(input.failure()))
                   .toStdString()
            << '\n';
        return std::nullopt;
    }
    return TextSanitizer::clean(input.text());
}

int extractText(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const std::optional<std::string> text = readCleaned(arguments.front(), err);
    if (!text) {
        return 1;
    }
    out << *text << '\n';
    out.flush();
    return out ? 0 : 1;
}

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

int printWords(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const std::optional<ReadingSettings> settings = wordsSettings(arguments, err);
    if (!settings) {
        return usageError;
    }
    const std::optional<std::string> text = readCleaned(arguments.back(), err);
    if (!text) {
        return 1;
    }
    PreparedDocument document;
    document.words = TextEngine::tokenize(*text);
    document.starts = Sentences::of(document.words, *text);
    const PatternHyphenation hyphenation(QLocale::system().name().toStdString());
    DocumentLoader::addRhythm(document, &hyphenation);
    writeTimedWords(document, *settings, out);
    out.flush();
    return out ? 0 : 1;
}

} // namespace

CommandLine::CommandLine() {
    add("--words", "FILE",
        translated(QT_TRANSLATE_NOOP(
            "CommandLine",
            "print the words of a document (- for UTF-8 standard input) as JSON lines, each with "
            "the milliseconds it is shown for at the stored speed and settings; before FILE, "
            "--speed WPM, --rhythm (natural rhythm), --split N (split words longer than N "
            "characters) and --blank-beat PERCENT change them for this run only")),
        printWords, true);
    add("--extract", "FILE",
        translated(QT_TRANSLATE_NOOP("CommandLine",
                                     "print the text the reader would load from a document")),
        extractText);
    add("--help", "", translated(QT_TRANSLATE_NOOP("CommandLine", "show this help")),
        [this](const std::vector<std::string>&, std::ostream& out, std::ostream&) {
            out << usage();
            return 0;
        });
    add("--version", "", translated(QT_TRANSLATE_NOOP("CommandLine", "show the version")),
        [](const std::vector<std::string>&, std::ostream& out, std::ostream&) {
            out << "veloramac " << VELORA_VERSION << '\n';
            return 0;
        });
}

void CommandLine::add(std::string option, std::string argumentName, std::string description,
                      Action action, bool takesSettings) {
    options_.push_back({std::move(option), std::move(argumentName), std::move(description),
                        std::move(action), takesSettings});
}

bool CommandLine::Option::accepts(std::size_t argumentCount) const {
    if (argumentName.empty()) {
        return argumentCount == 0;
    }
    return takesSettings ? argumentCount >= 1 : argumentCount == 1;
}

int CommandLine::run(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err) const {
    if (arguments.empty()) {
        out << usage();
        return 0;
    }
    const auto option = std::find_if(options_.begin(), options_.end(),
                                     [&](const Option& o) { return o.name == arguments.front(); });
    if (option == options_.end() || !option->accepts(arguments.size() - 1)) {
        const QString problem =
            option == options_.end()
                ? QCoreApplication::translate("CommandLine", "Unknown option %1")
                : QCoreApplication::translate("CommandLine", "Wrong arguments for %1");
        err << problem.arg(QString::fromStdString(arguments.front())).toStdString() << "\n\n"
            << usage();
        return usageError;
    }
    return option->action(std::vector(arguments.begin() + 1, arguments.end()), out, err);
}

void CommandLine::takeVerbose(int& argc, char** argv) {
    char** const end = std::remove_if(
        argv + 1, argv + argc, [](const char* argument) { return argument == verboseOption; });
    if (end == argv + argc) {
        return;
    }
    argc = static_cast<int>(end - argv);
    argv[argc] = nullptr;
    // QT_LOGGING_RULES, when set, still has the last word.
    QLoggingCategory::setFilterRules(QStringLiteral("veloramac.*=true"));
}

std::string CommandLine::usage() const {
    // The tray program answers these itself; they are listed so --help names every way in.
    const std::vector<HelpEntry> requests = {
        {"--read-selection",
         translated(QT_TRANSLATE_NOOP(
             "CommandLine",
             "read the text selected in any program; bind this to a shortcut in the desktop's "
             "settings where the program cannot grab one (Wayland)"))},
        {"--read-clipboard",
         translated(QT_TRANSLATE_NOOP("CommandLine", "read the text on the clipboard"))},
        {"--autostart",
         translated(QT_TRANSLATE_NOOP(
             "CommandLine",
             "start in the tray without showing the panel, as the desktop does at login once "
             "\"Start at login\" is on; nothing when the program runs already"))}};
    const std::vector<HelpEntry> logging = {
        {std::string(verboseOption),
         translated(QT_TRANSLATE_NOOP(
             "CommandLine",
             "with any of the others: log to standard error what the program does and why a step "
             "failed (QT_LOGGING_RULES=\"veloramac.*=true\" does the same)"))}};
    std::vector<HelpEntry> options;
    for (const Option& option : options_) {
        options.push_back(
            {option.argumentName.empty() ? option.name : option.name + ' ' + option.argumentName,
             option.description});
    }
    const std::size_t width =
        std::max({leftWidth(requests), leftWidth(options), leftWidth(logging)});
    return translated(QT_TRANSLATE_NOOP(
               "CommandLine",
               "Usage: veloramac [FILE...]\n"
               "  or:  veloramac --read-selection | --read-clipboard\n"
               "  or:  veloramac OPTION\n\n"
               "Without an option the tray program starts and opens the first FILE, captures\n"
               "the selection or reads the clipboard; when it is running already, a later\n"
               "veloramac hands it the request and exits.\n\n"
               "Requests to the tray program:\n")) +
           helpTable(requests, width) + '\n' +
           translated(QT_TRANSLATE_NOOP("CommandLine", "Options:")) + '\n' +
           helpTable(options, width) + '\n' +
           translated(QT_TRANSLATE_NOOP("CommandLine", "Logging:")) + '\n' +
           helpTable(logging, width);
}

} // namespace velora
