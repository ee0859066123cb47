#pragma once

#include "model/food_types.h"

#include <vector>

namespace mw {

// The standard foods of a group (0..29) in FoodId order; empty for any other number.
std::vector<FoodId> foodsOfGroup(int group);

} // namespace mw
