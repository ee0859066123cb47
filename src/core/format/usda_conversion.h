#pragma once

#include "format/userfood_line.h"
#include "model/food_types.h"
#include "model/usda_food.h"

#include <bitset>
#include <cstdint>
#include <optional>

namespace mw {

// The one conversion from USDA's units to the catalogue's: the build checks the standard food table
// against it and the program makes personal foods with it (data/README.md explains the rules).

// An exact fraction of the catalogue's unit per 100 g.
struct UsdaAmount
{
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;

    double value() const { return static_cast<double>(numerator) / static_cast<double>(denominator); }
};

// Nutrient 1..27 (NutrientIndex) of a food of the given USDA group per 100 g; nullopt where USDA has no value.
std::optional<UsdaAmount> usdaNutrientAmount(const UsdaValues& values, int usdaGroup, int nutrient);

// The standard table's word for a nutrient: the amount per 100 g times its scale, rounded half up, 0 where
// USDA has no value; nullopt when it would not fit 0..65535.
std::optional<std::uint16_t> usdaStandardWord(const UsdaValues& values, int usdaGroup, int nutrient);

struct UsdaPortion
{
    // Slot 0 the portion's weight in grams, the nutrients of that portion in the others (0 where missing).
    PersonalFoodValues values{};
    // The nutrients USDA has no value for.
    std::bitset<kNutrientCount> missing;
};

UsdaPortion usdaPortion(const UsdaValues& values, int usdaGroup, double grams);

} // namespace mw
