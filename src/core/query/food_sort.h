#pragma once

#include "model/food_operations.h"
#include "model/food_types.h"
#include "model/settings_keys.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mw {

enum class SortDirection : int
{
    kDescending = 0,
    kAscending = 1,
};

// Foods are ranked by Calories (1) .. Alcohol (27); weight is not offered.
inline constexpr int kFirstRankedNutrient = kCalories;
inline constexpr int kLastRankedNutrient = kAlcohol;
constexpr bool isRankedNutrient(int nutrient)
{
    return nutrient >= kFirstRankedNutrient && nutrient <= kLastRankedNutrient;
}

// The sort popup: a title, a subtitle, then the nutrient names.
inline constexpr std::string_view kSortAscendingTitle = "Sort ASCENDING:";
inline constexpr std::string_view kSortDescendingTitle = "Sort DESCENDING:";
inline constexpr std::string_view kSortPopupSubtitle = "(per 100g of food)";
inline constexpr std::string_view kSortPer100kcalSubtitle = "(per 100 kcal)";
inline constexpr std::string_view kSortPerServingSubtitle = "(per serving)";
inline constexpr SortBasis kSortBases[] = {SortBasis::kPer100g, SortBasis::kPer100kcal, SortBasis::kPerServing};
inline constexpr std::string_view kNotEnoughMemoryToSortFormat = "Not enough memory to sort %d items.";

std::string_view sortPopupTitle(SortDirection direction);
// "Not enough memory to sort 12 items."
std::string notEnoughMemoryToSortText(std::size_t count);

// The popup line that chooses the basis: "(per 100g of food)", "(per 100 kcal)", "(per serving)".
std::string_view sortBasisSubtitle(SortBasis basis);
// What follows a value's unit in the sorted list's nutrient popup: nothing per 100 g (as it always read),
// " per 100 kcal", " per serving".
std::string_view sortBasisUnitSuffix(SortBasis basis);
// "100g", "100kcal", "serving": the command line's names; nullopt for any other text.
std::optional<SortBasis> sortBasisFromName(std::string_view name);

// Nutrient k of the food on the basis: in 100 g, in as much of it as gives 100 kcal, or in its serving
// weight (the standard portion, a personal food's weight; 0 g without one). None per 100 kcal for a food
// without calories; 0 for a value that is not finite or k not 1..27.
std::optional<float> nutrientOnBasis(const FoodOperations& foods, FoodId id, int nutrient, SortBasis basis);

// The foods ordered by their key. Foods with equal keys keep their order, so a sort gives the same
// list every time; foods without a key (no calories, per 100 kcal) come last in either direction.
std::vector<FoodId> sortFoodsByNutrient(std::span<const FoodId> ids, int nutrient, SortDirection direction,
                                        const FoodOperations& foods, SortBasis basis = SortBasis::kPer100g);

enum class SortOutcome
{
    kSorted,
    // Zero or one item: the list stays as it is and does not count as sorted.
    kTooFewItems,
    // No memory for the sort: the list stays as it is.
    kOutOfMemory,
};

struct FoodSortResult
{
    SortOutcome outcome = SortOutcome::kTooFewItems;
    // The sorted foods when sorted.
    std::vector<FoodId> foods;
};

// Sorts a food list by nutrient k on the basis, as sortFoodsByNutrient orders foods.
FoodSortResult sortFoodList(std::span<const FoodId> foods, int nutrient, SortDirection direction,
                            const FoodOperations& operations, SortBasis basis = SortBasis::kPer100g);

} // namespace mw
