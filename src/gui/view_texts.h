#pragma once

#include "ui_text.h"

// The day view's texts: the string ids of those in the string table, and the captions and names the table
// does not hold.

#include "model/string_table.h"

#include <string_view>

namespace mw::gui::texts {

inline constexpr int kEatButton = 20204;
inline constexpr int kDeleteButton = 20205;
inline constexpr int kAmountOkButton = 20206;
inline constexpr int kOneUnitTitle = 20050; // followed by a space
inline constexpr int kUnitsSuffix = 20052;
inline constexpr int kUnitsShortSuffix = 20109;
inline constexpr std::string_view kOunceSuffix = " oz."; // quick-amount ounces items
inline constexpr std::string_view kGramSuffix = " g";    // quick-amount grams items
inline constexpr std::string_view kAmountUnit = "g";     // after the amount in the amount edit

inline constexpr UiText kNormalOrderButton{QT_TRANSLATE_NOOP("Mealwright", "&Normal")};   // normal-order button
inline constexpr UiText kReverseOrderButton{QT_TRANSLATE_NOOP("Mealwright", "&Reverse")}; // reverse-order button
inline constexpr UiText kGlobalSearchButton{QT_TRANSLATE_NOOP("Mealwright", "&Global")};  // global-search button
inline constexpr UiText kLocalSearchButton{QT_TRANSLATE_NOOP("Mealwright", "&Local")};    // local-search button
// The sort buttons have no caption; these name them for screen readers.
inline constexpr UiText kSortAscendingName{QT_TRANSLATE_NOOP("Mealwright", "Sort ascending")};
inline constexpr UiText kSortDescendingName{QT_TRANSLATE_NOOP("Mealwright", "Sort descending")};

inline constexpr int kSortAscendingTip = 20426;
inline constexpr int kSortDescendingTip = 20427;
inline constexpr int kGlobalSearchTip = 20428;
inline constexpr int kLocalSearchTip = 20429;
inline constexpr int kNormalOrderTip = 20430;
inline constexpr int kReverseOrderTip = 20431;
inline constexpr int kAmountOkTip = 20432;
inline constexpr int kAmountEditTip = 20433;
inline constexpr int kDeleteTip = 20434;
inline constexpr int kEatTip = 20435;

// The names of the day's undo steps, after "Undo " and "Redo " in the Edit menu.
inline constexpr UiText kAddStep{QT_TRANSLATE_NOOP("Mealwright", "Add %1")};
inline constexpr UiText kDeleteStep{QT_TRANSLATE_NOOP("Mealwright", "Delete %1")};
inline constexpr UiText kAmountStep{QT_TRANSLATE_NOOP("Mealwright", "Change Amount of %1")};
inline constexpr UiText kCutStep{QT_TRANSLATE_NOOP("Mealwright", "Cut %1")};
inline constexpr UiText kPasteStep{QT_TRANSLATE_NOOP("Mealwright", "Paste into %1")};
inline constexpr UiText kClearStep{QT_TRANSLATE_NOOP("Mealwright", "Clear %1")};
inline constexpr UiText kClearDayStep{QT_TRANSLATE_NOOP("Mealwright", "Clear the Day")};
inline constexpr UiText kGenerateStep{QT_TRANSLATE_NOOP("Mealwright", "Generate a %1-calorie Menu")};

} // namespace mw::gui::texts
