#include "cli_app.h"
#include "commands.h"
#include "report_command.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    mw::cli::registerCommandFactory(&mw::cli::makeReportCommand);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const int code = mw::cli::runCli(arguments, std::cout, std::cerr);
    std::cout.flush();
    return std::cout.good() ? code : mw::cli::kExitFile;
}
