#pragma once

#include "ui_text.h"

// Texts of the search, sort, hidden-food, food-list and meal-clipboard commands that neither the string
// table nor the query headers hold.

#include <array>
#include <string_view>

namespace mw::gui::texts {

// The food list's context menu: its submenu of filters 34080..34086, in the filters' order. What each
// leaves in the list is the filter's prompt, shown in the status bar.
inline constexpr UiText kFilterMenu{QT_TRANSLATE_NOOP("Mealwright", "&Filter")};
inline constexpr std::array<UiText, 7> kFilterCaptions = {
    UiText{QT_TRANSLATE_NOOP("Mealwright", "High &protein foods")},         // 34080
    UiText{QT_TRANSLATE_NOOP("Mealwright", "High &fat foods")},             // 34081
    UiText{QT_TRANSLATE_NOOP("Mealwright", "High protein &and fat foods")}, // 34082
    UiText{QT_TRANSLATE_NOOP("Mealwright", "High &carbohydrate foods")},    // 34083
    UiText{QT_TRANSLATE_NOOP("Mealwright", "&Zone-favorable foods")},       // 34084
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Foods rich in an&tioxidants")}, // 34085
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Foods rich in c&o-factors")},   // 34086
};
// The sort commands offered in the same menu.
inline constexpr UiText kSortAscendingItem{QT_TRANSLATE_NOOP("Mealwright", "Sort &ascending ...")};   // 32966
inline constexpr UiText kSortDescendingItem{QT_TRANSLATE_NOOP("Mealwright", "Sort &descending ...")}; // 32967

// Asked before more than one food is hidden at once.
inline constexpr UiText kHideTheseFoods{QT_TRANSLATE_NOOP(
    "Mealwright", "Hide these %1 foods?\n\nThey are no longer offered in the food groups and searches. "
                  "Database > Show All Hidden Foods lists them; select the ones you want back and choose Unhide.")};

// The caption above the food list, which names what the list shows.
inline constexpr UiText kCaptionSearch{QT_TRANSLATE_NOOP("Mealwright", "Search: %1")};
inline constexpr UiText kCaptionPersonalFoods{QT_TRANSLATE_NOOP("Mealwright", "Personal foods")};
inline constexpr UiText kCaptionHiddenFoods{QT_TRANSLATE_NOOP("Mealwright", "Hidden foods")};
inline constexpr UiText kCaptionFoodList{QT_TRANSLATE_NOOP("Mealwright", "Food List %1: %2")};
// A listing narrowed by a local search or a filter: the listing, then what narrowed it.
inline constexpr UiText kCaptionNarrowedBySearch{QT_TRANSLATE_NOOP("Mealwright", "%1, search: %2")};
inline constexpr UiText kCaptionNarrowed{QT_TRANSLATE_NOOP("Mealwright", "%1, %2")};
// A caption with the number of foods listed.
inline constexpr UiText kCaptionOneFood{QT_TRANSLATE_NOOP("Mealwright", "%1 — 1 food")};
inline constexpr UiText kCaptionFoods{QT_TRANSLATE_NOOP("Mealwright", "%1 — %2 foods")};
// The group box while the list shows something other than a food group.
inline constexpr UiText kChooseFoodGroup{QT_TRANSLATE_NOOP("Mealwright", "Choose a food group")};

} // namespace mw::gui::texts
