#include "query/food_filters.h"

#include "fake_personal_foods.h"

#include <gtest/gtest.h>

#include <limits>

namespace mw {
namespace {

using test::FakePersonalFoods;

// Nutrients of 1000 g.
NutrientVector per1000(std::initializer_list<std::pair<int, float>> values)
{
    NutrientVector v;
    v[kWeight] = 1000.0f;
    for (const auto& [nutrient, value] : values) {
        v[static_cast<std::size_t>(nutrient)] = value;
    }
    return v;
}

TEST(FoodFilters, CommandsAndPrompts)
{
    EXPECT_EQ(foodFilterCommand(FoodFilter::kZoneFavorable), 34084);
    EXPECT_EQ(foodFilterPrompt(FoodFilter::kHighProtein), "Leave only high protein foods in listbox");
    EXPECT_EQ(foodFilterPrompt(FoodFilter::kCofactor),
              "Leave only foods containing co-factors in food selection listbox");
}

TEST(FoodFilters, CalorieSharesIncludeTheirBounds)
{
    EXPECT_TRUE(passesFoodFilter(FoodFilter::kHighProtein, per1000({{kCalories, 400}, {kProtein, 80}})));
    EXPECT_FALSE(passesFoodFilter(FoodFilter::kHighProtein, per1000({{kCalories, 400}, {kProtein, 79.9f}})));
    EXPECT_TRUE(passesFoodFilter(FoodFilter::kHighFat, per1000({{kCalories, 900}, {kTotalFat, 80}})));
    EXPECT_FALSE(passesFoodFilter(FoodFilter::kHighFat, per1000({{kCalories, 900}, {kTotalFat, 79.9f}})));
    EXPECT_TRUE(passesFoodFilter(FoodFilter::kHighProteinAndFat, per1000({{kCalories, 400}, {kCarbohydrate, 20}})));
    EXPECT_FALSE(passesFoodFilter(FoodFilter::kHighProteinAndFat, per1000({{kCalories, 400}, {kCarbohydrate, 20.1f}})));
    EXPECT_TRUE(passesFoodFilter(FoodFilter::kHighCarbohydrate, per1000({{kCalories, 400}, {kCarbohydrate, 80}})));
    // Without calories no share can be taken, not even "at most 20 %".
    for (const FoodFilter filter : {FoodFilter::kHighProtein, FoodFilter::kHighFat, FoodFilter::kHighProteinAndFat,
                                    FoodFilter::kHighCarbohydrate}) {
        EXPECT_FALSE(passesFoodFilter(filter, per1000({{kProtein, 10}, {kTotalFat, 10}})));
    }
}

TEST(FoodFilters, ZoneTruncatesProteinPerHundredGramsOfCarbohydrate)
{
    const auto zone = [](float protein, float carbohydrate) {
        return passesFoodFilter(FoodFilter::kZoneFavorable,
                                per1000({{kCalories, 100}, {kProtein, protein}, {kCarbohydrate, carbohydrate}}));
    };
    EXPECT_TRUE(zone(60, 100));
    EXPECT_FALSE(zone(59.9f, 100));
    EXPECT_TRUE(zone(100, 100));
    EXPECT_TRUE(zone(100.9f, 100)); // 100.9 truncates to 100
    EXPECT_FALSE(zone(101, 100));
    EXPECT_FALSE(zone(50, 0));
    EXPECT_FALSE(zone(std::numeric_limits<float>::infinity(), 100));
}

TEST(FoodFilters, RichMeansDenseAndNotATrace)
{
    const auto antioxidant = [](std::initializer_list<std::pair<int, float>> values) {
        return passesFoodFilter(FoodFilter::kAntioxidant, per1000(values));
    };
    // 90 mg vitamin C per 1000 kcal is 1.5 times 60 mg; 6 mg per 100 g is a tenth.
    EXPECT_TRUE(antioxidant({{kCalories, 1000}, {kVitaminC, 90}}));
    EXPECT_FALSE(antioxidant({{kCalories, 1000}, {kVitaminC, 89}}));
    EXPECT_TRUE(antioxidant({{kCalories, 0}, {kVitaminC, 60}}));
    EXPECT_FALSE(antioxidant({{kCalories, 0}, {kVitaminC, 59}}));
    EXPECT_TRUE(antioxidant({{kCalories, 500}, {kVitaminE, 10}}));
    EXPECT_TRUE(antioxidant({{kCalories, 500}, {kVitaminA, 1000}}));
    EXPECT_FALSE(antioxidant({{kCalories, 500}, {kVitaminB6, 100000}, {kZinc, 1000}}));
    EXPECT_FALSE(antioxidant({{kCalories, 500}, {kVitaminC, std::numeric_limits<float>::quiet_NaN()}}));
    EXPECT_FALSE(antioxidant({{kCalories, 500}, {kVitaminC, std::numeric_limits<float>::infinity()}}));

    const auto cofactor = [](std::initializer_list<std::pair<int, float>> values) {
        return passesFoodFilter(FoodFilter::kCofactor, per1000(values));
    };
    EXPECT_TRUE(cofactor({{kCalories, 1000}, {kVitaminB6, 3000}}));
    EXPECT_FALSE(cofactor({{kCalories, 1000}, {kVitaminB6, 2999}}));
    EXPECT_TRUE(cofactor({{kCalories, 1000}, {kMagnesium, 525}}));
    EXPECT_TRUE(cofactor({{kCalories, 1000}, {kZinc, 22.5f}}));
    EXPECT_FALSE(cofactor({{kCalories, 1000}, {kVitaminC, 5000}}));
    // The weight of a 1000 g portion alone keeps nothing.
    EXPECT_FALSE(cofactor({}));
    EXPECT_FALSE(antioxidant({}));
}

TEST(FoodFilters, StandardFoodsSortedAsExpected)
{
    const FoodOperations foods;
    struct Case
    {
        FoodFilter filter;
        FoodId passes;
        FoodId fails;
    };
    const Case cases[] = {
        {FoodFilter::kHighProtein, 130, 0},        // tuna in water, milk
        {FoodFilter::kHighFat, 446, 0},            // avocado, milk
        {FoodFilter::kHighProteinAndFat, 25, 480}, // cheddar, papaya
        {FoodFilter::kHighCarbohydrate, 23, 130},  // orange sherbet, tuna
        {FoodFilter::kZoneFavorable, 0, 130},      // milk, tuna (no carbohydrate)
        {FoodFilter::kAntioxidant, 480, 0},        // papaya, milk
        {FoodFilter::kAntioxidant, 520, 53},       // boiled carrots, ground beef
        {FoodFilter::kCofactor, 53, 0},            // ground beef, milk
        {FoodFilter::kCofactor, 130, 480},         // tuna, papaya
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(foodPassesFilter(c.filter, c.passes, foods)) << static_cast<int>(c.filter) << " " << c.passes;
        EXPECT_FALSE(foodPassesFilter(c.filter, c.fails, foods)) << static_cast<int>(c.filter) << " " << c.fails;
    }
}

TEST(FoodFilters, ListKeepsPassingLinesInOrderAndDropsLinesNamingNoFood)
{
    FakePersonalFoods personal;
    std::array<float, kNutrientCount> shake{};
    shake[kCalories] = 100.0f;
    shake[kProtein] = 25.0f;
    const FoodId proteinShake = personal.add("Protein shake [1 glass]", shake);
    const FoodOperations foods(&personal);
    const std::vector<FoodId> listed = {130, 0, proteinShake, 700, 135};
    EXPECT_EQ(applyFoodFilter(FoodFilter::kHighProtein, listed, foods), (std::vector<FoodId>{130, proteinShake, 135}));
    EXPECT_EQ(proteinShake, 643);
    EXPECT_TRUE(applyFoodFilter(FoodFilter::kHighFat, {}, foods).empty());
    EXPECT_FALSE(foodPassesFilter(FoodFilter::kZoneFavorable, 700, foods));
}

} // namespace
} // namespace mw
