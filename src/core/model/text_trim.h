#pragma once

#include <string_view>

namespace mw {

// Blanks and tabs, the white space hand-edited files and typed fields put around values.
constexpr bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

constexpr std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace mw
