#pragma once

#include "command.h"

namespace mw::cli {

// Commands living outside this library (the PDF report needs Qt) join the list through here; the
// program registers them before it runs.
using CommandFactory = std::unique_ptr<Command> (*)();
void registerCommandFactory(CommandFactory factory);

std::unique_ptr<Command> makeFoodsCommand();
std::unique_ptr<Command> makeFoodCommand();
std::unique_ptr<Command> makeNewCommand();
std::unique_ptr<Command> makeShowCommand();
std::unique_ptr<Command> makeAddCommand();
std::unique_ptr<Command> makeSetAmountCommand();
std::unique_ptr<Command> makeRemoveCommand();
std::unique_ptr<Command> makeClearCommand();
std::unique_ptr<Command> makePersonalCommand();
std::unique_ptr<Command> makeAnalyzeCommand();
std::unique_ptr<Command> makeRequirementsCommand();
std::unique_ptr<Command> makeHealthyWeightCommand();
std::unique_ptr<Command> makeGenerateCommand();
std::unique_ptr<Command> makeExportCommand();
std::unique_ptr<Command> makeUsdaCommand();
std::unique_ptr<Command> makeDiaryCommand();
std::unique_ptr<Command> makeWeightCommand();
std::unique_ptr<Command> makeBalanceCommand();

} // namespace mw::cli
