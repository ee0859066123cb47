#pragma once

#include <string_view>

namespace mw {

// Food list items read "id;Name [portion]".

// The number the item starts with (leading blanks skipped, digits up to the first non-digit).
unsigned long foodIdOfItem(std::string_view item);
// What a list shows: everything after the first ';'.
std::string_view itemDisplayText(std::string_view item);
// The part a name search looks at: the text up to the first '['.
std::string_view itemSearchText(std::string_view item);

} // namespace mw
