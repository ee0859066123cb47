#include "model/meal_clipboard.h"

#include "model/food_operations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace mw {
namespace {

std::vector<CFood> entriesOf(const CFofDoc& day, MealIndex meal)
{
    const std::span<const CFood> entries = day.meal(meal).entries();
    return {entries.begin(), entries.end()};
}

class MealClipboardTest : public ::testing::Test
{
protected:
    MealClipboardTest()
    {
        m_day.appendEntry(kBreakfast, 0, 244);
        m_day.appendEntry(kBreakfast, 300, 50);
        m_day.appendEntry(kLunch, 100, 120);
        m_day.appendEntry(kLunch, 101, 0);
        m_day.clearModified();
    }

    const std::vector<CFood> m_breakfast = {CFood(0, 244), CFood(300, 50)};
    FoodOperations m_foods;
    CFofDoc m_day{m_foods};
    MealClipboard m_clipboard;
};

TEST_F(MealClipboardTest, CopyThenPasteAfterTheSelectedEntry)
{
    EXPECT_FALSE(m_clipboard.canPaste());
    EXPECT_EQ(m_clipboard.copyMeal(m_day, kBreakfast), MealClipboardStatus::kDone);
    EXPECT_FALSE(m_day.isModified());
    EXPECT_TRUE(m_clipboard.canPaste());

    const PasteResult pasted = m_clipboard.pasteMeal(m_day, kLunch, 0);
    EXPECT_EQ(pasted.status, MealClipboardStatus::kDone);
    EXPECT_EQ(pasted.position, 1u);
    EXPECT_EQ(pasted.count, 2u);
    EXPECT_TRUE(m_day.isModified());
    EXPECT_EQ(entriesOf(m_day, kLunch),
              (std::vector<CFood>{CFood(100, 120), CFood(0, 244), CFood(300, 50), CFood(101, 0)}));
    EXPECT_EQ(entriesOf(m_day, kBreakfast), m_breakfast);

    // Again, with nothing selected: at the start; the clipboard still holds the foods.
    EXPECT_EQ(m_clipboard.pasteMeal(m_day, kLunch, std::nullopt).position, 0u);
    EXPECT_EQ(m_day.entryCount(kLunch), 6u);
    EXPECT_EQ(entriesOf(m_day, kLunch).front(), CFood(0, 244));
    EXPECT_EQ(std::vector<CFood>(m_clipboard.entries().begin(), m_clipboard.entries().end()), m_breakfast);
}

TEST_F(MealClipboardTest, PasteAfterTheLastEntryOrAStaleSelectionAppends)
{
    ASSERT_EQ(m_clipboard.copyMeal(m_day, kBreakfast), MealClipboardStatus::kDone);
    EXPECT_EQ(m_clipboard.pasteMeal(m_day, kLunch, 1).position, 2u);
    EXPECT_EQ(m_clipboard.pasteMeal(m_day, kLunch, 99).position, 4u);
    EXPECT_EQ(m_clipboard.pasteMeal(m_day, kLunch, SIZE_MAX).position, 6u);
    EXPECT_EQ(m_day.entryCount(kLunch), 8u);
    // Into an empty meal, wherever the selection claims to be.
    EXPECT_EQ(m_clipboard.pasteMeal(m_day, kDinner, 3).position, 0u);
    EXPECT_EQ(entriesOf(m_day, kDinner), m_breakfast);
}

TEST_F(MealClipboardTest, CutAndPasteIntoTheSameMealRestoresIt)
{
    EXPECT_EQ(m_clipboard.cutMeal(m_day, kBreakfast), MealClipboardStatus::kDone);
    EXPECT_TRUE(m_day.isModified());
    EXPECT_EQ(m_day.entryCount(kBreakfast), 0u);
    EXPECT_EQ(m_clipboard.pasteMeal(m_day, kBreakfast, std::nullopt).status, MealClipboardStatus::kDone);
    EXPECT_EQ(entriesOf(m_day, kBreakfast), m_breakfast);
}

TEST_F(MealClipboardTest, EmptyMealAndEmptyClipboardChangeNothing)
{
    EXPECT_EQ(m_clipboard.pasteMeal(m_day, kLunch, 0).status, MealClipboardStatus::kClipboardEmpty);
    EXPECT_EQ(m_day.entryCount(kLunch), 2u);
    ASSERT_EQ(m_clipboard.copyMeal(m_day, kBreakfast), MealClipboardStatus::kDone);
    for (const auto& command : {+[](MealClipboard&c, CFofDoc&d) { return c.copyMeal(d, kDinner); },
                                +[](MealClipboard&c, CFofDoc&d) { return c.cutMeal(d, kDinner); },
                                +[](MealClipboard&, CFofDoc&d) { return MealClipboard::clearMeal(d, kDinner); }}) {
        EXPECT_EQ(command(m_clipboard, m_day), MealClipboardStatus::kMealEmpty);
        EXPECT_EQ(std::vector<CFood>(m_clipboard.entries().begin(), m_clipboard.entries().end()), m_breakfast);
        EXPECT_FALSE(m_day.isModified());
    }
    EXPECT_FALSE(MealClipboard::canTakeMeal(m_day, kDinner));
    EXPECT_TRUE(MealClipboard::canTakeMeal(m_day, kLunch));
    EXPECT_EQ(mealClipboardMessage(MealClipboardStatus::kMealEmpty), "Meal is empty!");
    EXPECT_EQ(mealClipboardMessage(MealClipboardStatus::kClipboardEmpty), "Clipboard is empty! Nothing to paste.");
    EXPECT_EQ(mealClipboardMessage(MealClipboardStatus::kDone), "");
}

TEST_F(MealClipboardTest, PastedEntriesAreCopiesAcrossDays)
{
    ASSERT_EQ(m_clipboard.copyMeal(m_day, kBreakfast), MealClipboardStatus::kDone);
    CFofDoc other(m_foods);
    ASSERT_EQ(m_clipboard.pasteMeal(other, kEveningSnack, std::nullopt).status, MealClipboardStatus::kDone);
    ASSERT_TRUE(other.setAmount(kEveningSnack, 0, 10));
    ASSERT_TRUE(m_day.setAmount(kBreakfast, 1, 10));
    EXPECT_EQ(std::vector<CFood>(m_clipboard.entries().begin(), m_clipboard.entries().end()), m_breakfast);
    // Copying again replaces the whole clipboard.
    ASSERT_EQ(m_clipboard.copyMeal(m_day, kLunch), MealClipboardStatus::kDone);
    EXPECT_EQ(std::vector<CFood>(m_clipboard.entries().begin(), m_clipboard.entries().end()),
              (std::vector<CFood>{CFood(100, 120), CFood(101, 0)}));
}

TEST_F(MealClipboardTest, TotalsFollowClearAndPaste)
{
    const NutrientVector dayBefore = m_day.dayNutrients();
    ASSERT_EQ(m_clipboard.copyMeal(m_day, kBreakfast), MealClipboardStatus::kDone);
    // What a paste adds to the running totals is what the meal gains.
    const NutrientVector added = m_clipboard.nutrients(m_foods);
    EXPECT_EQ(added, m_day.mealNutrients(kBreakfast));
    ASSERT_EQ(m_clipboard.pasteMeal(m_day, kDinner, std::nullopt).status, MealClipboardStatus::kDone);
    NutrientVector expected = dayBefore;
    expected.add(added);
    for (std::size_t i = 0; i < kNutrientCount; ++i) {
        EXPECT_FLOAT_EQ(m_day.dayNutrients()[i], expected[i]) << i;
    }

    // Clearing a meal of one entry lowers the day by exactly that entry.
    m_day.appendEntry(kMorningSnack, 42, 100);
    const NutrientVector withSnack = m_day.dayNutrients();
    const NutrientVector snack = m_day.entryNutrients(m_day.entry(kMorningSnack, 0));
    EXPECT_EQ(MealClipboard::clearMeal(m_day, kMorningSnack), MealClipboardStatus::kDone);
    EXPECT_EQ(m_day.mealNutrients(kMorningSnack), NutrientVector());
    for (std::size_t i = 0; i < kNutrientCount; ++i) {
        EXPECT_NEAR(m_day.dayNutrients()[i], withSnack[i] - snack[i], 1e-3f * std::max(1.0f, withSnack[i])) << i;
    }
}

TEST(MealClipboardInstance, OneForTheWholeProgram)
{
    EXPECT_EQ(&MealClipboard::instance(), &MealClipboard::instance());
}

} // namespace
} // namespace mw
