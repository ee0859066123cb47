#include "model/day_document.h"

#include "model/food_operations.h"

#include <utility>

namespace mw {

void CFofDoc::appendEntry(MealIndex m, FoodId id, Grams amount)
{
    CMeal& target = editableMeal(m);
    markModified();
    target.append(CFood(id, amount));
}

bool CFofDoc::insertEntries(MealIndex m, std::size_t k, std::span<const CFood> entries)
{
    CMeal& target = editableMeal(m);
    if (k > target.size()) {
        return false;
    }
    markModified();
    return target.insert(k, entries);
}

bool CFofDoc::removeEntry(MealIndex m, std::size_t k)
{
    CMeal& target = editableMeal(m);
    if (k >= target.size()) {
        return false;
    }
    markModified();
    return target.remove(k);
}

bool CFofDoc::setAmount(MealIndex m, std::size_t k, Grams amount)
{
    CMeal& target = editableMeal(m);
    if (k >= target.size()) {
        return false;
    }
    markModified();
    return target.setAmount(k, amount);
}

void CFofDoc::clearMeal(MealIndex m)
{
    CMeal& target = editableMeal(m);
    markModified();
    target.clear();
}

void CFofDoc::replaceMeals(DayMeals meals)
{
    m_meals = std::move(meals);
    m_modified = false;
}

NutrientVector CFofDoc::entryNutrients(const CFood& entry) const
{
    return entry.nutrients(*m_foods);
}

float CFofDoc::entryServings(const CFood& entry) const
{
    return entry.servings(*m_foods);
}

PyramidServings CFofDoc::entryPyramidServings(const CFood& entry) const
{
    return entry.pyramidServings(*m_foods);
}

NutrientVector CFofDoc::mealNutrients(MealIndex m) const
{
    return meal(m).nutrients(*m_foods);
}

PyramidServings CFofDoc::mealPyramidServings(MealIndex m) const
{
    return meal(m).pyramidServings(*m_foods);
}

NutrientVector CFofDoc::dayNutrients() const
{
    NutrientVector total;
    for (const CMeal& each : m_meals) {
        total.add(each.nutrients(*m_foods));
    }
    return total;
}

void CFofDoc::copyEntriesInto(std::vector<CFood>& list, MealIndex m) const
{
    meal(m).copyEntriesInto(list);
}

} // namespace mw
