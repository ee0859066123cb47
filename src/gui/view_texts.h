#pragma once

// Texts of the day view that the string table does not hold yet; each carries its string id.

#include <string_view>

namespace mw::gui::texts {

inline constexpr std::string_view kEatButton = "I &Eat";        // 20204
inline constexpr std::string_view kDeleteButton = "&Delete";    // 20205
inline constexpr std::string_view kAmountOkButton = "Amt. O&K"; // 20206
inline constexpr std::string_view kOneUnitTitle = "1 unit ";    // 20050 and a space
inline constexpr std::string_view kUnitsSuffix = " units";      // 20052
inline constexpr std::string_view kUnitsShortSuffix = " u.";    // 20109
inline constexpr std::string_view kOunceSuffix = " oz.";        // quick-amount ounces items
inline constexpr std::string_view kGramSuffix = " g";           // quick-amount grams items
inline constexpr std::string_view kAmountUnit = "g";            // after the amount in the amount edit

inline constexpr std::string_view kNormalOrderButton = "&Normal";   // normal-order button
inline constexpr std::string_view kReverseOrderButton = "&Reverse"; // reverse-order button
inline constexpr std::string_view kGlobalSearchButton = "&Global";  // global-search button
inline constexpr std::string_view kLocalSearchButton = "&Local";    // local-search button
// The sort buttons have no caption; these name them for screen readers.
inline constexpr std::string_view kSortAscendingName = "Sort ascending";
inline constexpr std::string_view kSortDescendingName = "Sort descending";

inline constexpr std::string_view kSortAscendingTip = "Sort by nutrient in ascending order";           // 20426
inline constexpr std::string_view kSortDescendingTip = "Sort by nutrient in descending order";         // 20427
inline constexpr std::string_view kGlobalSearchTip = "Search in both standard and personal databases"; // 20428
inline constexpr std::string_view kLocalSearchTip = "Search in listbox only";                          // 20429
inline constexpr std::string_view kNormalOrderTip = "Show food groups in normal order";                // 20430
inline constexpr std::string_view kReverseOrderTip = "Show food groups in reverse order";              // 20431
inline constexpr std::string_view kAmountOkTip = "Accept manually entered amount in edit control";     // 20432
inline constexpr std::string_view kAmountEditTip = "Manually adjust amount here if desired";           // 20433
inline constexpr std::string_view kDeleteTip = "Remove selected food from meal";                       // 20434
inline constexpr std::string_view kEatTip = "Add selected food to meal";                               // 20435

} // namespace mw::gui::texts
