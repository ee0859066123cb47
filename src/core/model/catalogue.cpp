#include "model/catalogue.h"

#include "model/string_table.h"

#include <array>

namespace mw {
namespace {

constexpr std::array<FoodGroupRange, kFoodGroupCount> kGroupRanges = {{
    {0, 19},   {19, 26},  {45, 8},   {53, 11},  {64, 13},  {77, 10},  {87, 28},  {115, 6},  {121, 9},  {130, 43},
    {173, 16}, {189, 52}, {241, 36}, {277, 29}, {306, 13}, {319, 34}, {353, 12}, {365, 27}, {392, 20}, {412, 15},
    {427, 16}, {443, 43}, {486, 20}, {506, 53}, {559, 11}, {570, 8},  {578, 15}, {593, 20}, {613, 20}, {633, 10},
}};

constexpr bool rangesCoverTheTable()
{
    int next = 0;
    for (const FoodGroupRange& range : kGroupRanges) {
        if (range.first != next || range.count <= 0) {
            return false;
        }
        next += range.count;
    }
    return next == kStandardFoodCount;
}
static_assert(rangesCoverTheTable(), "food groups must cover every standard food once, in order");

std::string_view indexed(int base, int index, int count)
{
    return index >= 0 && index < count ? LoadString(base + index) : std::string_view();
}

} // namespace

std::string_view nutrientLongName(int nutrient)
{
    return indexed(kNutrientLongNameBase, nutrient, kNutrientCount);
}

std::string_view nutrientShortName(int nutrient)
{
    return indexed(kNutrientShortNameBase, nutrient, kNutrientCount);
}

std::string_view nutrientShortestName(int nutrient)
{
    return indexed(kNutrientShortestNameBase, nutrient, kNutrientCount);
}

std::string_view nutrientPanelUnit(int nutrient)
{
    return indexed(kNutrientPanelUnitBase, nutrient, kNutrientCount);
}

std::string_view nutrientReportUnit(int nutrient)
{
    return indexed(kNutrientReportUnitBase, nutrient, kNutrientCount);
}

std::string_view fittingNutrientName(int nutrient, int availableWidth, const TextWidthFunction& width, int steps)
{
    const std::string_view shortest = nutrientShortestName(nutrient);
    const std::string_view candidates[] = {nutrientLongName(nutrient), nutrientShortName(nutrient)};
    const int tried = steps >= 3 ? 2 : 1;
    for (int i = 0; i < tried; ++i) {
        if (width(candidates[i]) <= availableWidth) {
            return candidates[i];
        }
    }
    return shortest;
}

std::string_view mealTitle(int meal)
{
    return indexed(kMealTitleBase, meal, kMealCount);
}

std::string_view foodGroupTitle(int group)
{
    return indexed(kFoodGroupTitleBase, group, kFoodGroupCount);
}

FoodGroupRange foodGroupRange(int group)
{
    return group >= 0 && group < kFoodGroupCount ? kGroupRanges[static_cast<std::size_t>(group)] : FoodGroupRange{0, 0};
}

std::optional<int> foodGroupOf(FoodId id)
{
    for (int g = 0; g < kFoodGroupCount; ++g) {
        const FoodGroupRange& range = kGroupRanges[static_cast<std::size_t>(g)];
        if (id >= range.first && id < range.first + range.count) {
            return g;
        }
    }
    return std::nullopt;
}

std::string_view pyramidGroupTitle(int slot)
{
    return indexed(kPyramidGroupTitleBase, slot, kPyramidGroupCount);
}

std::string_view panelColumnLabel(int column)
{
    return indexed(kPanelColumnLabelBase, column, 6);
}

} // namespace mw
