#include "model/catalogue.h"
#include "model/string_table.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

int charWidth(std::string_view text)
{
    return static_cast<int>(text.size());
}

TEST(Catalogue, NutrientTextsComeFromTheStringTable)
{
    EXPECT_EQ(nutrientLongName(0), "Weight");
    EXPECT_EQ(nutrientLongName(27), "Alcohol");
    EXPECT_EQ(nutrientShortName(14), "Riboflvn");
    EXPECT_EQ(nutrientShortestName(22), "Fe");
    EXPECT_EQ(nutrientPanelUnit(kVitaminA), "mcg RE");
    EXPECT_EQ(nutrientReportUnit(kVitaminA), "mcg");
    EXPECT_EQ(nutrientPanelUnit(kThiamin), "mcg");
    for (int i = 0; i < kNutrientCount; ++i) {
        EXPECT_FALSE(nutrientLongName(i).empty()) << i;
        if (i != kVitaminA) {
            EXPECT_EQ(nutrientPanelUnit(i), nutrientReportUnit(i)) << i;
        }
    }
    EXPECT_TRUE(nutrientLongName(28).empty());
    EXPECT_TRUE(nutrientLongName(-1).empty());
}

TEST(Catalogue, FittingNameStepsDownThroughTheThreeNames)
{
    // "Vitamin B12" (11), "V B12" (5), "B12" (3)
    EXPECT_EQ(fittingNutrientName(kVitaminB12, 11, charWidth), "Vitamin B12");
    EXPECT_EQ(fittingNutrientName(kVitaminB12, 10, charWidth), "V B12");
    EXPECT_EQ(fittingNutrientName(kVitaminB12, 4, charWidth), "B12");
    EXPECT_EQ(fittingNutrientName(kVitaminB12, 1, charWidth), "B12");
    // The report skips the short name.
    EXPECT_EQ(fittingNutrientName(kVitaminB12, 10, charWidth, 2), "B12");
    EXPECT_EQ(nutrientShortName(kNiacin), "Nia");
    EXPECT_EQ(fittingNutrientName(kNiacin, 3, charWidth), "Nia");
}

TEST(Catalogue, MealAndGroupTitles)
{
    EXPECT_EQ(mealTitle(0), "BREAKFAST");
    EXPECT_EQ(mealTitle(5), "SNACK - Evening");
    EXPECT_TRUE(mealTitle(6).empty());
    EXPECT_EQ(foodGroupTitle(0), "Milk, Yogurt, Cream, Milk Drink");
    EXPECT_EQ(foodGroupTitle(29), "Beverages, alcoholic");
    EXPECT_EQ(pyramidGroupTitle(1), "2 - Milk, Yogurt and Cheese ");
    EXPECT_EQ(pyramidGroupTitle(5), "6 - Bread, Cereal and Pasta");
    EXPECT_EQ(panelColumnLabel(4), "% Goal");
}

TEST(Catalogue, GroupRangesCoverEveryStandardFoodOnce)
{
    EXPECT_EQ(foodGroupOf(0), 0);
    EXPECT_EQ(foodGroupOf(18), 0);
    EXPECT_EQ(foodGroupOf(19), 1);
    EXPECT_EQ(foodGroupOf(642), 29);
    EXPECT_EQ(foodGroupOf(643), std::nullopt);
    EXPECT_EQ(foodGroupOf(4642), std::nullopt);
    int covered = 0;
    for (int g = 0; g < kFoodGroupCount; ++g) {
        const FoodGroupRange range = foodGroupRange(g);
        EXPECT_EQ(range.first, covered) << g;
        for (int id = range.first; id < range.first + range.count; ++id) {
            EXPECT_EQ(foodGroupOf(static_cast<FoodId>(id)), g);
        }
        covered += range.count;
    }
    EXPECT_EQ(covered, kStandardFoodCount);
    EXPECT_EQ(foodGroupRange(11).count, 52);
}

TEST(StringTable, UnknownIdsGiveEmptyText)
{
    EXPECT_TRUE(LoadString(0).empty());
    EXPECT_TRUE(LoadString(2643).empty());
    EXPECT_EQ(LoadString(kFoodDeletedText), "9999;Food has been deleted from personal database!");
    EXPECT_EQ(LoadString(2000).substr(0, 2), "0;");
    EXPECT_EQ(LoadString(2642).substr(0, 4), "642;");
}

} // namespace
} // namespace mw
