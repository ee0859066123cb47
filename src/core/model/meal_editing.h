#pragma once

#include "model/food_operations.h"
#include "model/food_types.h"

namespace mw {

// Amounts at or above this, and 0, are not kept: they become kFallbackAmount.
inline constexpr int kMaxEntryAmount = 10000;
inline constexpr Grams kFallbackAmount = 100;

// The amount a new entry stores: the requested grams, or one serving's weight truncated to whole
// grams when none (0) is requested.
Grams amountForNewEntry(const FoodOperations& foods, FoodId id, Grams requested);

// An amount the user asks for: 0 or more than 10000 becomes 100 g.
Grams acceptedAmount(long long grams);

} // namespace mw
