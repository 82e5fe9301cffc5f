#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velora {

// The options of `veloramac` that run without a display and end the process. Each takes at most
// one argument, after the settings it allows; the first option given decides.
class CommandLine {
public:
    // Returns the process's exit status; `arguments` are those after the option, the settings
    // it allows first.
    using Action = std::function<int(const std::vector<std::string>& arguments, std::ostream& out,
                                     std::ostream& err)>;

    // The exit status when the arguments are wrong.
    static constexpr int usageError = 2;

    CommandLine();
    // Built-in options refer back to the object.
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    // `argumentName` is empty for an option without argument. An option that `takesSettings`
    // may have settings before its argument, and checks them itself.
    void add(std::string option, std::string argumentName, std::string description, Action action,
             bool takesSettings = false);

    int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) const;

    std::string usage() const;

    static constexpr std::string_view extractOption = "--extract";
    static constexpr std::string_view verboseOption = "--verbose";
    // Takes every --verbose out of argv, wherever it stands, so that the rest reads as it would
    // without it, and turns on every logging category of the program when there was one.
    static void takeVerbose(int& argc, char** argv);

private:
    struct Option {
        std::string name;
        std::string argumentName;
        std::string description;
        Action action;
        bool takesSettings = false;

        bool accepts(std::size_t argumentCount) const;
    };

    std::vector<Option> options_;
};

} // namespace velora
