#pragma once

#include "model/usda_food.h"

#include <array>

namespace mw {

// Generated from data/usda by tools/usda_table_codegen; the counts guard against a changed extract.
inline constexpr std::size_t kUsdaFoodCount = 8858;
inline constexpr std::size_t kUsdaMeasureCount = 15274;

extern const std::array<UsdaFoodRow, kUsdaFoodCount> kUsdaFoodRows;
extern const std::array<UsdaValues, kUsdaFoodCount> kUsdaValueRows;
extern const std::array<UsdaMeasureRow, kUsdaMeasureCount> kUsdaMeasureRows;

} // namespace mw
