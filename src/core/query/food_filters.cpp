#include "query/food_filters.h"

#include "query/food_listing.h"

#include <array>
#include <cmath>

namespace mw {
namespace {

constexpr Grams kFilterPortion = 1000;

constexpr std::array<std::string_view, kFoodFilterCount> kPrompts = {
    "Leave only high protein foods in listbox",
    "Leave only high fat foods in listbox",
    "Leave only high protein and high fat foods in listbox",
    "Leave only high carbohydrate foods in listbox",
    "Leave only Zone-favorable foods in food selection listbox",
    "Leave only foods containing antioxidant in food selection listbox",
    "Leave only foods containing co-factors in food selection listbox",
};

// Percent of the calories a macronutrient gives, at kcal per gram.
bool caloriePercentAtLeast(const NutrientVector& v, int nutrient, float kcalPerGramTimes100, float percent)
{
    const float calories = v[kCalories];
    return calories != 0.0f && v[static_cast<std::size_t>(nutrient)] * kcalPerGramTimes100 / calories >= percent;
}

bool isZoneFavorable(const NutrientVector& v)
{
    const float carbohydrate = v[kCarbohydrate];
    if (carbohydrate == 0.0f) {
        return false;
    }
    const float proteinPerCarbohydrate = std::trunc(v[kProtein] * 100.0f / carbohydrate);
    return proteinPerCarbohydrate >= 60.0f && proteinPerCarbohydrate <= 100.0f;
}

bool isRichIn(const NutrientVector& per1000Grams, NutrientIndex nutrient, float reference)
{
    const float amount = per1000Grams[nutrient];
    if (!(amount > 0.0f) || !std::isfinite(amount)) {
        return false;
    }
    const float per100Grams = amount / 10.0f;
    if (per100Grams < reference * kRichAmountShare) {
        return false;
    }
    const float calories = per1000Grams[kCalories];
    return calories <= 0.0f || amount * 1000.0f / calories >= reference * kRichDensityShare;
}

bool isAntioxidantFood(const NutrientVector& v)
{
    return isRichIn(v, kVitaminC, kVitaminCReference) || isRichIn(v, kVitaminE, kVitaminEReference) ||
           isRichIn(v, kVitaminA, kVitaminAReference);
}

bool isCofactorFood(const NutrientVector& v)
{
    return isRichIn(v, kVitaminB6, kVitaminB6Reference) || isRichIn(v, kMagnesium, kMagnesiumReference) ||
           isRichIn(v, kZinc, kZincReference);
}

} // namespace

int foodFilterCommand(FoodFilter filter)
{
    return kFirstFoodFilterCommand + static_cast<int>(filter);
}

std::string_view foodFilterPrompt(FoodFilter filter)
{
    return kPrompts.at(static_cast<std::size_t>(filter));
}

bool passesFoodFilter(FoodFilter filter, const NutrientVector& per1000Grams)
{
    const NutrientVector& v = per1000Grams;
    switch (filter) {
    case FoodFilter::kHighProtein:
        return caloriePercentAtLeast(v, kProtein, 400.0f, 80.0f);
    case FoodFilter::kHighFat:
        return caloriePercentAtLeast(v, kTotalFat, 900.0f, 80.0f);
    case FoodFilter::kHighProteinAndFat:
        return v[kCalories] != 0.0f && v[kCarbohydrate] * 400.0f / v[kCalories] <= 20.0f;
    case FoodFilter::kHighCarbohydrate:
        return caloriePercentAtLeast(v, kCarbohydrate, 400.0f, 80.0f);
    case FoodFilter::kZoneFavorable:
        return isZoneFavorable(v);
    case FoodFilter::kAntioxidant:
        return isAntioxidantFood(v);
    case FoodFilter::kCofactor:
        return isCofactorFood(v);
    }
    return false;
}

bool foodPassesFilter(FoodFilter filter, FoodId id, const FoodOperations& foods)
{
    return foods.exists(id) && passesFoodFilter(filter, foods.entryNutrients(id, kFilterPortion));
}

std::vector<FoodId> applyFoodFilter(FoodFilter filter, std::span<const FoodId> foods, const FoodOperations& operations)
{
    std::vector<FoodId> kept;
    for (const FoodId id : foods) {
        if (foodPassesFilter(filter, id, operations)) {
            kept.push_back(id);
        }
    }
    return kept;
}

} // namespace mw
