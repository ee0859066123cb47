#pragma once

// Undoable edits of a day. Each edit makes its change through the document's operations and takes it back
// exactly: the entries, amounts and order there were, and with them the same totals. The desktop program
// wraps them in its undo history; tests drive them directly.

#include "model/day_document.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace mw {

class DayEdit
{
public:
    virtual ~DayEdit() = default;
    virtual void apply(CFofDoc& day) = 0;
    virtual void revert(CFofDoc& day) = 0;
};

// A food appended to a meal.
std::unique_ptr<DayEdit> addEntryEdit(MealIndex meal, CFood entry);
// Entry k of the meal taken out; none when there is no such entry.
std::unique_ptr<DayEdit> deleteEntryEdit(const CFofDoc& day, MealIndex meal, std::size_t k);
// Entry k given another amount; none when there is no such entry.
std::unique_ptr<DayEdit> setAmountEdit(const CFofDoc& day, MealIndex meal, std::size_t k, Grams amount);
// The meal emptied (a clear, or the second half of a cut).
std::unique_ptr<DayEdit> clearMealEdit(const CFofDoc& day, MealIndex meal);
// Entries inserted before position k (a paste); none when k is past the end of the meal.
std::unique_ptr<DayEdit> insertEntriesEdit(const CFofDoc& day, MealIndex meal, std::size_t k,
                                           std::vector<CFood> entries);
// The whole day put in place of another, each shown at its own meal.
std::unique_ptr<DayEdit> replaceDayEdit(DayMeals before, MealIndex shownBefore, DayMeals after, MealIndex shownAfter);

} // namespace mw
