#include "model/meal_clipboard.h"

#include "model/food_operations.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace mw {
namespace {

std::vector<CFood> clipped(const MealClipboard& clipboard)
{
    return {clipboard.entries().begin(), clipboard.entries().end()};
}

TEST(MealClipboard, CopiesAreTheClipboardsOwnAndReplaceWhatItHeld)
{
    const FoodOperations foods;
    CFofDoc day(foods);
    day.appendEntry(kBreakfast, 0, 244);
    day.appendEntry(kBreakfast, 300, 50);
    day.appendEntry(kLunch, 100, 120);
    MealClipboard clipboard;
    EXPECT_FALSE(clipboard.canPaste());
    EXPECT_EQ(clipboard.copyMeal(day, kDinner), MealClipboardStatus::kMealEmpty);
    EXPECT_TRUE(clipboard.empty());

    ASSERT_EQ(clipboard.copyMeal(day, kBreakfast), MealClipboardStatus::kDone);
    ASSERT_TRUE(day.setAmount(kBreakfast, 1, 10));
    EXPECT_EQ(clipped(clipboard), (std::vector<CFood>{CFood(0, 244), CFood(300, 50)}));
    ASSERT_EQ(clipboard.copyMeal(day, kLunch), MealClipboardStatus::kDone);
    EXPECT_EQ(clipped(clipboard), std::vector<CFood>{CFood(100, 120)});
    EXPECT_TRUE(MealClipboard::canTakeMeal(day, kLunch));
    EXPECT_FALSE(MealClipboard::canTakeMeal(day, kDinner));
    EXPECT_EQ(&MealClipboard::instance(), &MealClipboard::instance());
}

TEST(MealClipboard, PasteGoesAfterTheSelectionAtTheStartWithoutOneAndAtTheEndPastIt)
{
    EXPECT_EQ(MealClipboard::pastePosition(2, 0), 1u);
    EXPECT_EQ(MealClipboard::pastePosition(2, std::nullopt), 0u);
    EXPECT_EQ(MealClipboard::pastePosition(2, 1), 2u);
    EXPECT_EQ(MealClipboard::pastePosition(4, 99), 4u);
    EXPECT_EQ(MealClipboard::pastePosition(6, SIZE_MAX), 6u);
    EXPECT_EQ(MealClipboard::pastePosition(0, 3), 0u);
}

TEST(MealClipboard, Messages)
{
    EXPECT_EQ(mealClipboardMessage(MealClipboardStatus::kMealEmpty), "Meal is empty!");
    EXPECT_EQ(mealClipboardMessage(MealClipboardStatus::kClipboardEmpty), "Clipboard is empty! Nothing to paste.");
    EXPECT_EQ(mealClipboardMessage(MealClipboardStatus::kDone), "");
}

} // namespace
} // namespace mw
