#pragma once

#include "model/food_operations.h"
#include "model/food_types.h"

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

// The sort popup: a title, a subtitle, then the nutrient names with the commands base + nutrient.
inline constexpr std::string_view kSortAscendingTitle = "Sort ASCENDING:";
inline constexpr std::string_view kSortDescendingTitle = "Sort DESCENDING:";
inline constexpr std::string_view kSortPopupSubtitle = "(per 100g of food)";
inline constexpr int kSortNutrientCommandBase = 32835;
inline constexpr std::string_view kNotEnoughMemoryToSortFormat = "Not enough memory to sort %d items.";

std::string_view sortPopupTitle(SortDirection direction);
// The nutrient a sort popup command chooses; nullopt for the titles (id 0) and anything else.
std::optional<int> sortNutrientOfCommand(int commandId);
// "Not enough memory to sort 12 items."
std::string notEnoughMemoryToSortText(std::size_t count);

// Nutrient k of 100 g of the food; 0 when the value is not finite or k is not 1..27.
float nutrientSortKey(const FoodOperations& foods, FoodId id, int nutrient);

// The foods ordered by their key. Foods with equal keys keep their order, so a sort gives the same
// list every time.
std::vector<FoodId> sortFoodsByNutrient(std::span<const FoodId> ids, int nutrient, SortDirection direction,
                                        const FoodOperations& foods);

enum class SortOutcome
{
    kSorted,
    // Zero or one item: the list stays as it is and does not count as sorted.
    kTooFewItems,
    // No memory for the sort: the list stays as it is.
    kOutOfMemory,
};

struct ItemSortResult
{
    SortOutcome outcome = SortOutcome::kTooFewItems;
    // The sorted items when sorted, rebuilt from the food data.
    std::vector<std::string> items;
};

// Sorts food list items "id;Name [portion]" by nutrient k per 100 g. A line that names no existing
// food (such as a 9999 line for a missing food) counts as 0 and keeps its own text.
ItemSortResult sortItemsByNutrient(std::span<const std::string> items, int nutrient, SortDirection direction,
                                   const FoodOperations& foods);

} // namespace mw
