#pragma once

#include <string_view>

namespace mw {

// The string table and the command line give a food as "id;Name [portion]"; what a user reads is everything
// after the first ';'.
std::string_view itemDisplayText(std::string_view item);

} // namespace mw
