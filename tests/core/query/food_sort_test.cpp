#include "query/food_sort.h"

#include "fake_personal_foods.h"

#include "query/food_listing.h"

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

TEST(FoodSort, AlcoholAscendingPutsEveryFoodWithoutAlcoholFirstInListOrder)
{
    const FoodOperations foods;
    const std::vector<FoodId> sorted =
        sortFoodsByNutrient(allStandardFoods(), kAlcohol, SortDirection::kAscending, foods);
    ASSERT_EQ(sorted.size(), static_cast<std::size_t>(kStandardFoodCount));
    const std::vector<FoodId> zeros(sorted.begin(), sorted.end() - 10);
    EXPECT_TRUE(std::is_sorted(zeros.begin(), zeros.end())); // equal keys keep their order
    EXPECT_EQ(std::vector<FoodId>(sorted.end() - 10, sorted.end()), kAlcoholAscending);
}

TEST(FoodSort, AlcoholDescendingPutsThemLastStillInListOrder)
{
    const FoodOperations foods;
    const std::vector<FoodId> sorted =
        sortFoodsByNutrient(allStandardFoods(), kAlcohol, SortDirection::kDescending, foods);
    const std::vector<FoodId> drinks(sorted.begin(), sorted.begin() + 10);
    EXPECT_EQ(drinks, std::vector<FoodId>(kAlcoholAscending.rbegin(), kAlcoholAscending.rend()));
    EXPECT_TRUE(std::is_sorted(sorted.begin() + 10, sorted.end()));
    EXPECT_EQ(sorted[10], 0);
}

TEST(FoodSort, KeysArePer100GramsForStandardAndPersonalFoods)
{
    FakePersonalFoods personal;
    std::array<float, kNutrientCount> half = with(kIron, 5.0f);
    half[kWeight] = 50.0f; // 5 mg in 50 g is 10 mg per 100 g
    const FoodId rich = personal.add("Iron pill [1]", half);
    const FoodId poor = personal.add("Broth [1 cup]", with(kIron, 0.01f));
    const FoodOperations foods(&personal);
    EXPECT_FLOAT_EQ(nutrientSortKey(foods, rich, kIron), 10.0f);
    EXPECT_FLOAT_EQ(nutrientSortKey(foods, 0, kCalories), 61.4f);
    EXPECT_EQ(nutrientSortKey(foods, 0, kWeight), 0.0f);
    EXPECT_EQ(nutrientSortKey(foods, 0, 28), 0.0f);
    const std::vector<FoodId> ids = {0, rich, poor};
    EXPECT_EQ(sortFoodsByNutrient(ids, kIron, SortDirection::kDescending, foods), (std::vector<FoodId>{rich, 0, poor}));
    EXPECT_EQ(sortFoodsByNutrient(ids, kIron, SortDirection::kAscending, foods), (std::vector<FoodId>{poor, 0, rich}));
}

TEST(FoodSort, KeysThatAreNotFiniteSortAsZero)
{
    FakePersonalFoods personal;
    const FoodId nan = personal.add("Broken [1]", with(kZinc, std::numeric_limits<float>::quiet_NaN()));
    const FoodId inf = personal.add("Huge [1]", with(kZinc, std::numeric_limits<float>::infinity()));
    const FoodId some = personal.add("Oyster [1]", with(kZinc, 40.0f));
    const FoodId none = personal.add("Water [1]", with(kZinc, 0.0f));
    const FoodOperations foods(&personal);
    EXPECT_EQ(nutrientSortKey(foods, nan, kZinc), 0.0f);
    EXPECT_EQ(nutrientSortKey(foods, inf, kZinc), 0.0f);
    const std::vector<FoodId> ids = {nan, some, inf, none};
    EXPECT_EQ(sortFoodsByNutrient(ids, kZinc, SortDirection::kAscending, foods),
              (std::vector<FoodId>{nan, inf, none, some}));
    EXPECT_EQ(sortFoodsByNutrient(ids, kZinc, SortDirection::kDescending, foods),
              (std::vector<FoodId>{some, nan, inf, none}));
}

TEST(FoodSort, ItemsAreRebuiltFromTheFoodData)
{
    FakePersonalFoods personal;
    const FoodId recipe = personal.add("Goulash [1 plate]", with(kProtein, 30.0f));
    const FoodOperations foods(&personal);
    const std::vector<std::string> items = {"9999;Name missing from database!", "0;stale text", "700;gone [1]",
                                            "643;old name"};
    const ItemSortResult result = sortItemsByNutrient(items, kProtein, SortDirection::kDescending, foods);
    ASSERT_EQ(result.outcome, SortOutcome::kSorted);
    // Lines that name no food count as 0 and keep their text.
    EXPECT_EQ(result.items, (std::vector<std::string>{foods.foodName(recipe), "0;Milk [1 cup]",
                                                      "9999;Name missing from database!", "700;gone [1]"}));
}

TEST(FoodSort, NoneOrOneItemIsNotSorted)
{
    const FoodOperations foods;
    EXPECT_EQ(sortItemsByNutrient({}, kProtein, SortDirection::kAscending, foods).outcome, SortOutcome::kTooFewItems);
    const std::vector<std::string> one = {"0;stale"};
    const ItemSortResult result = sortItemsByNutrient(one, kProtein, SortDirection::kAscending, foods);
    EXPECT_EQ(result.outcome, SortOutcome::kTooFewItems);
    EXPECT_TRUE(result.items.empty());
}

TEST(FoodSort, PopupCommandsAndTexts)
{
    EXPECT_EQ(sortNutrientOfCommand(32836), kCalories);
    EXPECT_EQ(sortNutrientOfCommand(32862), kAlcohol);
    EXPECT_FALSE(sortNutrientOfCommand(32835).has_value());
    EXPECT_FALSE(sortNutrientOfCommand(32863).has_value());
    EXPECT_FALSE(sortNutrientOfCommand(0).has_value());
    EXPECT_EQ(sortPopupTitle(SortDirection::kAscending), "Sort ASCENDING:");
    EXPECT_EQ(sortPopupTitle(SortDirection::kDescending), "Sort DESCENDING:");
    EXPECT_EQ(notEnoughMemoryToSortText(4643), "Not enough memory to sort 4643 items.");
}

} // namespace
} // namespace mw
