#pragma once

#include "format/personal_food_validation.h"
#include "format/usda_conversion.h"
#include "model/personal_food_source.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mw {

// A USDA food made into a personal food: the portion's values as the line will store them.
struct UsdaPersonalFood
{
    std::string name;
    std::string portionText;
    UsdaPortion portion;
};

// The food at position food of the USDA extract for a portion of grams, named by its USDA name shortened to the
// personal-food limit.
UsdaPersonalFood makeUsdaPersonalFood(std::size_t food, double grams, std::string portionText);

// The first field the personal food format cannot hold (a value above 9999, a name or portion too long), as
// the add-food dialog would refuse it.
std::optional<PersonalFoodProblem> usdaPersonalFoodProblem(const UsdaPersonalFood& food);

// Record number of a personal food that stores exactly these values, weight included: the same USDA food
// and portion added before under whatever name.
std::optional<std::size_t> findSamePersonalValues(const PersonalFoodSource& personal, const PersonalFoodValues& values);

} // namespace mw
