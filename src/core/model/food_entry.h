#pragma once

#include "model/food_types.h"
#include "model/nutrient_vector.h"

namespace mw {

class FoodOperations;

// One entry of a meal: a food and its amount in grams (0 means one serving).
class CFood
{
public:
    static constexpr Grams kDefaultAmount = 100;

    CFood() = default;
    CFood(FoodId id, Grams amount) : m_foodId(id), m_amount(amount) {}

    FoodId foodId() const { return m_foodId; }
    Grams amount() const { return m_amount; }
    void setAmount(Grams amount) { m_amount = amount; }

    // Slot 0 is the weight used: the amount, or one serving for amount 0.
    NutrientVector nutrients(const FoodOperations& foods) const;
    // The amount over the food's serving (standard) or reference (personal) weight.
    float servings(const FoodOperations& foods) const;
    PyramidServings pyramidServings(const FoodOperations& foods) const;

    friend bool operator==(const CFood&, const CFood&) = default;

private:
    FoodId m_foodId = 0;
    Grams m_amount = kDefaultAmount;
};

} // namespace mw
