#include "query/food_sort.h"

#include "fake_personal_foods.h"

#include <gtest/gtest.h>

#include <limits>
#include <numeric>

namespace mw {
namespace {

using test::FakePersonalFoods;
using test::with;

std::vector<FoodId> allStandardFoods()
{
    std::vector<FoodId> ids(kStandardFoodCount);
    std::iota(ids.begin(), ids.end(), FoodId{0});
    return ids;
}

// Beer, light (3.1 g per 100 g) up to whiskey (36 g).
const std::vector<FoodId> kAlcoholAscending = {634, 633, 642, 641, 635, 636, 640, 639, 637, 638};

TEST(FoodSort, AlcoholSortsTheDrinksAndKeepsEveryOtherFoodInListOrder)
{
    const FoodOperations foods;
    const std::vector<FoodId> up = sortFoodsByNutrient(allStandardFoods(), kAlcohol, SortDirection::kAscending, foods);
    ASSERT_EQ(up.size(), static_cast<std::size_t>(kStandardFoodCount));
    EXPECT_TRUE(std::is_sorted(up.begin(), up.end() - 10)); // equal keys keep their order
    EXPECT_EQ(std::vector<FoodId>(up.end() - 10, up.end()), kAlcoholAscending);

    const std::vector<FoodId> down =
        sortFoodsByNutrient(allStandardFoods(), kAlcohol, SortDirection::kDescending, foods);
    EXPECT_EQ(std::vector<FoodId>(down.begin(), down.begin() + 10),
              std::vector<FoodId>(kAlcoholAscending.rbegin(), kAlcoholAscending.rend()));
    EXPECT_TRUE(std::is_sorted(down.begin() + 10, down.end()));
    EXPECT_EQ(down[10], 0);
}

TEST(FoodSort, KeysArePer100GramsAndValuesThatAreNotFiniteSortAsZero)
{
    FakePersonalFoods personal;
    std::array<float, kNutrientCount> half = with(kIron, 5.0f);
    half[kWeight] = 50.0f; // 5 mg in 50 g is 10 mg per 100 g
    const FoodId rich = personal.add("Iron pill [1]", half);
    const FoodId poor = personal.add("Broth [1 cup]", with(kIron, 0.01f));
    const FoodId nan = personal.add("Broken [1]", with(kZinc, std::numeric_limits<float>::quiet_NaN()));
    const FoodId inf = personal.add("Huge [1]", with(kZinc, std::numeric_limits<float>::infinity()));
    const FoodId some = personal.add("Oyster [1]", with(kZinc, 40.0f));
    const FoodId none = personal.add("Water [1]", with(kZinc, 0.0f));
    const FoodOperations foods(&personal);
    EXPECT_FLOAT_EQ(*nutrientOnBasis(foods, rich, kIron, SortBasis::kPer100g), 10.0f);
    EXPECT_FLOAT_EQ(*nutrientOnBasis(foods, 0, kCalories, SortBasis::kPer100g), 61.4f);
    EXPECT_EQ(nutrientOnBasis(foods, 0, kWeight, SortBasis::kPer100g), 0.0f);
    EXPECT_EQ(nutrientOnBasis(foods, 0, 28, SortBasis::kPer100g), 0.0f);
    EXPECT_EQ(nutrientOnBasis(foods, nan, kZinc, SortBasis::kPer100g), 0.0f);
    EXPECT_EQ(nutrientOnBasis(foods, inf, kZinc, SortBasis::kPer100g), 0.0f);
    const std::vector<FoodId> iron = {0, rich, poor};
    EXPECT_EQ(sortFoodsByNutrient(iron, kIron, SortDirection::kDescending, foods),
              (std::vector<FoodId>{rich, 0, poor}));
    EXPECT_EQ(sortFoodsByNutrient(iron, kIron, SortDirection::kAscending, foods), (std::vector<FoodId>{poor, 0, rich}));
    const std::vector<FoodId> zinc = {nan, some, inf, none};
    EXPECT_EQ(sortFoodsByNutrient(zinc, kZinc, SortDirection::kAscending, foods),
              (std::vector<FoodId>{nan, inf, none, some}));
    EXPECT_EQ(sortFoodsByNutrient(zinc, kZinc, SortDirection::kDescending, foods),
              (std::vector<FoodId>{some, nan, inf, none}));
}

TEST(FoodSort, NoneOrOneItemIsNotSorted)
{
    const FoodOperations foods;
    EXPECT_EQ(sortFoodList({}, kProtein, SortDirection::kAscending, foods).outcome, SortOutcome::kTooFewItems);
    const std::vector<FoodId> one = {0};
    const FoodSortResult result = sortFoodList(one, kProtein, SortDirection::kAscending, foods);
    EXPECT_EQ(result.outcome, SortOutcome::kTooFewItems);
    EXPECT_TRUE(result.foods.empty());
    const std::vector<FoodId> two = {0, 130};
    EXPECT_EQ(sortFoodList(two, kProtein, SortDirection::kDescending, foods).foods, (std::vector<FoodId>{130, 0}));
}

// Per 100 g, per 100 kcal and per serving of foods whose values make each basis order them differently.
TEST(FoodSortBasis, EachBasisOrdersByItsOwnValueAndFoodsWithoutCaloriesGoLast)
{
    test::FakePersonalFoods personal;
    std::array<float, kNutrientCount> dense = test::with(kCalcium, 100.0f);
    dense[kCalories] = 20.0f; // 500 mg per 100 kcal
    std::array<float, kNutrientCount> rich = test::with(kCalcium, 300.0f);
    rich[kCalories] = 300.0f; // 100 mg per 100 kcal
    rich[kWeight] = 200.0f;   // a serving of 200 g: 150 mg per 100 g
    const FoodId water = personal.add("Mineral water [1 cup]", test::with(kCalcium, 50.0f));
    const FoodId greens = personal.add("Greens [1 cup]", dense);
    const FoodId cheese = personal.add("Cheese [2 slices]", rich);
    const FoodId nothing = personal.addWithoutWeight("Tablet [1]", test::with(kCalcium, 40.0f));
    const FoodId twin = personal.add("Greens again [1 cup]", dense);
    const FoodOperations foods(&personal);
    const std::vector<FoodId> listed = {water, greens, cheese, nothing, twin};

    struct Case
    {
        SortBasis basis;
        SortDirection direction;
        std::vector<FoodId> expected;
    };
    const Case cases[] = {
        {SortBasis::kPer100g, SortDirection::kDescending, {cheese, greens, twin, water, nothing}},
        // Water and the weightless tablet have no calories: last in both directions, in list order.
        {SortBasis::kPer100kcal, SortDirection::kDescending, {greens, twin, cheese, water, nothing}},
        {SortBasis::kPer100kcal, SortDirection::kAscending, {cheese, greens, twin, water, nothing}},
        // No serving weight is no calcium in a serving.
        {SortBasis::kPerServing, SortDirection::kAscending, {nothing, water, greens, twin, cheese}},
    };
    for (const Case& each : cases) {
        EXPECT_EQ(sortFoodsByNutrient(listed, kCalcium, each.direction, foods, each.basis), each.expected)
            << static_cast<int>(each.basis) << '/' << static_cast<int>(each.direction);
    }
    EXPECT_FLOAT_EQ(*nutrientOnBasis(foods, greens, kCalcium, SortBasis::kPer100kcal), 500.0f);
    EXPECT_FLOAT_EQ(*nutrientOnBasis(foods, cheese, kCalcium, SortBasis::kPerServing), 300.0f);
    EXPECT_EQ(nutrientOnBasis(foods, water, kCalcium, SortBasis::kPer100kcal), std::nullopt);
    EXPECT_EQ(nutrientOnBasis(foods, nothing, kCalcium, SortBasis::kPerServing), 0.0f);
}

TEST(FoodSortTexts, BasisNamesTitlesAndMessages)
{
    EXPECT_EQ(sortBasisFromName("100kcal"), SortBasis::kPer100kcal);
    EXPECT_EQ(sortBasisFromName("serving"), SortBasis::kPerServing);
    EXPECT_EQ(sortBasisFromName("100g"), SortBasis::kPer100g);
    EXPECT_EQ(sortBasisFromName("kcal"), std::nullopt);
    EXPECT_EQ(sortBasisSubtitle(SortBasis::kPer100kcal), "(per 100 kcal)");
    EXPECT_EQ(sortBasisUnitSuffix(SortBasis::kPerServing), " per serving");
    EXPECT_EQ(sortPopupTitle(SortDirection::kAscending), "Sort ASCENDING:");
    EXPECT_EQ(sortPopupTitle(SortDirection::kDescending), "Sort DESCENDING:");
    EXPECT_EQ(notEnoughMemoryToSortText(4643), "Not enough memory to sort 4643 items.");
}

} // namespace
} // namespace mw
