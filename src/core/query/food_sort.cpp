#include "query/food_sort.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace mw {
namespace {

constexpr Grams kSortPortion = 100;

constexpr float kDensityCalories = 100.0f;

// A food without a key sorts after every food with one, whichever the direction.
struct SortKey
{
    bool missing = false;
    float value = 0.0f;
};

SortKey sortKeyOf(std::optional<float> value)
{
    return value ? SortKey{false, *value} : SortKey{true, 0.0f};
}

// Equal keys compare equal, and a stable sort then keeps the list's own order among them.
template <typename T>
void sortByKey(std::vector<T>& keyed, SortDirection direction)
{
    const bool ascending = direction == SortDirection::kAscending;
    std::stable_sort(keyed.begin(), keyed.end(), [ascending](const T& a, const T& b) {
        if (a.key.missing != b.key.missing) {
            return b.key.missing;
        }
        return ascending ? a.key.value < b.key.value : a.key.value > b.key.value;
    });
}

float finiteOrZero(float value)
{
    return std::isfinite(value) ? value : 0.0f;
}

} // namespace

std::string_view sortPopupTitle(SortDirection direction)
{
    return direction == SortDirection::kAscending ? kSortAscendingTitle : kSortDescendingTitle;
}

std::string notEnoughMemoryToSortText(std::size_t count)
{
    std::string text(kNotEnoughMemoryToSortFormat);
    const std::size_t placeholder = text.find("%d");
    text.replace(placeholder, 2, std::to_string(count));
    return text;
}

std::string_view sortBasisSubtitle(SortBasis basis)
{
    switch (basis) {
    case SortBasis::kPer100kcal:
        return kSortPer100kcalSubtitle;
    case SortBasis::kPerServing:
        return kSortPerServingSubtitle;
    case SortBasis::kPer100g:
        break;
    }
    return kSortPopupSubtitle;
}

std::string_view sortBasisUnitSuffix(SortBasis basis)
{
    switch (basis) {
    case SortBasis::kPer100kcal:
        return " per 100 kcal";
    case SortBasis::kPerServing:
        return " per serving";
    case SortBasis::kPer100g:
        break;
    }
    return {};
}

std::optional<SortBasis> sortBasisFromName(std::string_view name)
{
    if (name == "100g") {
        return SortBasis::kPer100g;
    }
    if (name == "100kcal") {
        return SortBasis::kPer100kcal;
    }
    if (name == "serving") {
        return SortBasis::kPerServing;
    }
    return std::nullopt;
}

std::optional<float> nutrientOnBasis(const FoodOperations& foods, FoodId id, int nutrient, SortBasis basis)
{
    if (!isRankedNutrient(nutrient)) {
        return 0.0f;
    }
    const NutrientVector per100g = foods.entryNutrients(id, kSortPortion);
    const float value = finiteOrZero(per100g[static_cast<std::size_t>(nutrient)]);
    switch (basis) {
    case SortBasis::kPer100kcal: {
        const float calories = finiteOrZero(per100g[kCalories]);
        if (calories <= 0.0f) {
            return std::nullopt;
        }
        return finiteOrZero(value * kDensityCalories / calories);
    }
    case SortBasis::kPerServing:
        return finiteOrZero(value * std::max(0.0f, finiteOrZero(foods.servingWeight(id))) / kSortPortion);
    case SortBasis::kPer100g:
        break;
    }
    return value;
}

std::vector<FoodId> sortFoodsByNutrient(std::span<const FoodId> ids, int nutrient, SortDirection direction,
                                        const FoodOperations& foods, SortBasis basis)
{
    struct KeyedFood
    {
        SortKey key;
        FoodId id;
    };
    std::vector<KeyedFood> keyed;
    keyed.reserve(ids.size());
    for (const FoodId id : ids) {
        keyed.push_back({sortKeyOf(nutrientOnBasis(foods, id, nutrient, basis)), id});
    }
    sortByKey(keyed, direction);
    std::vector<FoodId> sorted;
    sorted.reserve(keyed.size());
    for (const KeyedFood& each : keyed) {
        sorted.push_back(each.id);
    }
    return sorted;
}

FoodSortResult sortFoodList(std::span<const FoodId> foods, int nutrient, SortDirection direction,
                            const FoodOperations& operations, SortBasis basis)
{
    if (foods.size() <= 1) {
        return {SortOutcome::kTooFewItems, {}};
    }
    try {
        return {SortOutcome::kSorted, sortFoodsByNutrient(foods, nutrient, direction, operations, basis)};
    } catch (const std::bad_alloc&) {
        return {SortOutcome::kOutOfMemory, {}};
    }
}

} // namespace mw
