#include "query/food_sort.h"

#include "query/food_listing.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace mw {
namespace {

constexpr Grams kSortPortion = 100;

struct KeyedLine
{
    float key = 0.0f;
    std::size_t line = 0;
    std::optional<FoodId> food;
};

// Equal keys compare equal, and a stable sort then keeps the list's own order among them.
template <typename T>
void sortByKey(std::vector<T>& keyed, SortDirection direction)
{
    if (direction == SortDirection::kAscending) {
        std::stable_sort(keyed.begin(), keyed.end(), [](const T& a, const T& b) { return a.key < b.key; });
    } else {
        std::stable_sort(keyed.begin(), keyed.end(), [](const T& a, const T& b) { return a.key > b.key; });
    }
}

// The food an item names, when that food exists; only those are rebuilt from the food data.
std::optional<FoodId> existingFoodOfItem(std::string_view item, const FoodOperations& foods)
{
    const std::optional<FoodId> id = foodOfItem(item);
    return id && foods.exists(*id) ? id : std::nullopt;
}

std::vector<KeyedLine> keyLines(std::span<const std::string> items, int nutrient, const FoodOperations& foods)
{
    std::vector<KeyedLine> keyed(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        keyed[i].line = i;
        keyed[i].food = existingFoodOfItem(items[i], foods);
        keyed[i].key = keyed[i].food ? nutrientSortKey(foods, *keyed[i].food, nutrient) : 0.0f;
    }
    return keyed;
}

} // namespace

std::string_view sortPopupTitle(SortDirection direction)
{
    return direction == SortDirection::kAscending ? kSortAscendingTitle : kSortDescendingTitle;
}

std::optional<int> sortNutrientOfCommand(int commandId)
{
    const int nutrient = commandId - kSortNutrientCommandBase;
    return isRankedNutrient(nutrient) ? std::optional<int>(nutrient) : std::nullopt;
}

std::string notEnoughMemoryToSortText(std::size_t count)
{
    std::string text(kNotEnoughMemoryToSortFormat);
    const std::size_t placeholder = text.find("%d");
    text.replace(placeholder, 2, std::to_string(count));
    return text;
}

float nutrientSortKey(const FoodOperations& foods, FoodId id, int nutrient)
{
    if (!isRankedNutrient(nutrient)) {
        return 0.0f;
    }
    const float value = foods.entryNutrients(id, kSortPortion)[static_cast<std::size_t>(nutrient)];
    return std::isfinite(value) ? value : 0.0f;
}

std::vector<FoodId> sortFoodsByNutrient(std::span<const FoodId> ids, int nutrient, SortDirection direction,
                                        const FoodOperations& foods)
{
    struct KeyedFood
    {
        float key;
        FoodId id;
    };
    std::vector<KeyedFood> keyed;
    keyed.reserve(ids.size());
    for (const FoodId id : ids) {
        keyed.push_back({nutrientSortKey(foods, id, nutrient), id});
    }
    sortByKey(keyed, direction);
    std::vector<FoodId> sorted;
    sorted.reserve(keyed.size());
    for (const KeyedFood& each : keyed) {
        sorted.push_back(each.id);
    }
    return sorted;
}

ItemSortResult sortItemsByNutrient(std::span<const std::string> items, int nutrient, SortDirection direction,
                                   const FoodOperations& foods)
{
    if (items.size() <= 1) {
        return {SortOutcome::kTooFewItems, {}};
    }
    try {
        std::vector<KeyedLine> keyed = keyLines(items, nutrient, foods);
        sortByKey(keyed, direction);
        ItemSortResult result{SortOutcome::kSorted, {}};
        result.items.reserve(keyed.size());
        for (const KeyedLine& each : keyed) {
            result.items.push_back(each.food ? foods.foodName(*each.food) : items[each.line]);
        }
        return result;
    } catch (const std::bad_alloc&) {
        return {SortOutcome::kOutOfMemory, {}};
    }
}

} // namespace mw
