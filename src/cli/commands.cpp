#include "commands.h"

namespace mw::cli {

std::vector<std::unique_ptr<Command>> makeCommands()
{
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(makeFoodsCommand());
    commands.push_back(makeFoodCommand());
    return commands;
}

} // namespace mw::cli
