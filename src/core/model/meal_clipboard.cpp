#include "model/meal_clipboard.h"

#include <utility>

namespace mw {
std::size_t MealClipboard::pastePosition(std::size_t mealSize, std::optional<std::size_t> selectedEntry)
{
    if (!selectedEntry) {
        return 0;
    }
    return *selectedEntry >= mealSize ? mealSize : *selectedEntry + 1;
}

std::string_view mealClipboardMessage(MealClipboardStatus status)
{
    switch (status) {
    case MealClipboardStatus::kDone:
        return {};
    case MealClipboardStatus::kMealEmpty:
        return kMealEmptyMessage;
    case MealClipboardStatus::kClipboardEmpty:
        return kClipboardEmptyMessage;
    }
    return {};
}

NutrientVector MealClipboard::nutrients(const FoodOperations& foods) const
{
    NutrientVector total;
    for (const CFood& entry : m_entries) {
        total.add(entry.nutrients(foods));
    }
    return total;
}

MealClipboardStatus MealClipboard::copyMeal(const CFofDoc& day, MealIndex meal)
{
    if (!canTakeMeal(day, meal)) {
        return MealClipboardStatus::kMealEmpty;
    }
    std::vector<CFood> copies;
    day.copyEntriesInto(copies, meal);
    m_entries = std::move(copies);
    return MealClipboardStatus::kDone;
}

MealClipboardStatus MealClipboard::cutMeal(CFofDoc& day, MealIndex meal)
{
    const MealClipboardStatus copied = copyMeal(day, meal);
    if (copied == MealClipboardStatus::kDone) {
        day.clearMeal(meal);
    }
    return copied;
}

PasteResult MealClipboard::pasteMeal(CFofDoc& day, MealIndex meal, std::optional<std::size_t> selectedEntry) const
{
    if (empty()) {
        return {MealClipboardStatus::kClipboardEmpty, 0, 0};
    }
    const std::size_t position = pastePosition(day.entryCount(meal), selectedEntry);
    day.insertEntries(meal, position, m_entries);
    return {MealClipboardStatus::kDone, position, m_entries.size()};
}

MealClipboardStatus MealClipboard::clearMeal(CFofDoc& day, MealIndex meal)
{
    if (!canTakeMeal(day, meal)) {
        return MealClipboardStatus::kMealEmpty;
    }
    day.clearMeal(meal);
    return MealClipboardStatus::kDone;
}

bool MealClipboard::canTakeMeal(const CFofDoc& day, MealIndex meal)
{
    return day.entryCount(meal) > 0;
}

MealClipboard& MealClipboard::instance()
{
    static MealClipboard clipboard;
    return clipboard;
}

} // namespace mw
