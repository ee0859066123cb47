#pragma once

#include "ui_text.h"

// Texts of the USDA food dialog; the string table has none for it.

#include <QLatin1String>

namespace mw::gui::usda_texts {

inline constexpr UiText kTitle{QT_TRANSLATE_NOOP("Mealwright", "Add a USDA Food to Personal Database")};
inline constexpr UiText kSearchLabel{QT_TRANSLATE_NOOP("Mealwright", "&Search:")};
inline constexpr UiText kSearchPlaceholder{
    QT_TRANSLATE_NOOP("Mealwright", "Words of the food's name; !word to exclude")};
inline constexpr UiText kGroupLabel{QT_TRANSLATE_NOOP("Mealwright", "&Group:")};
inline constexpr UiText kAllGroups{QT_TRANSLATE_NOOP("Mealwright", "All groups")};
inline constexpr UiText kOtherGroups{QT_TRANSLATE_NOOP("Mealwright", "Other USDA numbers")};
inline constexpr UiText kFoundCount{QT_TRANSLATE_NOOP("Mealwright", "%1 foods")};
inline constexpr UiText kFoundFirst{QT_TRANSLATE_NOOP("Mealwright", "The first %1 of %2 foods")};
inline constexpr UiText kMeasureLabel{QT_TRANSLATE_NOOP("Mealwright", "&Measure:")};
inline constexpr UiText kHundredGrams{QT_TRANSLATE_NOOP("Mealwright", "100 g")};
inline constexpr UiText kAmountLabel{QT_TRANSLATE_NOOP("Mealwright", "A&mount:")};
inline constexpr UiText kNameLabel{QT_TRANSLATE_NOOP("Mealwright", "&Name:")};
inline constexpr UiText kPortionLabel{QT_TRANSLATE_NOOP("Mealwright", "&Portion:")};
inline constexpr UiText kPreviewTitle{QT_TRANSLATE_NOOP("Mealwright", "This portion holds")};
inline constexpr UiText kNoData{QT_TRANSLATE_NOOP("Mealwright", "no data")};
inline constexpr UiText kMissingLine{
    QT_TRANSLATE_NOOP("Mealwright", "USDA has no data for %1; the personal food stores 0.")};
inline constexpr UiText kNothingMissing{QT_TRANSLATE_NOOP("Mealwright", "USDA gives all 27 values.")};
inline constexpr UiText kNoFoodChosen{QT_TRANSLATE_NOOP("Mealwright", "Choose a food from the list.")};
inline constexpr UiText kAddButton{QT_TRANSLATE_NOOP("Mealwright", "&Add")};
inline constexpr UiText kCloseButton{QT_TRANSLATE_NOOP("Mealwright", "&Close")};
inline constexpr UiText kValueTooLarge{
    QT_TRANSLATE_NOOP("Mealwright", "%1: %2 %3 in this portion is more than a personal food can hold (%4). "
                                    "Choose a smaller portion.")};
inline constexpr UiText kAddAgain{
    QT_TRANSLATE_NOOP("Mealwright", "Your personal food \"%1\" already holds this USDA food with this portion.\n\n"
                                    "Add it again?")};

} // namespace mw::gui::usda_texts
