#pragma once

#include "model/food_types.h"

#include <span>

namespace mw {

// The standard foods of the menu generator's candidate list (0..126), in their fixed order;
// empty for a number the generator does not use.
std::span<const FoodId> candidateList(int list);

} // namespace mw
