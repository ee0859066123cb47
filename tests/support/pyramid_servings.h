#pragma once

#include "model/nutrient_vector.h"

namespace mw::test {

// Servings of the six pyramid groups, in the pyramid's order from its top.
inline PyramidServings servings(float sweets, float milk, float meat, float vegetable, float fruit, float bread)
{
    PyramidServings s;
    s[kPyramidSweets] = sweets;
    s[kPyramidMilk] = milk;
    s[kPyramidMeat] = meat;
    s[kPyramidVegetable] = vegetable;
    s[kPyramidFruit] = fruit;
    s[kPyramidBread] = bread;
    return s;
}

} // namespace mw::test
