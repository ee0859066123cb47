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
