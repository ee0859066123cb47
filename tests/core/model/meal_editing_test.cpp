#include "model/meal_editing.h"

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

TEST(MealEditing, TypedAmountsReadFourCharactersAndFallBackTo100)
{
    EXPECT_EQ(typedAmount("150g"), 150);
    EXPECT_EQ(typedAmount("150"), 150);
    EXPECT_EQ(typedAmount("12345"), 1234);
    EXPECT_EQ(typedAmount("20000"), 2000);
    EXPECT_EQ(typedAmount("10000"), 1000);
    EXPECT_EQ(typedAmount("0"), 100);
    EXPECT_EQ(typedAmount("abc"), 100);
    EXPECT_EQ(typedAmount(""), 100);
    EXPECT_EQ(typedAmount(" 50"), 100);
    EXPECT_EQ(acceptedAmount(10000), 10000);
    EXPECT_EQ(acceptedAmount(10001), 100);
    EXPECT_EQ(acceptedAmount(-5), 100);
    EXPECT_EQ(acceptedAmount(1), 1);
}

} // namespace
} // namespace mw
