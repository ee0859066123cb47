#include "model/number_text.h"

#include <charconv>
#include <system_error>

namespace mw {
namespace {

template <typename T>
std::string shortestText(T value)
{
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

template <typename T>
std::optional<T> parseWhole(std::string_view text)
{
    T value{};
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') {
        ++first;
    }
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last || first == last) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::string formatFloat(float value)
{
    return shortestText(value);
}

std::string formatDouble(double value)
{
    return shortestText(value);
}

std::optional<double> parseDouble(std::string_view text)
{
    return parseWhole<double>(text);
}

std::optional<long long> parseInteger(std::string_view text)
{
    return parseWhole<long long>(text);
}

} // namespace mw
