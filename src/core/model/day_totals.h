#pragma once

#include "model/food_entry.h"
#include "model/meal.h"
#include "model/nutrient_vector.h"

#include <array>
#include <span>

namespace mw {

class FoodOperations;

// The entries' nutrients from their stored amounts, added where only positive values count.
NutrientVector sumEntries(std::span<const CFood> entries, const FoodOperations& foods);

// The totals of the six meals and of the day, each entry counted with the amount it has stored.
// recomputeMeal after every edit of a meal keeps the totals exactly equal to computeTotals of the edited day
// (the day is the sum of the six meals).
class DayTotals
{
public:
    const NutrientVector& meal(int meal) const { return m_meals.at(static_cast<std::size_t>(meal)); }
    const NutrientVector& day() const { return m_day; }

    // Sums the meal's entries anew and the day from the six meals.
    void recomputeMeal(int meal, std::span<const CFood> entries, const FoodOperations& foods);
    void setMeal(int meal, const NutrientVector& totals);

    friend bool operator==(const DayTotals&, const DayTotals&) = default;

private:
    void sumDay();

    std::array<NutrientVector, kMealCount> m_meals{};
    NutrientVector m_day;
};

// Every meal's entries in order, then the day from the six meals.
DayTotals computeTotals(const DayMeals& meals, const FoodOperations& foods);

} // namespace mw
