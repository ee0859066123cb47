#pragma once

// The edits a user makes of a day: each is one named step of the day window's history, and the meal
// clipboard's refusals are said in a message box.

#include "ui_text.h"

#include "calc/linear_congruential_random.h"
#include "calc/menu_generator.h"
#include "model/day_document.h"

#include <QString>

#include <cstddef>
#include <optional>

class QUndoStack;
class QWidget;

namespace mw::gui {

class MealEditor
{
public:
    // The document and its history must outlive the editor; parent carries the clipboard's messages.
    MealEditor(const FoodOperations& foods, CFofDoc& document, QUndoStack& history, QWidget* parent);

    // Appends the food with requested grams, 0 for one serving truncated to whole grams.
    void addEntry(MealIndex meal, FoodId food, Grams requested);
    void deleteEntry(MealIndex meal, std::size_t k);
    // False when there is no such entry.
    bool setAmount(MealIndex meal, std::size_t k, Grams amount);

    // The meal clipboard. Paste puts the entries before the selected one, else at the meal's end.
    void copyMeal(MealIndex meal);
    void cutMeal(MealIndex meal);
    void clearMeal(MealIndex meal);
    // False when the clipboard is empty.
    bool pasteMeal(MealIndex meal, std::optional<std::size_t> selected);

    // Every meal emptied, shown stays the meal shown.
    void clearDay(MealIndex shown);
    // Replaces the day with a generated menu for the requested target (0: a random one).
    GeneratedMenu generateMenu(RandomSource& random, int requested, MealIndex shown);

private:
    QString foodStepName(UiText format, FoodId food) const;

    const FoodOperations& m_foods;
    CFofDoc& m_document;
    QUndoStack& m_history;
    QWidget* m_parent;
};

} // namespace mw::gui
