#pragma once

#include "model/food_types.h"
#include "model/nutrient_vector.h"
#include "model/personal_food_source.h"

#include <string>

namespace mw {

// Turns a meal entry (a FoodId and an amount in grams) into names and numbers, for standard
// and personal foods alike. Entry operations allocate nothing.
class FoodOperations
{
public:
    // The source must outlive this object; without one there are no personal foods.
    explicit FoodOperations(const PersonalFoodSource* personal = nullptr);

    const PersonalFoodSource& personalSource() const { return *m_personal; }

    // The item text "id;Name [portion]" that files and the command line give, or a 9999 text for a missing food.
    std::string itemText(FoodId id) const;
    // What lists, the report and tables show: "Name [portion]", or the text that says the food is missing.
    std::string displayName(FoodId id) const;
    bool exists(FoodId id) const;
    std::size_t personalCount() const { return m_personal->count(); }

    // Nutrients of amount grams (0: one serving); slot 0 is the weight used.
    NutrientVector entryNutrients(FoodId id, Grams amount) const;
    float entryServings(FoodId id, Grams amount) const;
    PyramidServings entryPyramidServings(FoodId id, Grams amount) const;
    float entryCalories(FoodId id, Grams amount) const;
    // Serving weight in grams of a standard food, the reference weight of a personal one, 0 if missing.
    float servingWeight(FoodId id) const;
    // The menu generator's portion for calorie class 0..3; 0 for personal foods.
    Grams generatorPortion(FoodId id, int calorieClass) const;

private:
    const PersonalFoodRecord* personalRecord(FoodId id) const;

    const PersonalFoodSource* m_personal;
};

} // namespace mw
