#include "model/day_document.h"

#include "model/food_operations.h"

#include <utility>

namespace mw {

CFofDoc::CFofDoc(const FoodOperations& foods) : m_foods(&foods)
{
}

void CFofDoc::appendEntry(MealIndex m, FoodId id, Grams amount)
{
    editableMeal(m).append(CFood(id, amount));
    // Summing the meal anew adds its entries in order from zero; the total so far plus the new entry is that
    // very sum, to the last bit, without going over a long meal again.
    NutrientVector total = m_totals.meal(m);
    total.add(m_foods->entryNutrients(id, amount));
    m_totals.setMeal(m, total);
    announce(DayChange{false, m});
}

bool CFofDoc::insertEntries(MealIndex m, std::size_t k, std::span<const CFood> entries)
{
    if (!editableMeal(m).insert(k, entries)) {
        return false;
    }
    mealChanged(m);
    return true;
}

bool CFofDoc::removeEntry(MealIndex m, std::size_t k)
{
    return removeEntries(m, k, 1);
}

bool CFofDoc::removeEntries(MealIndex m, std::size_t k, std::size_t count)
{
    if (!editableMeal(m).remove(k, count)) {
        return false;
    }
    mealChanged(m);
    return true;
}

bool CFofDoc::setAmount(MealIndex m, std::size_t k, Grams amount)
{
    if (!editableMeal(m).setAmount(k, amount)) {
        return false;
    }
    mealChanged(m);
    return true;
}

void CFofDoc::clearMeal(MealIndex m)
{
    editableMeal(m).clear();
    mealChanged(m);
}

void CFofDoc::clearDay()
{
    for (CMeal& each : m_meals) {
        each.clear();
    }
    m_totals = DayTotals();
    dayChanged(std::nullopt);
}

void CFofDoc::setMeals(DayMeals meals, std::optional<MealIndex> shownMeal)
{
    m_meals = std::move(meals);
    m_totals = computeTotals(m_meals, *m_foods);
    dayChanged(shownMeal);
}

void CFofDoc::replaceMeals(DayMeals meals)
{
    m_meals = std::move(meals);
    m_totals = computeTotals(m_meals, *m_foods);
    dayChanged(std::nullopt);
}

void CFofDoc::foodsChanged()
{
    m_totals = computeTotals(m_meals, *m_foods);
    dayChanged(std::nullopt);
}

void CFofDoc::mealChanged(MealIndex m)
{
    m_totals.recomputeMeal(m, meal(m).entries(), *m_foods);
    announce(DayChange{false, m});
}

void CFofDoc::dayChanged(std::optional<MealIndex> shownMeal)
{
    announce(DayChange{true, shownMeal});
}

void CFofDoc::announce(const DayChange& change)
{
    if (m_batchDepth > 0) {
        m_batchChanged = true;
        return;
    }
    // A listener may add or remove listeners while it is told.
    const auto listeners = m_listeners;
    for (const auto& [id, listener] : listeners) {
        listener(change);
    }
}

std::size_t CFofDoc::addChangeListener(DayChangeListener listener)
{
    m_listeners.emplace_back(m_nextListenerId, std::move(listener));
    return m_nextListenerId++;
}

void CFofDoc::removeChangeListener(std::size_t id)
{
    std::erase_if(m_listeners, [id](const auto& each) { return each.first == id; });
}

CFofDoc::ChangeBatch::ChangeBatch(CFofDoc& document) : m_document(document)
{
    ++m_document.m_batchDepth;
}

CFofDoc::ChangeBatch::~ChangeBatch()
{
    if (--m_document.m_batchDepth == 0 && std::exchange(m_document.m_batchChanged, false)) {
        m_document.dayChanged(std::nullopt);
    }
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

void CFofDoc::copyEntriesInto(std::vector<CFood>& list, MealIndex m) const
{
    meal(m).copyEntriesInto(list);
}

} // namespace mw
