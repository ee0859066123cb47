#include "model/day_totals.h"

#include "model/food_operations.h"

namespace mw {

NutrientVector sumEntries(std::span<const CFood> entries, const FoodOperations& foods)
{
    NutrientVector total;
    for (const CFood& entry : entries) {
        total.add(foods.entryNutrients(entry.foodId(), entry.amount()));
    }
    return total;
}

void DayTotals::recomputeMeal(int meal, std::span<const CFood> entries, const FoodOperations& foods)
{
    setMeal(meal, sumEntries(entries, foods));
}

void DayTotals::setMeal(int meal, const NutrientVector& totals)
{
    m_meals.at(static_cast<std::size_t>(meal)) = totals;
    sumDay();
}

void DayTotals::sumDay()
{
    m_day = NutrientVector();
    for (const NutrientVector& meal : m_meals) {
        m_day.add(meal);
    }
}

DayTotals computeTotals(const DayMeals& meals, const FoodOperations& foods)
{
    DayTotals totals;
    for (int m = 0; m < kMealCount; ++m) {
        totals.recomputeMeal(m, meals[static_cast<std::size_t>(m)].entries(), foods);
    }
    return totals;
}

} // namespace mw
