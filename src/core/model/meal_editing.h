#pragma once

#include "model/food_operations.h"
#include "model/food_types.h"

#include <string_view>

namespace mw {

// Amounts at or above this, and 0, are not kept: they become kFallbackAmount.
inline constexpr int kMaxEntryAmount = 10000;
inline constexpr Grams kFallbackAmount = 100;
// The amount edit is read for this many characters at most ("12345g" reads as 1234).
inline constexpr std::size_t kAmountTextLimit = 4;

// The amount a new entry stores: the requested grams, or one serving's weight truncated to whole
// grams when none (0) is requested.
Grams amountForNewEntry(const FoodOperations& foods, FoodId id, Grams requested);

// An amount the user asks for: 0 or more than 10000 becomes 100 g.
Grams acceptedAmount(long long grams);

// The amount typed in the amount edit: its first four characters, decimal digits up to the first
// other character ("150g" is 150), then accepted as above ("abc" and "0" give 100).
Grams typedAmount(std::string_view text);

} // namespace mw
