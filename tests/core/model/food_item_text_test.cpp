#include "model/food_item_text.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

TEST(FoodItemText, IdDisplayAndSearchParts)
{
    EXPECT_EQ(foodIdOfItem("0;Milk [1 cup]"), 0u);
    EXPECT_EQ(foodIdOfItem("  642;Wine, table, dry [1 wine glass]"), 642u);
    EXPECT_EQ(foodIdOfItem("9999;Name missing from database!"), 9999u);
    EXPECT_EQ(foodIdOfItem("Milk"), 0u);
    EXPECT_GT(foodIdOfItem("99999999999999999999;x"), 4642u);
    EXPECT_EQ(itemDisplayText("26;Cheese, Brie [1 serving]"), "Cheese, Brie [1 serving]");
    EXPECT_EQ(itemDisplayText("no semicolon"), "no semicolon");
    EXPECT_EQ(itemSearchText("26;Cheese, Brie [1 serving]"), "26;Cheese, Brie ");
}

} // namespace
} // namespace mw
