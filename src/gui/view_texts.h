#pragma once

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

inline constexpr std::string_view kNormalOrderButton = "&Normal";   // normal-order button
inline constexpr std::string_view kReverseOrderButton = "&Reverse"; // reverse-order button
inline constexpr std::string_view kGlobalSearchButton = "&Global";  // global-search button
inline constexpr std::string_view kLocalSearchButton = "&Local";    // local-search button
// The sort buttons have no caption; these name them for screen readers.
inline constexpr std::string_view kSortAscendingName = "Sort ascending";
inline constexpr std::string_view kSortDescendingName = "Sort descending";

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
inline constexpr std::string_view kAddStep = "Add %1";
inline constexpr std::string_view kDeleteStep = "Delete %1";
inline constexpr std::string_view kAmountStep = "Change Amount of %1";
inline constexpr std::string_view kCutStep = "Cut %1";
inline constexpr std::string_view kPasteStep = "Paste into %1";
inline constexpr std::string_view kClearStep = "Clear %1";
inline constexpr std::string_view kClearDayStep = "Clear the Day";
inline constexpr std::string_view kGenerateStep = "Generate a %1-calorie Menu";

} // namespace mw::gui::texts
