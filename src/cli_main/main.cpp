#include "cli_app.h"
#include "commands.h"
#include "report_command.h"
#include "standard_output.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    mw::cli::registerCommandFactory(&mw::cli::makeReportCommand);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    mw::cli::StandardOutput output;
    const int code = mw::cli::runCli(arguments, output.stream(), std::cerr);
    return mw::cli::finishStandardOutput(output, code, std::cerr);
}
