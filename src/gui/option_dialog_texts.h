#pragma once

#include "ui_text.h"

// Texts of the add-food dialog and the generator options dialog that the string table does not hold: their
// captions, the framework's validation messages for real numbers and
// texts, and the messages about a food that could not be added. The healthy-weight dialog's captions live with
// its core form.

#include <QLatin1String>

#include <array>

namespace mw::gui::option_texts {

// ---- Add food or recipe ---------------------------------------------------------------------------------------------

inline constexpr UiText kAddFoodTitle{QT_TRANSLATE_NOOP("Mealwright", "Add Recipe or Food to Personal Database")};
inline constexpr UiText kNameLabel{QT_TRANSLATE_NOOP("Mealwright", "&Name:")};   // beside the name field
inline constexpr UiText kUnitLabel{QT_TRANSLATE_NOOP("Mealwright", "&Unit:")};   // beside the unit field
inline constexpr UiText kAddButton{QT_TRANSLATE_NOOP("Mealwright", "&Add")};     // the default button
inline constexpr UiText kCloseButton{QT_TRANSLATE_NOOP("Mealwright", "&Close")}; // button 2
inline constexpr UiText kNamePrompt{QT_TRANSLATE_NOOP("Mealwright", "Please enter food or recipe name here.")};
inline constexpr UiText kDefaultUnit{QT_TRANSLATE_NOOP("Mealwright", "1 serving")};
// Beside the buttons after each food written: the food's name with its unit, and its FoodId.
inline constexpr UiText kWrittenAsPersonalFood{QT_TRANSLATE_NOOP("Mealwright", "“%1” is now personal food %2.")};
// How many foods this dialog added; after the sentence above from the second food on.
inline constexpr UiText kAddedFoodsCount{QT_TRANSLATE_NOOP("Mealwright", "%1 foods added so far.")};

// Caption and unit beside each nutrient's value field, by NutrientIndex.
struct AddFoodValueCaption
{
    UiText name;
    UiText unit;
};

inline constexpr std::array<AddFoodValueCaption, 28> kAddFoodValueCaptions = {{
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Weight")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "g")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Energy")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "kcal")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Protein")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "g")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Carbohydrate")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "g")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Total Fat")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "g")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Saturated Fat")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "g")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "MonoUns. Fat")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "g")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "PolyUnsat. Fat")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "g")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Cholesterol")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "mg")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Fiber")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "g")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Vitamin A")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "mcg")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Vitamin E")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "mg")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Vitamin C")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "mg")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Thiamin")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "mcg")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Riboflavin")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "mcg")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Niacin")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "mg")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Vitamin B6")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "mcg")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Folate")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "mcg")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Vitamin B12")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "mcg")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Calcium")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "mg")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Phosphorus")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "mg")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Magnesium")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "mg")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Iron")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "mg")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Zinc")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "mg")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Copper")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "mg")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Sodium")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "mg")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Potassium")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "mg")}},
    {UiText{QT_TRANSLATE_NOOP("Mealwright", "Alcohol")}, UiText{QT_TRANSLATE_NOOP("Mealwright", "g")}},
}};

// The framework's validation messages for a real number and for a text.
inline constexpr UiText kEnterNumber{QT_TRANSLATE_NOOP("Mealwright", "Please enter a number.")};
inline constexpr UiText kEnterNumberBetween{
    QT_TRANSLATE_NOOP("Mealwright", "Please enter a number between %1 and %2.")};
inline constexpr UiText kEnterNoMoreThan{QT_TRANSLATE_NOOP("Mealwright", "Please enter no more than %1 characters.")};
// Which field a validation message is about: "Weight: Please enter ..." (new text, no string id).
inline constexpr UiText kAddFoodFieldMessage{QT_TRANSLATE_NOOP("Mealwright", "%1: %2")};
inline constexpr UiText kNameField{QT_TRANSLATE_NOOP("Mealwright", "Name")};
inline constexpr UiText kUnitField{QT_TRANSLATE_NOOP("Mealwright", "Unit")};
// A blank name would store a food no list can tell apart.
inline constexpr UiText kEnterName{QT_TRANSLATE_NOOP("Mealwright", "Please type the food's name.")};
inline constexpr UiText kPyramidGroupLabel{QT_TRANSLATE_NOOP("Mealwright", "&Pyramid group:")};
inline constexpr UiText kNoPyramidGroup{QT_TRANSLATE_NOOP("Mealwright", "None (not counted in the pyramid)")};

