#pragma once

#include "model/food_types.h"

#include <functional>
#include <optional>
#include <string_view>

namespace mw {

struct FoodGroupRange
{
    std::int16_t first;
    std::int16_t count;
};

std::string_view nutrientLongName(int nutrient);
std::string_view nutrientShortName(int nutrient);
std::string_view nutrientShortestName(int nutrient);
std::string_view nutrientPanelUnit(int nutrient);
std::string_view nutrientReportUnit(int nutrient);

// Drawn width of a text in the caller's units.
using TextWidthFunction = std::function<int(std::string_view)>;

// The longest of the long, short and shortest names that fits the width; the shortest when none does.
// The report tries only the long and the shortest name (steps = 2).
std::string_view fittingNutrientName(int nutrient, int availableWidth, const TextWidthFunction& width, int steps = 3);

std::string_view mealTitle(int meal);
std::string_view foodGroupTitle(int group);
FoodGroupRange foodGroupRange(int group);
// The standard group holding the food; none for personal foods.
std::optional<int> foodGroupOf(FoodId id);
std::string_view pyramidGroupTitle(int slot);
std::string_view panelColumnLabel(int column);

} // namespace mw
