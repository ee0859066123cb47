#pragma once

#include "cli_app.h"

#include <sstream>
#include <string>
#include <vector>

namespace mw::test {

struct CliResult
{
    int code;
    std::string out;
    std::string err;
};

inline CliResult runCli(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int code = mw::cli::runCli(arguments, out, err);
    return {code, out.str(), err.str()};
}

} // namespace mw::test
