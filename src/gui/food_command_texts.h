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

} // namespace mw::gui::texts
