#include "shell/CommandLine.hpp"

#include "app/FileBytes.hpp"
#include "core/TextEngine.hpp"
#include "core/TextSanitizer.hpp"
#include "platform/DocumentImport.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <ostream>

namespace velora {

namespace {

constexpr int usageError = 2;

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

std::string CommandLine::usage() const {
    std::string text = "Usage: veloramac [FILE... | --read-selection | --read-clipboard]\n"
                       "       veloramac OPTION\n\n"
                       "Without an option the tray program starts, or the running one is asked to\n"
                       "open the first FILE, capture the selection or read the clipboard.\n\n"
                       "Options:\n";
    std::size_t width = 0;
    for (const Option& option : options_) {
        width = std::max(width, option.name.size() + 1 + option.argumentName.size());
    }
    for (const Option& option : options_) {
        std::string left = option.name;
        if (!option.argumentName.empty()) {
            left += ' ' + option.argumentName;
        }
        text += "  " + left + std::string(width - left.size() + 2, ' ') + option.description + '\n';
    }
    return text;
}

} // namespace velora
