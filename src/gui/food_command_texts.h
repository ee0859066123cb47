#pragma once

// Texts of the search, sort, hidden-food, food-list and meal-clipboard commands that neither the string
// table nor the query headers hold.

#include <array>
#include <string_view>

namespace mw::gui::texts {

// The food list's context menu: its submenu of filters 34080..34086, in the filters' order. What each
// leaves in the list is the filter's prompt, shown in the status bar.
inline constexpr std::string_view kFilterMenu = "&Filter";
inline constexpr std::array<std::string_view, 7> kFilterCaptions = {
    "High &protein foods",         // 34080
    "High &fat foods",             // 34081
    "High protein &and fat foods", // 34082
    "High &carbohydrate foods",    // 34083
    "&Zone-favorable foods",       // 34084
    "Foods rich in an&tioxidants", // 34085
    "Foods rich in c&o-factors",   // 34086
};
// The sort commands offered in the same menu.
inline constexpr std::string_view kSortAscendingItem = "Sort &ascending ...";   // 32966
inline constexpr std::string_view kSortDescendingItem = "Sort &descending ..."; // 32967

} // namespace mw::gui::texts
