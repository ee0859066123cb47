#pragma once

#include "ui_text.h"

// Texts of the fat-warning, mouse-button, print-nutrients, display-nutrients and food-list rename dialogs
// that the string table does not hold. Message titles and the
// message about a profile that cannot be written are shared with the other dialogs (dialog_texts.h).

#include <QLatin1String>

#include <array>

namespace mw::gui::texts {

// ---- Fat warning level ----------------------------------------------------------------------------------------------

inline constexpr UiText kFatWarningTitle{QT_TRANSLATE_NOOP("Mealwright", "SET FAT WARNING LEVEL")};
inline constexpr UiText kFatWarningFirstLine{QT_TRANSLATE_NOOP("Mealwright", "Warn me when percentage of calories")};
inline constexpr UiText kFatWarningSecondLine{QT_TRANSLATE_NOOP("Mealwright", "from fat exceeds")};
inline constexpr UiText kFatWarningPercentSign{QT_TRANSLATE_NOOP("Mealwright", "%.")}; // after the percent field

// ---- Mouse buttons --------------------------------------------------------------------------------------------------

inline constexpr UiText kMouseOptionTitle{QT_TRANSLATE_NOOP("Mealwright", "Set Mouse Button Option")};
inline constexpr UiText kMouseOptionFirstLine{
    QT_TRANSLATE_NOOP("Mealwright", "For quick food amount input, you can hold down a")};
inline constexpr UiText kMouseOptionSecondLine{
    QT_TRANSLATE_NOOP("Mealwright", "mouse button and select a choice on screen.")};
inline constexpr UiText kLeftMouseButtonLabel{
    QT_TRANSLATE_NOOP("Mealwright", "&Left mouse button:")}; // beside the left button's list
inline constexpr UiText kRightMouseButtonLabel{
    QT_TRANSLATE_NOOP("Mealwright", "&Right mouse button:")}; // beside the right button's list

// The entries of both buttons' lists, by MouseChoice.
inline constexpr std::array<UiText, 4> kMouseChoiceNames = {
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Off")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Serving portion")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Ounce")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Gram")},
};

// ---- Nutrients to display and to print ------------------------------------------------------------------------------

inline constexpr UiText kPrintNutrientsTitle{QT_TRANSLATE_NOOP("Mealwright", "Select Nutrients for Printing")};
inline constexpr UiText kPrintNutrientsCaption{
    QT_TRANSLATE_NOOP("Mealwright", "For printed analysis, output only the following data:")};

inline constexpr UiText kDisplayNutrientsTitle{QT_TRANSLATE_NOOP("Mealwright", "Select Nutrients to Display")};
inline constexpr UiText kDisplayModeLabel{
    QT_TRANSLATE_NOOP("Mealwright", "Your display mode:")};                // beside the display mode's name
inline constexpr UiText kVgaMode{QT_TRANSLATE_NOOP("Mealwright", "VGA ")}; // screens up to 480 pixels high
inline constexpr UiText kSvgaMode{QT_TRANSLATE_NOOP("Mealwright", "SVGA ")};
inline constexpr UiText kScreenSize{QT_TRANSLATE_NOOP("Mealwright", "%1 x %2")}; // width, height
inline constexpr UiText kOneColumnCheckBox{
    QT_TRANSLATE_NOOP("Mealwright", "One column")}; // the panel arrangement's check box
inline constexpr UiText kMaximumItemsLabel{
    QT_TRANSLATE_NOOP("Mealwright", "Maximum items displayable:")}; // beside the number of rows the panel can show
inline constexpr UiText kFirstItemsMustBeDisplayed{
    QT_TRANSLATE_NOOP("Mealwright", "The first 5 items must be displayed.")};
inline constexpr UiText kSelectionOnRestart{
    QT_TRANSLATE_NOOP("Mealwright", "New selections will be in effect when you restart program.")};

// The nutrients' check boxes, by NutrientIndex.
inline constexpr std::array<UiText, 28> kNutrientCheckBoxLabels = {
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Weight")},        UiText{QT_TRANSLATE_NOOP("Mealwright", "Energy")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Protein")},       UiText{QT_TRANSLATE_NOOP("Mealwright", "Carbohydrate")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Total Fat")},     UiText{QT_TRANSLATE_NOOP("Mealwright", "Saturated Fat")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "MonoUnsat Fat")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "PolyUnsat Fat")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Cholesterol")},   UiText{QT_TRANSLATE_NOOP("Mealwright", "Fiber")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Vitamin A")},     UiText{QT_TRANSLATE_NOOP("Mealwright", "Vitamin E")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Vitamin C")},     UiText{QT_TRANSLATE_NOOP("Mealwright", "Thiamin")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Riboflavin")},    UiText{QT_TRANSLATE_NOOP("Mealwright", "Niacin")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Vitamin B6")},    UiText{QT_TRANSLATE_NOOP("Mealwright", "Folate")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Vitamin B12")},   UiText{QT_TRANSLATE_NOOP("Mealwright", "Calcium")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Phosphorus")},    UiText{QT_TRANSLATE_NOOP("Mealwright", "Magnesium")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Iron")},          UiText{QT_TRANSLATE_NOOP("Mealwright", "Zinc")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Copper")},        UiText{QT_TRANSLATE_NOOP("Mealwright", "Sodium")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Potassium")},     UiText{QT_TRANSLATE_NOOP("Mealwright", "Alcohol")},
};

// ---- Food-list names ----------------------------------------------------------------------

inline constexpr UiText kRenameGroupsTitle{QT_TRANSLATE_NOOP("Mealwright", "Rename Personal Food Groups")};
inline constexpr UiText kGroupNameHeading{QT_TRANSLATE_NOOP("Mealwright", "Food list name (max. 40 characters):")};
inline constexpr UiText kFoodCountHeading{QT_TRANSLATE_NOOP("Mealwright", "Food count:")};
inline constexpr UiText kGroupRowLabel{QT_TRANSLATE_NOOP("Mealwright", "&%1.")}; // list number 1..7
inline constexpr UiText kEmptyGroupButton{QT_TRANSLATE_NOOP("Mealwright", "Empty Group")};
// The framework's validation message for a text field that is too long.
inline constexpr UiText kEnterNoMoreThan{QT_TRANSLATE_NOOP("Mealwright", "Please enter no more than %1 characters.")};

} // namespace mw::gui::texts
