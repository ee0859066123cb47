#pragma once

#include "ui_text.h"

// Texts of the caloric-need and intake-preference dialogs that the string table does not hold: their
// captions, the framework's validation messages, and the one message
// about a profile that cannot be written. Nutrient names and units come from the string table.

#include <QLatin1String>

#include <array>

namespace mw::gui::texts {

// Message boxes carry the program's name as their title (no string id; the application title).
inline constexpr QLatin1String kProgramTitle("Mealwright");

// ---- Caloric need ---------------------------------------------------------------------------------------------------

inline constexpr UiText kCaloricNeedTitle{
    QT_TRANSLATE_NOOP("Mealwright", "CALORIC NEED and NUTRIENT REQUIREMENTS for an average healthy person")};
inline constexpr UiText kAgeLabel{QT_TRANSLATE_NOOP("Mealwright", "Age:")};                  // beside the age
inline constexpr UiText kIdealWeightLabel{QT_TRANSLATE_NOOP("Mealwright", "Ideal weight:")}; // beside the ideal weight
inline constexpr UiText kPoundsUnit{QT_TRANSLATE_NOOP("Mealwright", "lbs")};   // after the weight in pounds
inline constexpr UiText kKilogramsUnit{QT_TRANSLATE_NOOP("Mealwright", "kg")}; // after the weight in kilograms
inline constexpr UiText kActivityLabel{QT_TRANSLATE_NOOP("Mealwright", "Activity level:")}; // beside the activity level
inline constexpr UiText kActivityCaption{
    QT_TRANSLATE_NOOP("Mealwright", "[ 1 = Sedentary to 10 = Strenuous ]")}; // below the activity level
inline constexpr UiText kRecommendedIntakeTitle{
    QT_TRANSLATE_NOOP("Mealwright", "Recommended intake")};                           // both group boxes
inline constexpr UiText kAlcoholCaption{QT_TRANSLATE_NOOP("Mealwright", "Alcohol:")}; // the alcohol row's caption
inline constexpr UiText kAlcoholShown{QT_TRANSLATE_NOOP("Mealwright", "0")}; // the alcohol requirement is always 0
inline constexpr UiText kEnergyCaption{QT_TRANSLATE_NOOP("Mealwright", "Energy:")}; // the energy row's caption
inline constexpr UiText kKilojouleUnit{QT_TRANSLATE_NOOP("Mealwright", "kjoule")};  // after the energy in kilojoules

// The entries of the person category list, by SexCategory.
inline constexpr std::array<UiText, 5> kSexCategoryNames = {
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Male")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Female")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Pregnant")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Lactating - 1st 6 months")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Lactating - 2nd 6 months")},
};

// The captions of the requirement rows, by NutrientIndex 1 (Calories) .. 26 (Potassium);
// slot 0 is unused.
inline constexpr std::array<UiText, 27> kRequirementCaptions = {
    UiText{QT_TRANSLATE_NOOP("Mealwright", "")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Calories:")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Protein:")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Carbohydrate (minimum):")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Total Fat (Maximum):")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Sat. Fat (max):")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Monouns. Fat:")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Polyuns. Fat:")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Cholesterol (max):")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Fiber:")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Vitamin A:")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Vitamin E:")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Vitamin C:")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Thiamin:")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Riboflavin:")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Niacin:")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Vitamin B-6:")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Folate:")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Vitamin B-12:")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Calcium:")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Phosphorus:")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Magnesium:")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Iron:")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Zinc:")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Copper:")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Sodium (max):")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "Potassium:")},
};

// ---- Nutrient intake preference -------------------------------------------------------------------------------------

inline constexpr UiText kIntakePreferenceTitle{
    QT_TRANSLATE_NOOP("Mealwright", "NUTRIENT INTAKE PREFERENCE for RDA Analysis")};
inline constexpr UiText kPreferredIntakeOf{QT_TRANSLATE_NOOP("Mealwright", "My preferred daily intake of ")};
inline constexpr UiText kToWord{QT_TRANSLATE_NOOP("Mealwright", "to")};
inline constexpr UiText kRdaButton{QT_TRANSLATE_NOOP("Mealwright", "RDA")}; // one beside each nutrient
inline constexpr UiText kRdaTooltip{
    QT_TRANSLATE_NOOP("Mealwright", "Click to use RDA values for this nutrient.")}; // tooltip of every "RDA"
// Does what every "RDA" button does, all at once.
inline constexpr UiText kAllFromRequirements{QT_TRANSLATE_NOOP("Mealwright", "All from &Requirements")};
inline constexpr UiText kAllFromRequirementsTip{
    QT_TRANSLATE_NOOP("Mealwright", "Set every range from the requirements of your caloric need inputs.")};
// Asked after the caloric-need inputs changed while ranges are stored.
inline constexpr UiText kSetRangesFromRequirements{
    QT_TRANSLATE_NOOP("Mealwright", "Your caloric need inputs changed. Set your nutrient intake ranges from the new "
                                    "requirements too?\n\nThe ranges you set yourself are then replaced.")};

// The row labels, by NutrientIndex 1 (Calories) .. 27 (Alcohol); slot 0 is unused.
inline constexpr std::array<UiText, 28> kPreferenceRowLabels = {
    UiText{QT_TRANSLATE_NOOP("Mealwright", "")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "calories")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "protein")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "carbohydrate")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "total fat")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "sat. fat")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "monouns. fat")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "polyuns. fat")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "cholesterol")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "fiber")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "vit A")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "vit E")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "vit C")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "thiamin")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "riboflavin")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "niacin")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "vit B6")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "folate")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "vit B12")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "calcium")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "phosphorus")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "magnesium")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "iron")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "zinc")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "copper")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "sodium")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "potassium")},
    UiText{QT_TRANSLATE_NOOP("Mealwright", "alcohol")},
};

// The framework's validation messages for a whole-number field.
inline constexpr UiText kEnterInteger{QT_TRANSLATE_NOOP("Mealwright", "Please enter an integer.")};
inline constexpr UiText kEnterIntegerBetween{
    QT_TRANSLATE_NOOP("Mealwright", "Please enter an integer between %1 and %2.")};
// Which of the 54 fields a validation message is about: "Total Fat, From: Please enter ..." (new text, no
// string id; %1 the nutrient's name, string 1000 + k).
inline constexpr UiText kFieldMessage{QT_TRANSLATE_NOOP("Mealwright", "%1, %2: %3")};
inline constexpr UiText kFromField{QT_TRANSLATE_NOOP("Mealwright", "From")};
inline constexpr UiText kToField{QT_TRANSLATE_NOOP("Mealwright", "To")};

// ---- Settings that cannot be written --------------------------------------------------------------------------------

// New texts, no string ids: the profile refused a write, %1 is the system's reason. The first when a dialog
// stays open to let the user try again or cancel; the second when the first-start dialogs go on with what
// the user confirmed.
inline constexpr UiText kSettingsNotSaved{QT_TRANSLATE_NOOP("Mealwright", "Your settings could not be saved (%1).")};
inline constexpr UiText kSettingsNotSavedUsedForThisRun{
    QT_TRANSLATE_NOOP("Mealwright", "Your settings could not be saved (%1).\n\nThe values "
                                    "you confirmed are used until Mealwright is closed.")};

} // namespace mw::gui::texts
