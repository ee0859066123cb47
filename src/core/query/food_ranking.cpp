#include "query/food_ranking.h"

#include "query/food_sort.h"

#include <cmath>

namespace mw {
namespace {

float entryValue(const CFofDoc& day, const CFood& entry, int nutrient)
{
    if (!isRankedNutrient(nutrient)) {
        return 0.0f;
    }
    const float value = day.entryNutrients(entry)[static_cast<std::size_t>(nutrient)];
    return std::isfinite(value) ? value : 0.0f;
}

bool isBetter(float value, float best, FindMode mode)
{
    return mode == FindMode::kLowest ? value < best : value > best;
}

} // namespace

std::string_view findPopupTitle(FindMode mode)
{
    return mode == FindMode::kLowest ? kFindLowestTitle : kFindHighestTitle;
}

bool canFindInDay(const CFofDoc& day)
{
    return day.dayNutrients()[kWeight] != 0.0f;
}

std::optional<MealEntryPosition> findExtremeEntry(const CFofDoc& day, int nutrient, FindMode mode, int lastFoundMeal)
{
    // The first entry met is the best so far: no starting value can stand in for every real one.
    const int last = lastFoundMeal >= 0 && lastFoundMeal < kMealCount ? lastFoundMeal : -1;
    std::optional<MealEntryPosition> found;
    float best = 0.0f;
    for (int step = 1; step <= kMealCount; ++step) {
        const auto meal = static_cast<MealIndex>((last + step) % kMealCount);
        for (std::size_t k = 0; k < day.entryCount(meal); ++k) {
            const float value = entryValue(day, day.entry(meal, k), nutrient);
            if (!found || isBetter(value, best, mode)) {
                best = value;
                found = MealEntryPosition{meal, k};
            }
        }
    }
    return found;
}

void NutrientFinder::setMode(FindMode mode)
{
    if (mode != m_mode) {
        m_lastFoundMeal = -1;
    }
    m_mode = mode;
}

std::optional<MealEntryPosition> NutrientFinder::find(const CFofDoc& day, int nutrient)
{
    const std::optional<MealEntryPosition> found = findExtremeEntry(day, nutrient, m_mode, m_lastFoundMeal);
    if (found) {
        m_lastFoundMeal = found->meal;
    }
    return found;
}

} // namespace mw
