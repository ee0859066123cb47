#pragma once

// Texts of the caloric-need and intake-preference dialogs that the string table does not hold: their
// captions, the framework's validation messages, and the one message
// about a profile that cannot be written. Nutrient names and units come from the string table.

#include <QLatin1String>

#include <array>

namespace mw::gui::texts {

// Message boxes carry the program's name as their title (no string id; the application title).
inline constexpr QLatin1String kProgramTitle("Mealwright");

// ---- Caloric need ---------------------------------------------------------------------------------------------------

inline constexpr QLatin1String
    kCaloricNeedTitle("CALORIC NEED and NUTRIENT REQUIREMENTS for an average healthy person");
inline constexpr QLatin1String kAgeLabel("Age:");                                       // beside the age
inline constexpr QLatin1String kIdealWeightLabel("Ideal weight:");                      // beside the ideal weight
inline constexpr QLatin1String kPoundsUnit("lbs");                                      // after the weight in pounds
inline constexpr QLatin1String kKilogramsUnit("kg");                                    // after the weight in kilograms
inline constexpr QLatin1String kActivityLabel("Activity level:");                       // beside the activity level
inline constexpr QLatin1String kActivityCaption("[ 1 = Sedentary to 10 = Strenuous ]"); // below the activity level
inline constexpr QLatin1String kRecommendedIntakeTitle("Recommended intake");           // both group boxes
inline constexpr QLatin1String kAlcoholCaption("Alcohol:");                             // the alcohol row's caption
inline constexpr QLatin1String kAlcoholShown("0");        // the alcohol requirement is always 0
inline constexpr QLatin1String kEnergyCaption("Energy:"); // the energy row's caption
inline constexpr QLatin1String kKilojouleUnit("kjoule");  // after the energy in kilojoules

// The entries of the person category list, by SexCategory.
inline constexpr std::array<QLatin1String, 5> kSexCategoryNames = {
    QLatin1String("Male"),
    QLatin1String("Female"),
    QLatin1String("Pregnant"),
    QLatin1String("Lactating - 1st 6 months"),
    QLatin1String("Lactating - 2nd 6 months"),
};

// The captions of the requirement rows, by NutrientIndex 1 (Calories) .. 26 (Potassium);
// slot 0 is unused.
inline constexpr std::array<QLatin1String, 27> kRequirementCaptions = {
    QLatin1String(""),
    QLatin1String("Calories:"),
    QLatin1String("Protein:"),
    QLatin1String("Carbohydrate (minimum):"),
    QLatin1String("Total Fat (Maximum):"),
    QLatin1String("Sat. Fat (max):"),
    QLatin1String("Monouns. Fat:"),
    QLatin1String("Polyuns. Fat:"),
    QLatin1String("Cholesterol (max):"),
    QLatin1String("Fiber:"),
    QLatin1String("Vitamin A:"),
    QLatin1String("Vitamin E:"),
    QLatin1String("Vitamin C:"),
    QLatin1String("Thiamin:"),
    QLatin1String("Riboflavin:"),
    QLatin1String("Niacin:"),
    QLatin1String("Vitamin B-6:"),
    QLatin1String("Folate:"),
    QLatin1String("Vitamin B-12:"),
    QLatin1String("Calcium:"),
    QLatin1String("Phosphorus:"),
    QLatin1String("Magnesium:"),
    QLatin1String("Iron:"),
    QLatin1String("Zinc:"),
    QLatin1String("Copper:"),
    QLatin1String("Sodium (max):"),
    QLatin1String("Potassium:"),
};

// ---- Nutrient intake preference -------------------------------------------------------------------------------------

inline constexpr QLatin1String kIntakePreferenceTitle("NUTRIENT INTAKE PREFERENCE for RDA Analysis");
inline constexpr QLatin1String kPreferredIntakeOf("My preferred daily intake of ");
inline constexpr QLatin1String kToWord("to");
inline constexpr QLatin1String kRdaButton("RDA");                                         // one beside each nutrient
inline constexpr QLatin1String kRdaTooltip("Click to use RDA values for this nutrient."); // tooltip of every "RDA"

// The row labels, by NutrientIndex 1 (Calories) .. 27 (Alcohol); slot 0 is unused.
inline constexpr std::array<QLatin1String, 28> kPreferenceRowLabels = {
    QLatin1String(""),
    QLatin1String("calories"),
    QLatin1String("protein"),
    QLatin1String("carbohydrate"),
    QLatin1String("total fat"),
    QLatin1String("sat. fat"),
    QLatin1String("monouns. fat"),
    QLatin1String("polyuns. fat"),
    QLatin1String("cholesterol"),
    QLatin1String("fiber"),
    QLatin1String("vit A"),
    QLatin1String("vit E"),
    QLatin1String("vit C"),
    QLatin1String("thiamin"),
    QLatin1String("riboflavin"),
    QLatin1String("niacin"),
    QLatin1String("vit B6"),
    QLatin1String("folate"),
    QLatin1String("vit B12"),
    QLatin1String("calcium"),
    QLatin1String("phosphorus"),
    QLatin1String("magnesium"),
    QLatin1String("iron"),
    QLatin1String("zinc"),
    QLatin1String("copper"),
    QLatin1String("sodium"),
    QLatin1String("potassium"),
    QLatin1String("alcohol"),
};

// The framework's validation messages for a whole-number field.
inline constexpr QLatin1String kEnterInteger("Please enter an integer.");
inline constexpr QLatin1String kEnterIntegerBetween("Please enter an integer between %1 and %2.");
// Which of the 54 fields a validation message is about: "Total Fat, From: Please enter ..." (new text, no
// string id; %1 the nutrient's name, string 1000 + k).
inline constexpr QLatin1String kFieldMessage("%1, %2: %3");
inline constexpr QLatin1String kFromField("From");
inline constexpr QLatin1String kToField("To");

// ---- Settings that cannot be written --------------------------------------------------------------------------------

// New texts, no string ids: the profile refused a write, %1 is the system's reason. The first when a dialog
// stays open to let the user try again or cancel; the second when the first-start dialogs go on with what
// the user confirmed.
inline constexpr QLatin1String kSettingsNotSaved("Your settings could not be saved (%1).");
inline constexpr QLatin1String kSettingsNotSavedUsedForThisRun("Your settings could not be saved (%1).\n\nThe values "
                                                               "you confirmed are used until Mealwright is closed.");

} // namespace mw::gui::texts
