#pragma once

#include "arguments.h"

#include "model/food_operations.h"

#include <filesystem>
#include <memory>
#include <ostream>
#include <string_view>
#include <vector>

namespace mw::cli {

// What every command gets: its parsed arguments, the output streams and the global options.
class Context
{
public:
    Context(ParsedArguments arguments, std::ostream& out, std::ostream& err);

    const ParsedArguments& args() const { return m_args; }
    std::ostream& out() { return m_out; }
    std::ostream& err() { return m_err; }
    bool json() const { return m_args.has("--json"); }
    std::filesystem::path dataDir() const;

    // Food names and entry numbers, standard and personal.
    const FoodOperations& foods();

private:
    ParsedArguments m_args;
    std::ostream& m_out;
    std::ostream& m_err;
    std::unique_ptr<FoodOperations> m_foods;
};

class Command
{
public:
    virtual ~Command() = default;
    virtual std::string_view name() const = 0;
    // One line for the general help.
    virtual std::string_view summary() const = 0;
    // The command's own help text: usage line and options.
    virtual std::string_view help() const = 0;
    virtual std::vector<OptionSpec> options() const = 0;
    // Returns the exit code; throws UsageError or FileError.
    virtual int run(Context& context) = 0;
};

std::vector<std::unique_ptr<Command>> makeCommands();

} // namespace mw::cli
