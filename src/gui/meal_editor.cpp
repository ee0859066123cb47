#include "meal_editor.h"

#include "day_edit_command.h"
#include "frame_texts.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "view_texts.h"

#include "calc/menu_generation_edit.h"
#include "model/catalogue.h"
#include "model/meal_clipboard.h"
#include "model/meal_editing.h"

#include <utility>
#include <vector>

namespace mw::gui {
namespace {

QString mealStepName(UiText format, MealIndex meal)
{
    return toQString(format).arg(toQString(mealTitle(meal)));
}

} // namespace

MealEditor::MealEditor(const FoodOperations& foods, CFofDoc& document, QUndoStack& history, QWidget* parent)
    : m_foods(foods), m_document(document), m_history(history), m_parent(parent)
{
}

QString MealEditor::foodStepName(UiText format, FoodId food) const
{
    return toQString(format).arg(toQString(m_foods.displayName(food)));
}

void MealEditor::addEntry(MealIndex meal, FoodId food, Grams requested)
{
    const Grams amount = amountForNewEntry(m_foods, food, requested);
    pushDayEdit(m_history, m_document, addEntryEdit(meal, CFood(food, amount)), foodStepName(texts::kAddStep, food));
}

void MealEditor::deleteEntry(MealIndex meal, std::size_t k)
{
    if (k >= m_document.entryCount(meal)) {
        return;
    }
    const FoodId food = m_document.entry(meal, k).foodId();
    pushDayEdit(m_history, m_document, deleteEntryEdit(m_document, meal, k), foodStepName(texts::kDeleteStep, food));
}

bool MealEditor::setAmount(MealIndex meal, std::size_t k, Grams amount)
{
    if (k >= m_document.entryCount(meal)) {
        return false;
    }
    const FoodId food = m_document.entry(meal, k).foodId();
    pushDayEdit(m_history, m_document, setAmountEdit(m_document, meal, k, amount),
                foodStepName(texts::kAmountStep, food));
    return true;
}

void MealEditor::copyMeal(MealIndex meal)
{
    const MealClipboardStatus status = MealClipboard::instance().copyMeal(m_document, meal);
    if (status != MealClipboardStatus::kDone) {
        Prompts::information(m_parent, toQString(texts::kMainFrameTitle), toQString(mealClipboardMessage(status)));
    }
}

void MealEditor::cutMeal(MealIndex meal)
{
    const MealClipboardStatus status = MealClipboard::instance().copyMeal(m_document, meal);
    if (status != MealClipboardStatus::kDone) {
        Prompts::information(m_parent, toQString(texts::kMainFrameTitle), toQString(mealClipboardMessage(status)));
        return;
    }
    pushDayEdit(m_history, m_document, clearMealEdit(m_document, meal), mealStepName(texts::kCutStep, meal));
}

void MealEditor::clearMeal(MealIndex meal)
{
    if (!MealClipboard::canTakeMeal(m_document, meal)) {
        Prompts::information(m_parent, toQString(texts::kMainFrameTitle),
                             toQString(mealClipboardMessage(MealClipboardStatus::kMealEmpty)));
        return;
    }
    pushDayEdit(m_history, m_document, clearMealEdit(m_document, meal), mealStepName(texts::kClearStep, meal));
}

bool MealEditor::pasteMeal(MealIndex meal, std::optional<std::size_t> selected)
{
    const MealClipboard& clipboard = MealClipboard::instance();
    if (clipboard.empty()) {
        Prompts::information(m_parent, toQString(texts::kMainFrameTitle),
                             toQString(mealClipboardMessage(MealClipboardStatus::kClipboardEmpty)));
        return false;
    }
    const std::size_t position = MealClipboard::pastePosition(m_document.entryCount(meal), selected);
    const std::span<const CFood> entries = clipboard.entries();
    pushDayEdit(m_history, m_document,
                insertEntriesEdit(m_document, meal, position, std::vector<CFood>(entries.begin(), entries.end())),
                mealStepName(texts::kPasteStep, meal));
    return true;
}

void MealEditor::clearDay(MealIndex shown)
{
    pushDayEdit(m_history, m_document, replaceDayEdit(m_document.meals(), shown, DayMeals{}, shown),
                toQString(texts::kClearDayStep));
}

GeneratedMenu MealEditor::generateMenu(RandomSource& random, int requested, MealIndex shown)
{
    GeneratedDayEdit generated = generateMenuEdit(m_document, random, requested, shown);
    pushDayEdit(m_history, m_document, std::move(generated.edit),
                toQString(texts::kGenerateStep).arg(generated.menu.target), DayEditCommand::Applied::kYes);
    return generated.menu;
}

} // namespace mw::gui
