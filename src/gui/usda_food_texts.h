#pragma once

// Texts of the USDA food dialog; the string table has none for it.

#include <QLatin1String>

namespace mw::gui::usda_texts {

inline constexpr QLatin1String kTitle("Add a USDA Food to Personal Database");
inline constexpr QLatin1String kSearchLabel("&Search:");
inline constexpr QLatin1String kSearchPlaceholder("Words of the food's name; !word to exclude");
inline constexpr QLatin1String kGroupLabel("&Group:");
inline constexpr QLatin1String kAllGroups("All groups");
inline constexpr QLatin1String kOtherGroups("Other USDA numbers");
inline constexpr QLatin1String kFoundCount("%1 foods");
inline constexpr QLatin1String kFoundFirst("The first %1 of %2 foods");
inline constexpr QLatin1String kMeasureLabel("&Measure:");
inline constexpr QLatin1String kHundredGrams("100 g");
inline constexpr QLatin1String kAmountLabel("A&mount:");
inline constexpr QLatin1String kNameLabel("&Name:");
inline constexpr QLatin1String kPortionLabel("&Portion:");
inline constexpr QLatin1String kPreviewTitle("This portion holds");
inline constexpr QLatin1String kNoData("no data");
inline constexpr QLatin1String kMissingLine("USDA has no data for %1; the personal food stores 0.");
inline constexpr QLatin1String kNothingMissing("USDA gives all 27 values.");
inline constexpr QLatin1String kNoFoodChosen("Choose a food from the list.");
inline constexpr QLatin1String kAddButton("&Add");
inline constexpr QLatin1String kCloseButton("&Close");
inline constexpr QLatin1String kAdded("Added as personal food %1: %2");
inline constexpr QLatin1String kValueTooLarge("%1: %2 %3 in this portion is more than a personal food can hold (%4). "
                                              "Choose a smaller portion.");
inline constexpr QLatin1String kAddAgain("Your personal food \"%1\" already holds this USDA food with this portion.\n\n"
                                         "Add it again?");

} // namespace mw::gui::usda_texts
