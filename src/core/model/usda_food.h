#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mw {

// The nutrient columns of the USDA SR24 extract (data/usda/usda-sr24-foods.csv), in file order.
enum UsdaColumn : int
{
    kUsdaEnergy = 0,
    kUsdaProtein,
    kUsdaCarbohydrate,
    kUsdaFat,
    kUsdaSaturatedFat,
    kUsdaMonounsaturatedFat,
    kUsdaPolyunsaturatedFat,
    kUsdaCholesterol,
    kUsdaFiber,
    kUsdaVitaminAIu,
    kUsdaRetinol,
    kUsdaBetaCarotene,
    kUsdaAlphaCarotene,
    kUsdaBetaCryptoxanthin,
    kUsdaVitaminE,
    kUsdaVitaminC,
    kUsdaThiamin,
    kUsdaRiboflavin,
    kUsdaNiacin,
    kUsdaVitaminB6,
    kUsdaFolate,
    kUsdaVitaminB12,
    kUsdaCalcium,
    kUsdaPhosphorus,
    kUsdaMagnesium,
    kUsdaIron,
    kUsdaZinc,
    kUsdaCopper,
    kUsdaSodium,
    kUsdaPotassium,
    kUsdaAlcohol,
    kUsdaColumnCount,
};

// A column value in thousandths of its unit per 100 g; kUsdaMissing where USDA has no value. Whole
// thousandths hold every value of the extract exactly, so conversions can round as exactly as the table
// builder does.
inline constexpr std::int32_t kUsdaMissing = -1;
using UsdaValues = std::array<std::int32_t, kUsdaColumnCount>;

// One household measure: amount x measure weighs grams (amount and grams in thousandths).
struct UsdaMeasureRow
{
    std::int32_t amount;
    std::int32_t grams;
    std::string_view measure;
};

struct UsdaFoodRow
{
    std::int32_t ndb;
    // The USDA food group, the NDB number's first two digits.
    std::int16_t group;
    // The first standard food made from this USDA food, or -1.
    std::int16_t standardFood;
    std::int32_t firstMeasure;
    std::int32_t measureCount;
    std::string_view name;
};

// The whole extract, compiled in from data/usda at build time, ordered by NDB number. It holds offsets
// rather than pointers, so the loader has nothing to relocate and its pages stay untouched until used.
std::size_t usdaFoodCount();
UsdaFoodRow usdaFood(std::size_t food);
const UsdaValues& usdaValues(std::size_t food);
std::vector<UsdaMeasureRow> usdaMeasures(std::size_t food);
// Position of a food in the extract, nullopt for an NDB number it lacks.
std::optional<std::size_t> findUsdaFood(std::int32_t ndb);

// "01009".
std::string usdaNdbText(std::int32_t ndb);

} // namespace mw
