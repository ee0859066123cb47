#pragma once

#include "model/day_document.h"
#include "model/food_entry.h"
#include "model/food_types.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace mw {

inline constexpr std::string_view kMealEmptyMessage = "Meal is empty!";
inline constexpr std::string_view kClipboardEmptyMessage = "Clipboard is empty! Nothing to paste.";

enum class MealClipboardStatus
{
    kDone,
    kMealEmpty,      // copy, cut or clear of a meal without entries: nothing changed
    kClipboardEmpty, // paste with nothing copied: nothing changed
};

// The message to show for a status; empty for kDone.
std::string_view mealClipboardMessage(MealClipboardStatus status);

// Whole meals moved between days: one list of entry copies for the whole program, so a meal copied
// in one day can be pasted into another. The clipboard and the meals never share an entry; cutting, pasting
// and clearing are edits of the day (see day_edits.h).
class MealClipboard
{
public:
    bool empty() const { return m_entries.empty(); }
    std::span<const CFood> entries() const { return m_entries; }
    // Replaces the clipboard with copies of the meal's entries.
    MealClipboardStatus copyMeal(const CFofDoc& day, MealIndex meal);
    // Where a paste puts the entries: right after the selected entry; at the start without a selection,
    // at the end past the last entry.
    static std::size_t pastePosition(std::size_t mealSize, std::optional<std::size_t> selectedEntry);

    // Cut, copy and clear are offered for a meal with entries; paste when the clipboard has some.
    static bool canTakeMeal(const CFofDoc& day, MealIndex meal);
    bool canPaste() const { return !empty(); }

    // The program's one clipboard, alive until exit.
    static MealClipboard& instance();

private:
    std::vector<CFood> m_entries;
};

} // namespace mw
