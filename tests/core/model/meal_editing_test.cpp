#include "model/meal_editing.h"

#include "model/amount_text.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

TEST(MealEditing, NewEntriesStoreOneServingWhenNoAmountIsGiven)
{
    const FoodOperations foods;
    EXPECT_EQ(amountForNewEntry(foods, 0, 0), 244);
    EXPECT_EQ(amountForNewEntry(foods, 0, 30), 30);
    // A personal food past the end of the database weighs 1 g.
    EXPECT_EQ(amountForNewEntry(foods, 700, 0), 1);
}

TEST(MealEditing, AcceptedAmountsFallBackTo100)
{
    EXPECT_EQ(acceptedAmount(10000), 10000);
    EXPECT_EQ(acceptedAmount(10001), 100);
    EXPECT_EQ(acceptedAmount(-5), 100);
    EXPECT_EQ(acceptedAmount(1), 1);
}

TEST(MealEditing, AmountsWithUnitsReadAsWholeGrams)
{
    const FoodPortion milk{244.0f, "1 cup"};
    const struct
    {
        const char* typed;
        FoodPortion portion;
        int grams; // 0: refused
    } cases[] = {
        {"2 cups", milk, 488},
        {" 2 CUPS ", milk, 488},
        {"1/2 cup", milk, 122},
        {"1½ cups", milk, 366},
        {"1 1/2 cup", milk, 366},
        {"1.5 servings", milk, 366},
        {"1/2 serving", milk, 122},
        {"1½", milk, 366},
        {"½", milk, 122},
        {"100 g", milk, 100},
        {"100g", milk, 100},
        {"100", milk, 100},
        {"2.6", milk, 3},
        {"3 oz", milk, 85},
        {"0.5 lb", milk, 227},
        {"1 kg", milk, 1000},
        {"10000 grams", milk, 10000},
        {"2 bowls", milk, 0},
        {"cups", milk, 0},
        {"", milk, 0},
        {"-5", milk, 0},
        {"1,5", milk, 0},
        {"1/0 cup", milk, 0},
        {"12345", milk, 0},
        {"0", milk, 0},
        {"0.4 g", milk, 0},
        {"50 cups", milk, 0},
        {"3 slices", {25.0f, "1 slice"}, 75},
        {"2 oz", {85.0f, "3 oz"}, 57},
        {"1 cup", {85.0f, "1/2 cup slices"}, 170},
        {"7 nachos", {16.0f, "6-8 nachos"}, 16},
        {"6 fl oz", {355.0f, "12 fl oz"}, 178},
        {"2 pitas", {60.0f, "1 large pita"}, 120},
        {"2 patties", {70.0f, "1 patty"}, 140},
        {"2 cups", {100.0f, ""}, 0},
    };
    for (const auto& c : cases) {
        const AmountReading reading = readAmount(c.typed, c.portion);
        EXPECT_EQ(reading.grams.value_or(0), c.grams) << c.typed << " of " << c.portion.text << ": " << reading.problem;
        EXPECT_EQ(reading.problem.empty(), c.grams != 0) << c.typed;
    }
    EXPECT_EQ(
        readAmount("2 bowls", milk).problem,
        "\"2 bowls\" is not an amount: type grams (\"150\" or \"150 g\"), a weight (\"3 oz\", \"0.5 lb\"), servings "
        "(\"1.5 servings\", \"1/2 serving\", \"1½\"), or the food's own unit (\"2 cups\" for its portion of 1 cup).");
    EXPECT_EQ(readAmount("50 cups", milk).problem, "\"50 cups\" weighs 12200 g; an amount must weigh 1 to 10000 g.");
    const FoodOperations foods;
    EXPECT_EQ(readAmount("2 cups", foods, 0).grams, 488);
    EXPECT_EQ(foodPortion(foods, 0).text, "1 cup");
}

} // namespace
} // namespace mw
