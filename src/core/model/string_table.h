#pragma once

#include <string_view>

namespace mw {

// Ids of texts other parts of the program look up by name.
inline constexpr int kMealTitleBase = 700;
inline constexpr int kFoodGroupTitleBase = 706;
inline constexpr int kPanelColumnLabelBase = 770;
inline constexpr int kNutrientLongNameBase = 1000;
inline constexpr int kNutrientShortNameBase = 1100;
inline constexpr int kNutrientShortestNameBase = 1200;
inline constexpr int kNutrientPanelUnitBase = 1300;
inline constexpr int kNutrientReportUnitBase = 1400;
inline constexpr int kFoodNameBase = 2000;
inline constexpr int kNameMissingText = 2999;
inline constexpr int kFoodDeletedText = 20046;
inline constexpr int kPyramidGroupTitleBase = 20401;

// The program's text for a string id; empty when the table has none.
std::string_view LoadString(int id);

} // namespace mw
