#pragma once

#include "model/usda_food.h"

#include <array>

namespace mw {

// Generated from data/usda by tools/usda_table_codegen; the counts guard against a changed extract.
inline constexpr std::size_t kUsdaFoodCount = 8858;
inline constexpr std::size_t kUsdaMeasureCount = 15274;

// Texts are ranges of kUsdaText.
struct UsdaFoodRecord
{
    std::int32_t ndb;
    std::int16_t group;
    std::int16_t standardFood;
    std::int32_t firstMeasure;
    std::int32_t measureCount;
    std::uint32_t nameOffset;
    std::uint32_t nameLength;
};

struct UsdaMeasureRecord
{
    std::int32_t amount;
    std::int32_t grams;
    std::uint32_t textOffset;
    std::uint32_t textLength;
};

extern const std::array<UsdaFoodRecord, kUsdaFoodCount> kUsdaFoodRecords;
extern const std::array<UsdaValues, kUsdaFoodCount> kUsdaValueRows;
extern const std::array<UsdaMeasureRecord, kUsdaMeasureCount> kUsdaMeasureRecords;
extern const char kUsdaText[];

} // namespace mw
