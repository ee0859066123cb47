#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace mw::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitFile = 2;

// Runs mealwright-cli with the arguments after the program name; returns the exit code.
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace mw::cli
