#include "query/food_ranking.h"

#include "fake_personal_foods.h"

#include "model/food_operations.h"

#include <gtest/gtest.h>

#include <limits>

namespace mw {
namespace {

using test::FakePersonalFoods;
using test::with;

class FoodRanking : public ::testing::Test
{
protected:
    FoodId food(float iron) { return m_personal.add("Food [100 g]", with(kIron, iron)); }
    void eat(MealIndex meal, FoodId id, Grams grams = 100) { m_day.appendEntry(meal, id, grams); }

    FakePersonalFoods m_personal;
    FoodOperations m_foods{&m_personal};
    CFofDoc m_day{m_foods};
};

TEST_F(FoodRanking, HighestAmongMealsIsFoundWhereItIs)
{
    eat(kBreakfast, food(1.0f));
    eat(kBreakfast, food(5.7f));
    eat(kLunch, food(5.3f));
    EXPECT_EQ(findExtremeEntry(m_day, kIron, FindMode::kHighest, -1), (MealEntryPosition{kBreakfast, 1}));
    EXPECT_EQ(findExtremeEntry(m_day, kIron, FindMode::kLowest, -1), (MealEntryPosition{kBreakfast, 0}));
    // Entries count at their own amount.
    m_day.setAmount(kBreakfast, 1, 10); // 0.57
    eat(kDinner, food(1.0f), 600);      // 6.0, more than lunch's 5.3
    EXPECT_EQ(findExtremeEntry(m_day, kIron, FindMode::kHighest, -1), (MealEntryPosition{kDinner, 0}));
}

TEST_F(FoodRanking, RepeatedFindsTakeEqualValuesMealByMeal)
{
    const FoodId none = food(0.0f);
    eat(kBreakfast, food(2.0f));
    eat(kBreakfast, none);
    eat(kLunch, food(3.0f));
    eat(kDinner, none);
    NutrientFinder finder;
    EXPECT_EQ(finder.find(m_day, kIron), (MealEntryPosition{kBreakfast, 1}));
    EXPECT_EQ(finder.lastFoundMeal(), kBreakfast);
    EXPECT_EQ(finder.find(m_day, kIron), (MealEntryPosition{kDinner, 0}));
    // Round again, past the evening snack to breakfast.
    EXPECT_EQ(finder.find(m_day, kIron), (MealEntryPosition{kBreakfast, 1}));
}

TEST_F(FoodRanking, ChangingTheModeStartsAtBreakfastAgain)
{
    const FoodId most = food(9.0f);
    eat(kBreakfast, most);
    eat(kLunch, most);
    NutrientFinder finder;
    finder.setMode(FindMode::kHighest);
    EXPECT_EQ(finder.find(m_day, kIron), (MealEntryPosition{kBreakfast, 0}));
    EXPECT_EQ(finder.find(m_day, kIron), (MealEntryPosition{kLunch, 0}));
    finder.setMode(FindMode::kHighest); // the same mode goes on
    EXPECT_EQ(finder.lastFoundMeal(), kLunch);
    finder.setMode(FindMode::kLowest);
    EXPECT_EQ(finder.lastFoundMeal(), -1);
    finder.setMode(FindMode::kHighest);
    EXPECT_EQ(finder.find(m_day, kIron), (MealEntryPosition{kBreakfast, 0}));
}

TEST_F(FoodRanking, EmptyDayFindsNothing)
{
    NutrientFinder finder;
    EXPECT_FALSE(finder.find(m_day, kIron).has_value());
    EXPECT_EQ(finder.lastFoundMeal(), -1);
    EXPECT_FALSE(canFindInDay(m_day));
    eat(kEveningSnack, food(0.0f));
    EXPECT_TRUE(canFindInDay(m_day));
    EXPECT_EQ(finder.find(m_day, kIron), (MealEntryPosition{kEveningSnack, 0}));
}

TEST_F(FoodRanking, ValuesBeyondAnyStartingValueAreStillFound)
{
    // Values past the 32-bit integer range, and values that are no numbers (which count as 0).
    eat(kBreakfast, food(3e9f));
    EXPECT_EQ(findExtremeEntry(m_day, kIron, FindMode::kLowest, -1), (MealEntryPosition{kBreakfast, 0}));
    eat(kLunch, food(-3e9f));
    EXPECT_EQ(findExtremeEntry(m_day, kIron, FindMode::kHighest, 0), (MealEntryPosition{kBreakfast, 0}));
    eat(kDinner, food(std::numeric_limits<float>::quiet_NaN()));
    EXPECT_EQ(findExtremeEntry(m_day, kIron, FindMode::kLowest, -1), (MealEntryPosition{kLunch, 0}));
    EXPECT_EQ(findExtremeEntry(m_day, kIron, FindMode::kLowest, 7), (MealEntryPosition{kLunch, 0}));
}

TEST(FoodRankingTexts, PopupTitlesAndMessage)
{
    EXPECT_EQ(findPopupTitle(FindMode::kLowest), "Find food lowest in:");
    EXPECT_EQ(findPopupTitle(FindMode::kHighest), "Find food highest in:");
    EXPECT_EQ(kNoFoodInFileMessage, "There is no food in this file!");
}

} // namespace
} // namespace mw