// New texts, no string ids: an Add that wrote nothing. %1 is the personal food file.
inline constexpr UiText kFoodNotAdded{QT_TRANSLATE_NOOP("Mealwright", "The food was not added to %1.\n\n%2")};
inline constexpr UiText kNotAddedReadOnly{QT_TRANSLATE_NOOP("Mealwright", "The file cannot be written.")};
inline constexpr UiText kNotAddedTooLarge{QT_TRANSLATE_NOOP("Mealwright", "The file is too large to add to.")};
inline constexpr UiText kNotAddedTooManyLines{
    QT_TRANSLATE_NOOP("Mealwright", "The file has more lines than a personal food database can hold.")};
inline constexpr UiText kNotAddedNoFile{
    QT_TRANSLATE_NOOP("Mealwright", "The personal food file could not be opened when Mealwright started.")};
inline constexpr UiText kNotAddedFull{
    QT_TRANSLATE_NOOP("Mealwright", "The personal food database is full: it holds %1 foods, the most it can.")};
inline constexpr UiText kNotAddedValueOutOfRange{QT_TRANSLATE_NOOP("Mealwright", "A value cannot be stored.")};
inline constexpr UiText kNotAddedFileChanged{
    QT_TRANSLATE_NOOP("Mealwright", "Another program changed the foods already in the file since Mealwright read it. "
                                    "Start Mealwright again to add foods.")};
inline constexpr UiText kNotAddedWriteFailed{QT_TRANSLATE_NOOP("Mealwright",
                                                               "Writing the file failed; it is as it was. "
                                                               "The disk may be full.")};

// ---- Edit a personal food ---------------------------------------------------------------------------------------

inline constexpr UiText kEditFoodTitle{QT_TRANSLATE_NOOP("Mealwright", "Edit Personal Food")};
inline constexpr UiText kEditFoodChoice{QT_TRANSLATE_NOOP("Mealwright", "&Food:")}; // beside the choice of food
inline constexpr UiText kSaveButton{QT_TRANSLATE_NOOP("Mealwright", "&Save")};
inline constexpr UiText kNoPersonalFoods{
    QT_TRANSLATE_NOOP("Mealwright", "There are no personal foods yet. Add one with Database > Add Food or Recipe.")};
// A Save that wrote nothing. %1 is the personal food file.
inline constexpr UiText kFoodNotChanged{QT_TRANSLATE_NOOP("Mealwright", "The food was not changed in %1.\n\n%2")};
inline constexpr UiText kNotChangedNoSuchFood{QT_TRANSLATE_NOOP("Mealwright", "The file no longer holds this food.")};
inline constexpr UiText kNotChangedUnreadable{QT_TRANSLATE_NOOP("Mealwright", "The file cannot be read.")};
inline constexpr UiText kNotChangedFileChanged{
    QT_TRANSLATE_NOOP("Mealwright", "Another program took foods out of the file since Mealwright read it. "
                                    "Start Mealwright again to edit foods.")};

// ---- Menu generator options -----------------------------------------------------------------------------------------

inline constexpr UiText kGeneratorOptionsTitle{
    QT_TRANSLATE_NOOP("Mealwright", "SET MEALWRIGHT OPTIONS for Pyramid Auto Menu Generator")};
inline constexpr UiText kGenerateBalancedDiet{
    QT_TRANSLATE_NOOP("Mealwright", "Mealwright, generate a well-balanced daily diet")};
inline constexpr UiText kOfApproximately{
    QT_TRANSLATE_NOOP("Mealwright", "of approximately")}; // before the calories field
inline constexpr UiText kCaloriesWhenRequested{QT_TRANSLATE_NOOP("Mealwright", "Calories when requested!")};
inline constexpr UiText kGeneratorOptionsOk{QT_TRANSLATE_NOOP("Mealwright", "OK")}; // button 1
inline constexpr UiText kGeneratorOptionsCancel{QT_TRANSLATE_NOOP("Mealwright", "Cancel")};
// No target: the generator picks a random one each time.
inline constexpr UiText kRandomMenu{QT_TRANSLATE_NOOP("Mealwright", "&Random menu, no calorie target")};
// The framework's message for a text that is not an unsigned whole number.
inline constexpr UiText kEnterPositiveInteger{QT_TRANSLATE_NOOP("Mealwright", "Please enter a positive integer.")};

} // namespace mw::gui::option_texts
