#pragma once

// Texts of the add-food dialog and the generator options dialog that the string table does not hold: their
// captions, the framework's validation messages for real numbers and
// texts, and the messages about a food that could not be added. The healthy-weight dialog's captions live with
// its core form.

#include <QLatin1String>

#include <array>

namespace mw::gui::option_texts {

// ---- Add food or recipe ---------------------------------------------------------------------------------------------

inline constexpr QLatin1String kAddFoodTitle("Add Recipe or Food to Personal Database");
inline constexpr QLatin1String kNameLabel("&Name:");   // beside the name field
inline constexpr QLatin1String kUnitLabel("&Unit:");   // beside the unit field
inline constexpr QLatin1String kAddButton("&Add");     // the default button
inline constexpr QLatin1String kCloseButton("&Close"); // button 2
inline constexpr QLatin1String kNamePrompt("Please enter food or recipe name here.");
inline constexpr QLatin1String kDefaultUnit("1 serving");
// After each Add, with the number of foods added since the dialog opened.
inline constexpr QLatin1String kAddedFoods("You have added %1 food");
inline constexpr QLatin1String kAddedOneEntry(" entry");
inline constexpr QLatin1String kAddedEntries(" entries");

// Caption and unit beside each nutrient's value field, by NutrientIndex.
struct AddFoodValueCaption
{
    QLatin1String name;
    QLatin1String unit;
};

inline constexpr std::array<AddFoodValueCaption, 28> kAddFoodValueCaptions = {{
    {QLatin1String("Weight"), QLatin1String("g")},        {QLatin1String("Energy"), QLatin1String("kcal")},
    {QLatin1String("Protein"), QLatin1String("g")},       {QLatin1String("Carbohydrate"), QLatin1String("g")},
    {QLatin1String("Total Fat"), QLatin1String("g")},     {QLatin1String("Saturated Fat"), QLatin1String("g")},
    {QLatin1String("MonoUns. Fat"), QLatin1String("g")},  {QLatin1String("PolyUnsat. Fat"), QLatin1String("g")},
    {QLatin1String("Cholesterol"), QLatin1String("mg")},  {QLatin1String("Fiber"), QLatin1String("g")},
    {QLatin1String("Vitamin A"), QLatin1String("mcg")},   {QLatin1String("Vitamin E"), QLatin1String("mg")},
    {QLatin1String("Vitamin C"), QLatin1String("mg")},    {QLatin1String("Thiamin"), QLatin1String("mcg")},
    {QLatin1String("Riboflavin"), QLatin1String("mcg")},  {QLatin1String("Niacin"), QLatin1String("mg")},
    {QLatin1String("Vitamin B6"), QLatin1String("mcg")},  {QLatin1String("Folate"), QLatin1String("mcg")},
    {QLatin1String("Vitamin B12"), QLatin1String("mcg")}, {QLatin1String("Calcium"), QLatin1String("mg")},
    {QLatin1String("Phosphorus"), QLatin1String("mg")},   {QLatin1String("Magnesium"), QLatin1String("mg")},
    {QLatin1String("Iron"), QLatin1String("mg")},         {QLatin1String("Zinc"), QLatin1String("mg")},
    {QLatin1String("Copper"), QLatin1String("mg")},       {QLatin1String("Sodium"), QLatin1String("mg")},
    {QLatin1String("Potassium"), QLatin1String("mg")},    {QLatin1String("Alcohol"), QLatin1String("g")},
}};

// The framework's validation messages for a real number and for a text.
inline constexpr QLatin1String kEnterNumber("Please enter a number.");
inline constexpr QLatin1String kEnterNumberBetween("Please enter a number between %1 and %2.");
inline constexpr QLatin1String kEnterNoMoreThan("Please enter no more than %1 characters.");
// Which field a validation message is about: "Weight: Please enter ..." (new text, no string id).
inline constexpr QLatin1String kAddFoodFieldMessage("%1: %2");
inline constexpr QLatin1String kNameField("Name");
inline constexpr QLatin1String kUnitField("Unit");

// New texts, no string ids: an Add that wrote nothing. %1 is the personal food file.
inline constexpr QLatin1String kFoodNotAdded("The food was not added to %1.\n\n%2");
inline constexpr QLatin1String kNotAddedReadOnly("The file cannot be written.");
inline constexpr QLatin1String kNotAddedTooLarge("The file is too large to add to.");
inline constexpr QLatin1String kNotAddedTooManyLines("The file has more lines than a personal food database can hold.");
inline constexpr QLatin1String kNotAddedNoFile("The personal food file could not be opened when Mealwright started.");
inline constexpr QLatin1String kNotAddedFull("The personal food database is full: it holds %1 foods, the most it can.");
inline constexpr QLatin1String kNotAddedValueOutOfRange("A value cannot be stored.");
inline constexpr QLatin1String
    kNotAddedFileChanged("Another program changed the foods already in the file since Mealwright read it. "
                         "Start Mealwright again to add foods.");
inline constexpr QLatin1String kNotAddedWriteFailed("Writing the file failed; it is as it was. "
                                                    "The disk may be full.");

// ---- Menu generator options -----------------------------------------------------------------------------------------

inline constexpr QLatin1String kGeneratorOptionsTitle("SET MEALWRIGHT OPTIONS for Pyramid Auto Menu Generator");
inline constexpr QLatin1String kGenerateBalancedDiet("Mealwright, generate a well-balanced daily diet");
inline constexpr QLatin1String kOfApproximately("of approximately"); // before the calories field
inline constexpr QLatin1String kCaloriesWhenRequested("Calories when requested!");
inline constexpr QLatin1String kGeneratorOptionsOk("OK"); // button 1
// The framework's message for a text that is not an unsigned whole number.
inline constexpr QLatin1String kEnterPositiveInteger("Please enter a positive integer.");

} // namespace mw::gui::option_texts
