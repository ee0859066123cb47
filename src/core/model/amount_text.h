#pragma once

#include "model/food_operations.h"
#include "model/food_types.h"

#include <optional>
#include <string>
#include <string_view>

namespace mw {

// Amounts typed with a unit, for the amount field and the command line: "2 cups" or "3 slices" in the food's
// own portion unit, "1.5 servings", "1/2 serving" or a bare fraction "1½" (servings), "100 g", "3 oz",
// "0.5 lb", or a bare number of grams.

// What a typed amount weighs.
struct AmountReading
{
    // Whole grams (rounded to the nearest), 1..10000; nullopt when the text was refused.
    std::optional<Grams> grams;
    // Why it was refused, in a sentence that shows what can be typed; empty when read.
    std::string problem;
};

// The food's portion as its name gives it: the serving weight in grams and the text in square brackets.
struct FoodPortion
{
    float grams = 0.0f;
    std::string text;
};

FoodPortion foodPortion(const FoodOperations& foods, FoodId id);

AmountReading readAmount(std::string_view typed, const FoodPortion& portion);
AmountReading readAmount(std::string_view typed, const FoodOperations& foods, FoodId id);

} // namespace mw
