#pragma once

#include "model/food_entry.h"
#include "model/food_types.h"
#include "model/meal.h"
#include "model/nutrient_vector.h"

#include <cstddef>
#include <span>
#include <vector>

namespace mw {

class FoodOperations;

// One day's menu: six meals and the modified flag. Every edit goes through the operations below,
// which set the modified flag before they change anything. A meal index m must be 0..5; an
// operation on a position that is not in the meal returns false and changes nothing.
class CFofDoc
{
public:
    // The food operations turn entries into nutrients and must outlive the document.
    explicit CFofDoc(const FoodOperations& foods) : m_foods(&foods) {}
    CFofDoc(const CFofDoc&) = delete;
    CFofDoc& operator=(const CFofDoc&) = delete;

    const CMeal& meal(MealIndex m) const { return m_meals.at(static_cast<std::size_t>(m)); }
    const DayMeals& meals() const { return m_meals; }
    std::size_t entryCount(MealIndex m) const { return meal(m).size(); }
    const CFood& entry(MealIndex m, std::size_t k) const { return meal(m).entry(k); }
    const FoodOperations& foods() const { return *m_foods; }

    void appendEntry(MealIndex m, FoodId id, Grams amount);
    // Inserts copies of the entries before position k (a paste).
    bool insertEntries(MealIndex m, std::size_t k, std::span<const CFood> entries);
    bool removeEntry(MealIndex m, std::size_t k);
    bool setAmount(MealIndex m, std::size_t k, Grams amount);
    // Marks the day modified even when the meal was empty already.
    void clearMeal(MealIndex m);
    // Puts a day read from a file in place of the current one; the day is then unmodified.
    void replaceMeals(DayMeals meals);

    bool isModified() const { return m_modified; }
    void markModified() { m_modified = true; }
    // Called once the day is saved.
    void clearModified() { m_modified = false; }

    NutrientVector entryNutrients(const CFood& entry) const;
    float entryServings(const CFood& entry) const;
    PyramidServings entryPyramidServings(const CFood& entry) const;
    NutrientVector mealNutrients(MealIndex m) const;
    PyramidServings mealPyramidServings(MealIndex m) const;
    // The six meal totals added by the same positive-values-only rule.
    NutrientVector dayNutrients() const;
    // Appends copies of meal m's entries to the list (the meal clipboard); the list owns them.
    void copyEntriesInto(std::vector<CFood>& list, MealIndex m) const;

private:
    CMeal& editableMeal(MealIndex m) { return m_meals.at(static_cast<std::size_t>(m)); }

    const FoodOperations* m_foods;
    DayMeals m_meals;
    bool m_modified = false;
};

} // namespace mw
