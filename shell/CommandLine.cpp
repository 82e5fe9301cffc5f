#include "shell/CommandLine.hpp"

#include "shell/DocumentInput.hpp"
#include "shell/HelpTable.hpp"
#include "shell/WordsOption.hpp"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <algorithm>
#include <ostream>

namespace velora {

namespace {

// The help's texts in the user's language; the terminal takes UTF-8.
std::string translated(const char* source) {
    return QCoreApplication::translate("CommandLine", source).toStdString();
}

int extractText(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const std::optional<std::string> text = DocumentInput::readCleaned(arguments.front(), err);
    if (!text) {
        return 1;
    }
    out << *text << '\n';
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
        WordsOption::run, true);
    add(std::string(extractOption), "FILE",
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
    const std::vector<HelpTable::Entry> requests = {
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
    const std::vector<HelpTable::Entry> logging = {
        {std::string(verboseOption),
         translated(QT_TRANSLATE_NOOP(
             "CommandLine",
             "with any of the others: log to standard error what the program does and why a step "
             "failed (QT_LOGGING_RULES=\"veloramac.*=true\" does the same)"))}};
    std::vector<HelpTable::Entry> options;
    for (const Option& option : options_) {
        options.push_back(
            {option.argumentName.empty() ? option.name : option.name + ' ' + option.argumentName,
             option.description});
    }
    const std::size_t width =
        std::max({HelpTable::leftWidth(requests), HelpTable::leftWidth(options),
                  HelpTable::leftWidth(logging)});
    return translated(QT_TRANSLATE_NOOP(
               "CommandLine",
               "Usage: veloramac [FILE...]\n"
               "  or:  veloramac --read-selection | --read-clipboard\n"
               "  or:  veloramac OPTION\n\n"
               "Without an option the tray program starts and opens the first FILE, captures\n"
               "the selection or reads the clipboard; when it is running already, a later\n"
               "veloramac hands it the request and exits.\n\n"
               "Requests to the tray program:\n")) +
           HelpTable::format(requests, width) + '\n' +
           translated(QT_TRANSLATE_NOOP("CommandLine", "Options:")) + '\n' +
           HelpTable::format(options, width) + '\n' +
           translated(QT_TRANSLATE_NOOP("CommandLine", "Logging:")) + '\n' +
           HelpTable::format(logging, width);
}

} // namespace velora