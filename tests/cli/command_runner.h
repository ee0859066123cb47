#pragma once

#include "cli/cli_test_support.h"
#include "command.h"

#include <sstream>
#include <string>
#include <vector>

namespace mw::test {

// Runs one command as the tool would: global options, the command's own options, exit codes.
inline CliResult runCommand(cli::Command& command, const std::vector<std::string>& arguments)
{
    std::vector<cli::OptionRule> optionRules = {{"--data-dir", true}, {"--settings", true}, {"--json", false}};
    const std::vector<cli::OptionRule> own = command.options();
    optionRules.insert(optionRules.end(), own.begin(), own.end());
    std::ostringstream out;
    std::ostringstream err;
    try {
        cli::Context context(cli::ParsedArguments::parse(arguments, optionRules), out, err);
        const int code = command.run(context);
        return {code, out.str(), err.str()};
    } catch (const cli::UsageError& e) {
        return {cli::kExitUsage, out.str(), e.what()};
    } catch (const cli::FileError& e) {
        return {cli::kExitFile, out.str(), e.what()};
    }
}

} // namespace mw::test
