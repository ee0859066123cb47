#pragma once

// Texts of the fat-warning, mouse-button, print-nutrients, display-nutrients and food-list rename dialogs
// that the string table does not hold. Message titles and the
// message about a profile that cannot be written are shared with the other dialogs (dialog_texts.h).

#include <QLatin1String>

#include <array>

namespace mw::gui::texts {

// ---- Fat warning level ----------------------------------------------------------------------------------------------

inline constexpr QLatin1String kFatWarningTitle("SET FAT WARNING LEVEL");
inline constexpr QLatin1String kFatWarningFirstLine("Warn me when percentage of calories");
inline constexpr QLatin1String kFatWarningSecondLine("from fat exceeds");
inline constexpr QLatin1String kFatWarningPercentSign("%."); // after the percent field

// ---- Mouse buttons --------------------------------------------------------------------------------------------------

inline constexpr QLatin1String kMouseOptionTitle("Set Mouse Button Option");
inline constexpr QLatin1String kMouseOptionFirstLine("For quick food amount input, you can hold down a");
inline constexpr QLatin1String kMouseOptionSecondLine("mouse button and select a choice on screen.");
inline constexpr QLatin1String kLeftMouseButtonLabel("&Left mouse button:");   // beside the left button's list
inline constexpr QLatin1String kRightMouseButtonLabel("&Right mouse button:"); // beside the right button's list

// The entries of both buttons' lists, by MouseChoice.
inline constexpr std::array<QLatin1String, 4> kMouseChoiceNames = {
    QLatin1String("Off"),
    QLatin1String("Serving portion"),
    QLatin1String("Ounce"),
    QLatin1String("Gram"),
};

// ---- Nutrients to display and to print ------------------------------------------------------------------------------

inline constexpr QLatin1String kPrintNutrientsTitle("Select Nutrients for Printing");
inline constexpr QLatin1String kPrintNutrientsCaption("For printed analysis, output only the following data:");

inline constexpr QLatin1String kDisplayNutrientsTitle("Select Nutrients to Display");
inline constexpr QLatin1String kDisplayModeLabel("Your display mode:"); // beside the display mode's name
inline constexpr QLatin1String kVgaMode("VGA ");                        // screens up to 480 pixels high
inline constexpr QLatin1String kSvgaMode("SVGA ");
inline constexpr QLatin1String kScreenSize("%1 x %2");           // width, height
inline constexpr QLatin1String kOneColumnCheckBox("One column"); // the panel arrangement's check box
inline constexpr QLatin1String
    kMaximumItemsLabel("Maximum items displayable:"); // beside the number of rows the panel can show
inline constexpr QLatin1String kFirstItemsMustBeDisplayed("The first 5 items must be displayed.");
inline constexpr QLatin1String kSelectionOnRestart("New selections will be in effect when you restart program.");

// The nutrients' check boxes, by NutrientIndex.
inline constexpr std::array<QLatin1String, 28> kNutrientCheckBoxLabels = {
    QLatin1String("Weight"),        QLatin1String("Energy"),        QLatin1String("Protein"),
    QLatin1String("Carbohydrate"),  QLatin1String("Total Fat"),     QLatin1String("Saturated Fat"),
    QLatin1String("MonoUnsat Fat"), QLatin1String("PolyUnsat Fat"), QLatin1String("Cholesterol"),
    QLatin1String("Fiber"),         QLatin1String("Vitamin A"),     QLatin1String("Vitamin E"),
    QLatin1String("Vitamin C"),     QLatin1String("Thiamin"),       QLatin1String("Riboflavin"),
    QLatin1String("Niacin"),        QLatin1String("Vitamin B6"),    QLatin1String("Folate"),
    QLatin1String("Vitamin B12"),   QLatin1String("Calcium"),       QLatin1String("Phosphorus"),
    QLatin1String("Magnesium"),     QLatin1String("Iron"),          QLatin1String("Zinc"),
    QLatin1String("Copper"),        QLatin1String("Sodium"),        QLatin1String("Potassium"),
    QLatin1String("Alcohol"),
};

// ---- Food-list names ----------------------------------------------------------------------

inline constexpr QLatin1String kRenameGroupsTitle("Rename Personal Food Groups");
inline constexpr QLatin1String kGroupNameHeading("Food Group name (max. 40 characters):");
inline constexpr QLatin1String kFoodCountHeading("Food count:");
inline constexpr QLatin1String kGroupRowLabel("&%1."); // list number 1..7
inline constexpr QLatin1String kEmptyGroupButton("Empty Group");
// The framework's validation message for a text field that is too long.
inline constexpr QLatin1String kEnterNoMoreThan("Please enter no more than %1 characters.");

} // namespace mw::gui::texts
