#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mw {

// The name a USDA food gets as a personal food, at most kMaxPersonalNameLength characters. A long USDA name is
// shortened with common abbreviations ("w/o", "bnls"), then by leaving out the parts it shares with most foods
// of its kind, never the parts that say how the food is cooked or kept ("cooked, braised", "raw", "canned").
// No two USDA foods get the same name: foods whose names would be equal carry their NDB number, "(NDB 13001)".
std::string usdaPersonalFoodName(std::size_t food);

// Whether a word (in lower case) tells how a food is cooked or kept: "raw", "braised", "frozen", ...
bool isUsdaPreparationWord(std::string_view word);

} // namespace mw
