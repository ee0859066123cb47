#pragma once

#include "cli_app.h"

#include "support/temp_dir.h"

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

inline CliResult runCliRaw(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int code = mw::cli::runCli(arguments, out, err);
    return {code, out.str(), err.str()};
}

// A data folder and a settings profile of the test's own, so no test touches the user's files.
class CliSandbox
{
public:
    CliResult run(std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.begin(),
                         {"--data-dir", m_dir.path().string(), "--settings", m_dir.file("profile.ini").string()});
        return runCliRaw(arguments);
    }
    std::string path(const std::string& name) const { return m_dir.file(name).string(); }
    const TempDir& dir() const { return m_dir; }

private:
    TempDir m_dir;
};

inline CliResult runCli(const std::vector<std::string>& arguments)
{
    static const CliSandbox sandbox;
    return sandbox.run(arguments);
}

} // namespace mw::test
