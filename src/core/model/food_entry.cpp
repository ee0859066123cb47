#include "model/food_entry.h"

#include "model/food_operations.h"

namespace mw {

NutrientVector CFood::nutrients(const FoodOperations& foods) const
{
    return foods.entryNutrients(m_foodId, m_amount);
}

float CFood::servings(const FoodOperations& foods) const
{
    return foods.entryServings(m_foodId, m_amount);
}

PyramidServings CFood::pyramidServings(const FoodOperations& foods) const
{
    return foods.entryPyramidServings(m_foodId, m_amount);
}

} // namespace mw
