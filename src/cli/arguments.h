#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace mw::cli {

// A wrong command line: exit code 1 with a hint to --help.
class UsageError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A file that cannot be read, parsed or written: exit code 2.
class FileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct OptionRule
{
    std::string name; // "--grams", "-o"
    bool takesValue = false;
};

class ParsedArguments
{
public:
    bool has(const std::string& option) const { return m_options.count(option) != 0; }
    std::optional<std::string> value(const std::string& option) const;
    const std::vector<std::string>& positionals() const { return m_positionals; }

    // The option's value as a whole number in [min, max]; fallback when absent.
    long long integer(const std::string& option, long long min, long long max, long long fallback) const;
    long long requiredInteger(const std::string& option, long long min, long long max) const;
    std::string required(const std::string& option) const;
    // The only positional argument, named in the message when it is missing.
    std::string singlePositional(const std::string& what) const;

    static ParsedArguments parse(const std::vector<std::string>& tokens, const std::vector<OptionRule>& optionRules);

private:
    std::map<std::string, std::string> m_options;
    std::vector<std::string> m_positionals;
};

// A decimal whole number in [min, max], or a UsageError naming what it is.
long long parseIntegerArgument(const std::string& text, long long min, long long max, const std::string& what);

} // namespace mw::cli
