#include "commands.h"

namespace mw::cli {
namespace {

std::vector<CommandFactory>& registeredFactories()
{
    static std::vector<CommandFactory> factories;
    return factories;
}

} // namespace

void registerCommandFactory(CommandFactory factory)
{
    registeredFactories().push_back(factory);
}

std::vector<std::unique_ptr<Command>> makeCommands()
{
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(makeFoodsCommand());
    commands.push_back(makeFoodCommand());
    commands.push_back(makeNewCommand());
    commands.push_back(makeShowCommand());
    commands.push_back(makeAddCommand());
    commands.push_back(makeSetAmountCommand());
    commands.push_back(makeRemoveCommand());
    commands.push_back(makeClearCommand());
    commands.push_back(makePersonalCommand());
    commands.push_back(makeAnalyzeCommand());
    commands.push_back(makeRequirementsCommand());
    commands.push_back(makeHealthyWeightCommand());
    commands.push_back(makeGenerateCommand());
    commands.push_back(makeExportCommand());
    commands.push_back(makeUsdaCommand());
    commands.push_back(makeDiaryCommand());
    commands.push_back(makeWeightCommand());
    commands.push_back(makeBalanceCommand());
    for (const CommandFactory factory : registeredFactories()) {
        commands.push_back(factory());
    }
    return commands;
}

} // namespace mw::cli
