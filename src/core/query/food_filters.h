#pragma once

#include "model/food_operations.h"
#include "model/nutrient_vector.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mw {

// Filters that leave in the food list only the foods passing a test on their nutrients for 1000 g.
enum class FoodFilter : int
{
    kHighProtein = 0,   // protein gives at least 80 % of the calories
    kHighFat,           // fat gives at least 80 % of the calories
    kHighProteinAndFat, // carbohydrate gives at most 20 % of the calories
    kHighCarbohydrate,  // carbohydrate gives at least 80 % of the calories
    kZoneFavorable,     // 60 to 100 g of protein per 100 g of carbohydrate
    kAntioxidant,       // rich in vitamin C, E or A
    kCofactor,          // rich in vitamin B6, magnesium or zinc
};

inline constexpr int kFoodFilterCount = 7;
// Filter f has the command id kFirstFoodFilterCommand + f.
inline constexpr int kFirstFoodFilterCommand = 34080;

// A food is rich in a nutrient when 1000 kcal of it give at least 1.5 times the daily reference
// amount below (a food without calories passes this with any amount) and 100 g of it at least a
// tenth of that amount. The first test asks for nutrient density, enough that eggs and cream do not
// pass on their vitamin A alone; the second keeps out foods eaten by the gram, such as spices and
// calorie-free drinks with a trace of a vitamin. The references are an adult man's daily allowance,
// in the catalogue's units.
inline constexpr float kVitaminCReference = 60.0f;    // mg
inline constexpr float kVitaminEReference = 10.0f;    // mg alpha-tocopherol equivalents
inline constexpr float kVitaminAReference = 1000.0f;  // mcg retinol equivalents
inline constexpr float kVitaminB6Reference = 2000.0f; // mcg
inline constexpr float kMagnesiumReference = 350.0f;  // mg
inline constexpr float kZincReference = 15.0f;        // mg
inline constexpr float kRichDensityShare = 1.5f;      // of the reference per 1000 kcal
inline constexpr float kRichAmountShare = 0.1f;       // of the reference per 100 g

int foodFilterCommand(FoodFilter filter);
// The command's prompt, "Leave only high protein foods in listbox" ...
std::string_view foodFilterPrompt(FoodFilter filter);

// The test on a food's nutrients for 1000 g, in single precision.
bool passesFoodFilter(FoodFilter filter, const NutrientVector& per1000Grams);
// The test for a food; a food that does not exist has no nutrients and fails every test.
bool foodPassesFilter(FoodFilter filter, FoodId id, const FoodOperations& foods);
// The foods that stay, in their order.
std::vector<FoodId> applyFoodFilter(FoodFilter filter, std::span<const FoodId> foods, const FoodOperations& operations);

} // namespace mw
