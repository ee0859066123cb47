#pragma once

#include "model/day_totals.h"
#include "model/food_entry.h"
#include "model/food_types.h"
#include "model/meal.h"
#include "model/nutrient_vector.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace mw {

class FoodOperations;

// What an edit of a day changed, as the document announces it.
struct DayChange
{
    // Every meal may have changed, not only the one named.
    bool wholeDay = false;
    // The meal that changed; for a whole day, the meal a view should show (none: the one it shows).
    std::optional<MealIndex> meal;

    friend bool operator==(const DayChange&, const DayChange&) = default;
};

using DayChangeListener = std::function<void(const DayChange&)>;

// One day's menu: six meals and their totals. Every edit goes through the operations below, which sum the
// meal they touched anew and announce the change to every
// listener. A meal index m must be 0..5; an operation on a position that is not in the meal returns false
// and changes nothing.
class CFofDoc
{
public:
    // The food operations turn entries into nutrients and must outlive the document.
    explicit CFofDoc(const FoodOperations& foods);
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
    // Removes count entries from position k on; false and no change unless all of them are in the meal.
    bool removeEntries(MealIndex m, std::size_t k, std::size_t count);
    bool setAmount(MealIndex m, std::size_t k, Grams amount);
    // Announces the meal even when it was empty already.
    void clearMeal(MealIndex m);
    // Every meal emptied, as one change.
    void clearDay();
    // Puts other meals in place of the day's as one change; a view shows the
    // meal named.
    void setMeals(DayMeals meals, std::optional<MealIndex> shownMeal);
    // Puts a day read from a file in place of the current one.
    void replaceMeals(DayMeals meals);
    // Sums every meal anew after what a food weighs or holds changed (a personal food was edited); the
    // entries stay as they are. Announced as a change of the whole day.
    void foodsChanged();

    NutrientVector entryNutrients(const CFood& entry) const;
    float entryServings(const CFood& entry) const;
    PyramidServings entryPyramidServings(const CFood& entry) const;
    // The six meal totals and the day's, kept up to date by every operation.
    const DayTotals& totals() const { return m_totals; }
    const NutrientVector& mealNutrients(MealIndex m) const { return m_totals.meal(m); }
    // The six meal totals added by the same positive-values-only rule.
    const NutrientVector& dayNutrients() const { return m_totals.day(); }
    // Appends copies of meal m's entries to the list (the meal clipboard); the list owns them.
    void copyEntriesInto(std::vector<CFood>& list, MealIndex m) const;

    // The listener hears of every change until it is removed; the id removes it.
    std::size_t addChangeListener(DayChangeListener listener);
    void removeChangeListener(std::size_t id);

    // While a batch lives, changes are gathered; when the last batch ends, a whole day's change is
    // announced once if anything changed (a generated menu's many additions repaint once).
    class ChangeBatch
    {
    public:
        explicit ChangeBatch(CFofDoc& document);
        ~ChangeBatch();
        ChangeBatch(const ChangeBatch&) = delete;
        ChangeBatch& operator=(const ChangeBatch&) = delete;

    private:
        CFofDoc& m_document;
    };

private:
    CMeal& editableMeal(MealIndex m) { return m_meals.at(static_cast<std::size_t>(m)); }
    // Sums meal m anew and announces it.
    void mealChanged(MealIndex m);
    void dayChanged(std::optional<MealIndex> shownMeal);
    void announce(const DayChange& change);

    const FoodOperations* m_foods;
    DayMeals m_meals;
    DayTotals m_totals;
    std::vector<std::pair<std::size_t, DayChangeListener>> m_listeners;
    std::size_t m_nextListenerId = 1;
    int m_batchDepth = 0;
    bool m_batchChanged = false;
};

} // namespace mw
