#include "shell/CommandLine.hpp"

#include "app/FileBytes.hpp"
#include "core/TextEngine.hpp"
#include "core/TextSanitizer.hpp"
#include "platform/desktop/AutostartEntry.hpp"
#include "platform/documents/DocumentImport.hpp"

#include <QLoggingCategory>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <ostream>
#include <vector>

namespace velora {

namespace {

constexpr int usageError = 2;
constexpr std::size_t helpColumns = 80;

struct HelpEntry {
    std::string left;
    std::string description;
};

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
            const std::size_t length = end - start;
            if (used > 0 && used + 1 + length > room) {
                text += line + '\n';
                line = indent;
                used = 0;
            } else if (used > 0) {
                line += ' ';
                ++used;
            }
            line.append(entry.description, start, length);
            used += length;
            start = end + 1;
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
        err << "Couldn't read " << std::filesystem::path(path).filename().string() << ": "
            << reason(input.failure()) << '\n';
        return std::nullopt;
    }
    return TextSanitizer::clean(input.text());
}

int extractText(const std::string& path, std::ostream& out, std::ostream& err) {
    const std::optional<std::string> text = readCleaned(path, err);
    if (!text) {
        return 1;
    }
    out << *text << '\n';
    out.flush();
    return out ? 0 : 1;
}

int printWords(const std::string& path, std::ostream& out, std::ostream& err) {
    const std::optional<std::string> text = readCleaned(path, err);
    if (!text) {
        return 1;
    }
    for (const Word& word : TextEngine::tokenize(*text)) {
        nlohmann::ordered_json line;
        line["id"] = word.id;
        line["text"] = word.text;
        line["orp"] = word.orp;
        line["punctuation"] = toString(word.punctuation);
        line["isParagraphEnd"] = word.isParagraphEnd;
        out << line.dump() << '\n';
    }
    out.flush();
    return out ? 0 : 1;
}

} // namespace

CommandLine::CommandLine() {
    add("--words", "FILE",
        "print the words of a document (- for UTF-8 standard input) as JSON lines", printWords);
    add("--extract", "FILE", "print the text the reader would load from a document", extractText);
    add("--help", "", "show this help",
        [this](const std::string&, std::ostream& out, std::ostream&) {
            out << usage();
            return 0;
        });
    add("--version", "", "show the version",
        [](const std::string&, std::ostream& out, std::ostream&) {
            out << "veloramac " << VELORA_VERSION << '\n';
            return 0;
        });
}

void CommandLine::add(std::string option, std::string argumentName, std::string description,
                      Action action) {
    options_.push_back(
        {std::move(option), std::move(argumentName), std::move(description), std::move(action)});
}

int CommandLine::run(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err) const {
    if (arguments.empty()) {
        out << usage();
        return 0;
    }
    const auto option = std::find_if(options_.begin(), options_.end(),
                                     [&](const Option& o) { return o.name == arguments.front(); });
    const std::size_t expected = (option == options_.end() || option->argumentName.empty()) ? 1 : 2;
    if (option == options_.end() || arguments.size() != expected) {
        err << (option == options_.end() ? "Unknown option " : "Wrong arguments for ")
            << arguments.front() << "\n\n"
            << usage();
        return usageError;
    }
    return option->action(expected == 2 ? arguments[1] : std::string(), out, err);
}

bool CommandLine::isForTrayProgram(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return true;
    }
    const std::string& first = arguments.front();
    return first == "--read-selection" || first == "--read-clipboard" ||
           first == AutostartEntry::startedAtLoginOption || !first.starts_with('-');
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
         "read the text selected in any program; bind this to a shortcut in the desktop's "
         "settings where the program cannot grab one (Wayland)"},
        {"--read-clipboard", "read the text on the clipboard"},
        {"--autostart",
         "start in the tray without showing the panel, as the desktop does at login once "
         "\"Start at login\" is on; nothing when the program runs already"}};
    const std::vector<HelpEntry> logging = {
        {std::string(verboseOption),
         "with any of the others: log to standard error what the program does and why a step "
         "failed (QT_LOGGING_RULES=\"veloramac.*=true\" does the same)"}};
    std::vector<HelpEntry> options;
    for (const Option& option : options_) {
        options.push_back(
            {option.argumentName.empty() ? option.name : option.name + ' ' + option.argumentName,
             option.description});
    }
    const std::size_t width =
        std::max({leftWidth(requests), leftWidth(options), leftWidth(logging)});
    return "Usage: veloramac [FILE...]\n"
           "  or:  veloramac --read-selection | --read-clipboard\n"
           "  or:  veloramac OPTION\n\n"
           "Without an option the tray program starts and opens the first FILE, captures\n"
           "the selection or reads the clipboard; when it is running already, a later\n"
           "veloramac hands it the request and exits.\n\n"
           "Requests to the tray program:\n" +
           helpTable(requests, width) + "\nOptions:\n" + helpTable(options, width) +
           "\nLogging:\n" + helpTable(logging, width);
}

} // namespace velora
