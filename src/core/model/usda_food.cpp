#include "model/usda_food.h"

#include "model/usda_food_data.h"

#include <algorithm>
#include <cstdio>

namespace mw {

std::span<const UsdaFoodRow> usdaFoods()
{
    return {kUsdaFoodRows.data(), kUsdaFoodRows.size()};
}

const UsdaValues& usdaValues(std::size_t food)
{
    return kUsdaValueRows[food];
}

std::span<const UsdaMeasureRow> usdaMeasures(std::size_t food)
{
    const UsdaFoodRow& row = kUsdaFoodRows[food];
    return std::span<const UsdaMeasureRow>(kUsdaMeasureRows)
        .subspan(static_cast<std::size_t>(row.firstMeasure), static_cast<std::size_t>(row.measureCount));
}

std::optional<std::size_t> findUsdaFood(std::int32_t ndb)
{
    const auto found = std::lower_bound(kUsdaFoodRows.begin(), kUsdaFoodRows.end(), ndb,
                                        [](const UsdaFoodRow& row, std::int32_t key) { return row.ndb < key; });
    if (found == kUsdaFoodRows.end() || found->ndb != ndb) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - kUsdaFoodRows.begin());
}

std::string usdaNdbText(std::int32_t ndb)
{
    char text[16];
    std::snprintf(text, sizeof text, "%05d", static_cast<int>(ndb));
    return text;
}

} // namespace mw
