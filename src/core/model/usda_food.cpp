#include "model/usda_food.h"

#include "model/usda_food_data.h"

#include <algorithm>
#include <cstdio>

namespace mw {
namespace {

std::string_view textAt(std::uint32_t offset, std::uint32_t length)
{
    return {kUsdaText + offset, length};
}

} // namespace

std::size_t usdaFoodCount()
{
    return kUsdaFoodRecords.size();
}

UsdaFoodRow usdaFood(std::size_t food)
{
    const UsdaFoodRecord& record = kUsdaFoodRecords[food];
    return {record.ndb,          record.group,        record.standardFood,
            record.firstMeasure, record.measureCount, textAt(record.nameOffset, record.nameLength)};
}

const UsdaValues& usdaValues(std::size_t food)
{
    return kUsdaValueRows[food];
}

std::vector<UsdaMeasureRow> usdaMeasures(std::size_t food)
{
    const UsdaFoodRecord& record = kUsdaFoodRecords[food];
    std::vector<UsdaMeasureRow> measures;
    for (std::int32_t i = 0; i < record.measureCount; ++i) {
        const UsdaMeasureRecord& measure = kUsdaMeasureRecords[static_cast<std::size_t>(record.firstMeasure + i)];
        measures.push_back({measure.amount, measure.grams, textAt(measure.textOffset, measure.textLength)});
    }
    return measures;
}

std::optional<std::size_t> findUsdaFood(std::int32_t ndb)
{
    const auto found =
        std::lower_bound(kUsdaFoodRecords.begin(), kUsdaFoodRecords.end(), ndb,
                         [](const UsdaFoodRecord& record, std::int32_t key) { return record.ndb < key; });
    if (found == kUsdaFoodRecords.end() || found->ndb != ndb) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - kUsdaFoodRecords.begin());
}

std::string usdaNdbText(std::int32_t ndb)
{
    char text[16];
    std::snprintf(text, sizeof text, "%05d", static_cast<int>(ndb));
    return text;
}

} // namespace mw
