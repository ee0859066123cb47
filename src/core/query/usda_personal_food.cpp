#include "query/usda_personal_food.h"

#include "format/userfood_line.h"
#include "query/usda_food_name.h"

namespace mw {

UsdaPersonalFood makeUsdaPersonalFood(std::size_t food, double grams, std::string portionText)
{
    const UsdaFoodRow row = usdaFood(food);
    return {usdaPersonalFoodName(food), std::move(portionText), usdaPortion(usdaValues(food), row.group, grams)};
}

std::optional<PersonalFoodProblem> usdaPersonalFoodProblem(const UsdaPersonalFood& food)
{
    return validatePersonalFood(food.name, food.portionText, food.portion.values);
}

std::optional<std::size_t> findSamePersonalValues(const PersonalFoodSource& personal, const PersonalFoodValues& values)
{
    // Compared as the file holds them, since the line keeps only a few decimals.
    const PersonalFoodRecord stored = parseUserfoodLine(buildUserfoodLine("", "", values));
    for (std::size_t i = 0; i < personal.count(); ++i) {
        const PersonalFoodRecord* record = personal.record(i);
        if (record != nullptr && record->values == stored.values) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace mw
