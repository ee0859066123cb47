#include "cli_app.h"

#include "command.h"

#include <algorithm>

namespace mw::cli {
namespace {

const std::vector<OptionRule> kGlobalOptions = {{"--data-dir", true}, {"--settings", true}, {"--diary", true},
                                                {"--json", false},    {"--help", false},    {"-h", false}};

bool takesValue(const std::string& token)
{
    return std::any_of(kGlobalOptions.begin(), kGlobalOptions.end(),
                       [&](const OptionRule& option) { return option.takesValue && option.name == token; });
}

// The command word is the first token that is neither a global option nor its value.
std::vector<std::string>::const_iterator findCommandWord(const std::vector<std::string>& arguments)
{
    for (auto it = arguments.begin(); it != arguments.end(); ++it) {
        if (it->empty() || it->front() != '-') {
            return it;
        }
        if (takesValue(*it) && it + 1 != arguments.end()) {
            ++it;
        }
    }
    return arguments.end();
}

void printGeneralHelp(std::ostream& out, const std::vector<std::unique_ptr<Command>>& commands)
{
    out << "Usage: mealwright-cli [--data-dir DIR] [--settings FILE] [--diary DIR] [--json] COMMAND [ARGS]\n\n"
           "Mealwright's diet planner from the command line.\n\nCommands:\n";
    // The summaries line up two blanks after the longest name.
    std::size_t width = 0;
    for (const auto& command : commands) {
        width = std::max(width, command->name().size());
    }
    for (const auto& command : commands) {
        out << "  " << command->name() << std::string(width + 2 - command->name().size(), ' ');
        out << command->summary() << '\n';
    }
    out << "\nGlobal options:\n"
           "  --data-dir DIR   folder holding userfood.txt and fad.dat (default: the working directory)\n"
           "  --settings FILE  the settings profile to read and write\n"
           "  --diary DIR      the diary folder of dated days and the weight log (default: the profile's\n"
           "                   \"Diary Folder\", else $XDG_DATA_HOME/Mealwright/diary)\n"
           "  --json           machine-readable output\n"
           "  --help           this text, or a command's own help after the command\n"
           "  --version        the tool's version\n\n"
           "Exit codes: 0 success, 1 usage error, 2 a file could not be read, parsed or written.\n";
}

// Messages quote what the user typed and name files, either of which may hold control characters that a
// terminal would act on; they are shown escaped.
int usageFailure(std::ostream& err, const std::string& message, std::string_view command)
{
    err << "mealwright-cli: " << visibleText(message) << "\nTry 'mealwright-cli " << command
        << (command.empty() ? "" : " ") << "--help'.\n";
    return kExitUsage;
}

} // namespace

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const std::vector<std::unique_ptr<Command>> commands = makeCommands();
    const auto word = findCommandWord(arguments);
    if (word == arguments.end()) {
        const bool help = std::any_of(arguments.begin(), arguments.end(),
                                      [](const std::string& a) { return a == "--help" || a == "-h"; });
        if (help) {
            printGeneralHelp(out, commands);
            return kExitSuccess;
        }
        if (std::find(arguments.begin(), arguments.end(), "--version") != arguments.end()) {
            out << "mealwright-cli " << MEALWRIGHT_VERSION << '\n';
            return kExitSuccess;
        }
        return usageFailure(err, "no command given", "");
    }
    const auto command =
        std::find_if(commands.begin(), commands.end(), [&](const auto& c) { return c->name() == *word; });
    if (command == commands.end()) {
        return usageFailure(err, "unknown command '" + *word + "'", "");
    }
    std::vector<std::string> rest(arguments.begin(), word);
    rest.insert(rest.end(), word + 1, arguments.end());
    std::vector<OptionRule> optionRules = kGlobalOptions;
    const std::vector<OptionRule> own = (*command)->options();
    optionRules.insert(optionRules.end(), own.begin(), own.end());
    try {
        Context context(ParsedArguments::parse(rest, optionRules), out, err);
        if (context.args().has("--help") || context.args().has("-h")) {
            out << (*command)->help();
            return kExitSuccess;
        }
        return (*command)->run(context);
    } catch (const UsageError& e) {
        return usageFailure(err, e.what(), (*command)->name());
    } catch (const FileError& e) {
        err << "mealwright-cli: " << visibleText(e.what()) << '\n';
        return kExitFile;
    }
}

} // namespace mw::cli
