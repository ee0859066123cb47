#pragma once

#include "model/food_types.h"

#include <array>

namespace mw {

// Per-100 g scale factor of each nutrient's stored word in the standard food table (1 for the serving
// weight). Header-only so the build-time table tools share it with the program.
inline constexpr std::array<int, kNutrientCount> kNutrientScales = {1,  10,  100,  100, 100,  100, 100, 100, 10,  100,
                                                                    1,  100, 10,   1,   1,    100, 1,   10,  100, 10,
                                                                    10, 10,  1000, 100, 1000, 1,   1,   100};

} // namespace mw
