#include "model/day_document.h"

#include "model/food_operations.h"

#include "core/query/fake_personal_foods.h"
#include "support/day_printers.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

constexpr FoodId kMilk = 0;

class DayDocument : public ::testing::Test
{
protected:
    DayDocument()
    {
        // A personal food of 100 g with a negative calorie value that no total may subtract.
        std::array<float, kNutrientCount> odd = test::with(kCalories, -50.0f);
        odd[kProtein] = 10.0f;
        m_personal.add("Odd food [100 g]", odd, kPyramidFruit);
    }

    static constexpr FoodId kOddFood = kFirstPersonalFoodId;

    test::FakePersonalFoods m_personal;
    FoodOperations m_foods{&m_personal};
    CFofDoc m_day{m_foods};
};

TEST_F(DayDocument, NewDayHasSixEmptyMeals)
{
    for (int m = 0; m < kMealCount; ++m) {
        EXPECT_EQ(m_day.entryCount(MealIndex(m)), 0u);
        EXPECT_EQ(m_day.mealNutrients(MealIndex(m)), NutrientVector());
    }
    EXPECT_EQ(m_day.dayNutrients(), NutrientVector());
    EXPECT_EQ(CFood(), CFood(0, 100));
}

TEST_F(DayDocument, SameFoodTwiceMakesTwoEntriesTotalledSeparately)
{
    m_day.appendEntry(kLunch, kMilk, 244);
    m_day.appendEntry(kLunch, kMilk, 244);
    ASSERT_EQ(m_day.entryCount(kLunch), 2u);
    NutrientVector twice = m_day.entryNutrients(m_day.entry(kLunch, 0));
    twice.add(m_day.entryNutrients(m_day.entry(kLunch, 1)));
    EXPECT_EQ(m_day.mealNutrients(kLunch), twice);
    EXPECT_EQ(m_day.mealNutrients(kLunch)[kWeight], 488.0f);
    EXPECT_EQ(m_day.entryPyramidServings(m_day.entry(kLunch, 1))[kPyramidMilk], 1.0f);
}

TEST_F(DayDocument, AnEditedFoodIsSummedAnewInEveryMeal)
{
    m_day.appendEntry(kLunch, kOddFood, 100);
    m_day.appendEntry(kDinner, kOddFood, 50);
    int announced = 0;
    m_day.addChangeListener([&announced](const DayChange& change) { announced += change.wholeDay ? 1 : 100; });
    m_personal.edit(kOddFood).values[kProtein] = 30.0f;
    m_day.foodsChanged();
    EXPECT_EQ(m_day.mealNutrients(kLunch)[kProtein], 30.0f);
    EXPECT_EQ(m_day.dayNutrients()[kProtein], 45.0f);
    EXPECT_EQ(announced, 1);
}

TEST_F(DayDocument, EditsChangeOnlyTheirMealAndPosition)
{
    m_day.appendEntry(kLunch, 1, 10);
    m_day.appendEntry(kLunch, 2, 20);
    m_day.appendEntry(kDinner, 9, 90);
    ASSERT_TRUE(m_day.insertEntries(kLunch, 1, std::vector<CFood>{CFood(5, 50), CFood(6, 60)}));
    EXPECT_EQ(m_day.meal(kLunch).entries().size(), 4u);
    EXPECT_EQ(m_day.entry(kLunch, 1), CFood(5, 50));
    EXPECT_EQ(m_day.entry(kLunch, 3), CFood(2, 20));

    // Pasting a meal into itself copies the entries as they were before the paste.
    ASSERT_TRUE(m_day.insertEntries(kLunch, 0, m_day.meal(kLunch).entries()));
    EXPECT_EQ(m_day.entryCount(kLunch), 8u);
    EXPECT_EQ(m_day.entry(kLunch, 3), CFood(2, 20));
    EXPECT_EQ(m_day.entry(kLunch, 4), CFood(1, 10));

    ASSERT_TRUE(m_day.removeEntry(kLunch, 0));
    ASSERT_TRUE(m_day.setAmount(kLunch, 0, 55));
    EXPECT_EQ(m_day.entry(kLunch, 0), CFood(5, 55));
    m_day.clearMeal(kLunch);
    EXPECT_EQ(m_day.entryCount(kLunch), 0u);
    EXPECT_EQ(m_day.entry(kDinner, 0), CFood(9, 90));
}

TEST_F(DayDocument, CopiedEntriesOutliveTheClearedMeal)
{
    m_day.appendEntry(kBreakfast, kMilk, 244);
    m_day.appendEntry(kBreakfast, 26, 28);
    std::vector<CFood> clipboard = {CFood(3, 3)};
    m_day.copyEntriesInto(clipboard, kBreakfast);
    m_day.clearMeal(kBreakfast);
    EXPECT_EQ(clipboard, (std::vector<CFood>{CFood(3, 3), CFood(kMilk, 244), CFood(26, 28)}));
}

} // namespace
} // namespace mw
