#include "arguments.h"

#include "model/number_text.h"

#include <algorithm>

namespace mw::cli {

std::optional<std::string> ParsedArguments::value(const std::string& option) const
{
    const auto it = m_options.find(option);
    return it == m_options.end() ? std::nullopt : std::optional<std::string>(it->second);
}

long long parseIntegerArgument(const std::string& text, long long min, long long max, const std::string& what)
{
    const std::optional<long long> number = parseInteger(text);
    if (!number) {
        throw UsageError(what + " must be a whole number, not '" + text + "'");
    }
    if (*number < min || *number > max) {
        throw UsageError(what + " must lie in " + std::to_string(min) + ".." + std::to_string(max) + ", not " + text);
    }
    return *number;
}

long long ParsedArguments::integer(const std::string& option, long long min, long long max, long long fallback) const
{
    const std::optional<std::string> text = value(option);
    return text ? parseIntegerArgument(*text, min, max, option) : fallback;
}

long long ParsedArguments::requiredInteger(const std::string& option, long long min, long long max) const
{
    return parseIntegerArgument(required(option), min, max, option);
}

std::string ParsedArguments::required(const std::string& option) const
{
    const std::optional<std::string> text = value(option);
    if (!text) {
        throw UsageError("missing " + option);
    }
    return *text;
}

std::string ParsedArguments::singlePositional(const std::string& what) const
{
    if (m_positionals.empty()) {
        throw UsageError("missing " + what);
    }
    if (m_positionals.size() > 1) {
        throw UsageError("unexpected argument '" + m_positionals[1] + "'");
    }
    if (m_positionals.front().empty()) {
        throw UsageError("the " + what + " is empty");
    }
    return m_positionals.front();
}

ParsedArguments ParsedArguments::parse(const std::vector<std::string>& tokens,
                                       const std::vector<OptionRule>& optionRules)
{
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::string& token = tokens[i];
        if (optionsEnded || token.size() < 2 || token[0] != '-' || parseInteger(token)) {
            parsed.m_positionals.push_back(token);
            continue;
        }
        if (token == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = token;
        std::optional<std::string> inlineValue;
        if (const auto eq = token.find('='); eq != std::string::npos && token.rfind("--", 0) == 0) {
            name = token.substr(0, eq);
            inlineValue = token.substr(eq + 1);
        }
        const auto option =
            std::find_if(optionRules.begin(), optionRules.end(), [&](const OptionRule& s) { return s.name == name; });
        if (option == optionRules.end()) {
            throw UsageError("unknown option '" + name + "'");
        }
        if (!option->takesValue) {
            if (inlineValue) {
                throw UsageError(name + " takes no value");
            }
            parsed.m_options[name] = "";
        } else if (inlineValue) {
            parsed.m_options[name] = *inlineValue;
        } else if (i + 1 < tokens.size()) {
            parsed.m_options[name] = tokens[++i];
        } else {
            throw UsageError(name + " needs a value");
        }
    }
    return parsed;
}

} // namespace mw::cli
