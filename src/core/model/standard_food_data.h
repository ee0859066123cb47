#pragma once

#include "model/food_types.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace mw {

// One row of the built-in food table, generated from data/standard_foods.csv.
struct StandardFoodRow
{
    // The list item text, "0;Milk [1 cup]".
    std::string_view item;
    // Word 0 is the serving weight in grams; words 1..27 the amount per 100 g times the nutrient's scale.
    std::array<std::uint16_t, kNutrientCount> nutrients;
    // Words 0..5: grams per pyramid serving of each slot (0: not in that slot);
    // words 6..8: the menu generator's portion for calorie classes 0, 1 and 2.
    std::array<std::uint16_t, 9> pyramid;
    std::uint16_t group;
};

extern const std::array<StandardFoodRow, kStandardFoodCount> kStandardFoodRows;

} // namespace mw
