#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mw {

// Number conversions that never depend on the user's locale: "61.4" is 61.4 everywhere.

// The shortest text that reads back as the same float ("149.816", "1", "0.122").
std::string formatFloat(float value);
std::string formatDouble(double value);

// A whole text as a number; nullopt when any of it is not part of the number.
std::optional<double> parseDouble(std::string_view text);
std::optional<long long> parseInteger(std::string_view text);

} // namespace mw
