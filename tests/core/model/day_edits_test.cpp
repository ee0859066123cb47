#include "calc/menu_generation_edit.h"
#include "model/day_edits.h"

#include "format/day_file.h"
#include "model/food_operations.h"
#include "support/day_printers.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace mw {
namespace {

struct Recorded
{
    std::vector<DayChange> changes;
    void operator()(const DayChange& change) { changes.push_back(change); }
};

class DayEdits : public ::testing::Test
{
protected:
    DayEdits()
    {
        m_day.appendEntry(kBreakfast, 0, 244);
        m_day.appendEntry(kBreakfast, 26, 28);
        m_day.appendEntry(kDinner, 200, 0);
        m_day.addChangeListener(std::ref(m_heard));
        m_heard.changes.clear();
    }

    void expectTotalsCounted() const { EXPECT_EQ(m_day.totals(), computeTotals(m_day.meals(), m_foods)); }

    const FoodOperations m_foods;
    CFofDoc m_day{m_foods};
    Recorded m_heard;
};

TEST_F(DayEdits, EveryOperationKeepsTheTotalsAndAnnouncesWhatItChanged)
{
    const CFood pasted[] = {CFood(1, 30), CFood(2, 0)};
    struct Case
    {
        const char* name;
        std::function<void(CFofDoc&)> operation;
        DayChange announced;
    };
    const Case cases[] = {
        {"append", [](CFofDoc& d) { d.appendEntry(kLunch, 5, 100); }, {false, kLunch}},
        {"insert", [&](CFofDoc& d) { d.insertEntries(kBreakfast, 1, pasted); }, {false, kBreakfast}},
        {"insert nothing", [](CFofDoc& d) { d.insertEntries(kBreakfast, 2, {}); }, {false, kBreakfast}},
        {"remove", [](CFofDoc& d) { d.removeEntry(kBreakfast, 0); }, {false, kBreakfast}},
        {"remove two", [](CFofDoc& d) { d.removeEntries(kBreakfast, 0, 2); }, {false, kBreakfast}},
        {"amount", [](CFofDoc& d) { d.setAmount(kDinner, 0, 650); }, {false, kDinner}},
        {"clear meal", [](CFofDoc& d) { d.clearMeal(kBreakfast); }, {false, kBreakfast}},
        {"clear an empty meal", [](CFofDoc& d) { d.clearMeal(kLunch); }, {false, kLunch}},
        {"clear day", [](CFofDoc& d) { d.clearDay(); }, {true, std::nullopt}},
        {"set meals", [](CFofDoc& d) { d.setMeals(DayMeals{}, kLunch); }, {true, kLunch}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DayMeals before = m_day.meals();
        m_heard.changes.clear();
        c.operation(m_day);
        ASSERT_EQ(m_heard.changes.size(), 1u);
        EXPECT_EQ(m_heard.changes[0], c.announced);
        expectTotalsCounted();
        m_day.setMeals(before, kBreakfast);
    }
}

TEST_F(DayEdits, EditsAtPositionsOutsideTheMealAreRefusedAndAnnounceNothing)
{
    const DayMeals before = m_day.meals();
    EXPECT_FALSE(m_day.removeEntries(kBreakfast, 1, 2));
    EXPECT_FALSE(m_day.removeEntries(kBreakfast, 0, 0));
    EXPECT_FALSE(m_day.removeEntry(kBreakfast, 2));
    EXPECT_FALSE(m_day.removeEntry(kLunch, 0));
    EXPECT_FALSE(m_day.setAmount(kLunch, 0, 5));
    EXPECT_FALSE(m_day.setAmount(kBreakfast, 2, 10));
    EXPECT_FALSE(m_day.insertEntries(kDinner, 2, {}));
    EXPECT_FALSE(m_day.insertEntries(kBreakfast, 3, std::vector<CFood>{CFood(1, 1)}));
    EXPECT_TRUE(m_heard.changes.empty());
    EXPECT_EQ(m_day.meals(), before);
    EXPECT_THROW(m_day.meal(MealIndex(6)), std::out_of_range);
    EXPECT_THROW(m_day.entry(kBreakfast, 2), std::out_of_range);
}

TEST_F(DayEdits, ABatchAnnouncesOneWholeDayChangeAndOnlyWhenSomethingChanged)
{
    {
        const CFofDoc::ChangeBatch nothing(m_day);
    }
    EXPECT_TRUE(m_heard.changes.empty());
    {
        const CFofDoc::ChangeBatch outer(m_day);
        const CFofDoc::ChangeBatch inner(m_day);
        m_day.appendEntry(kLunch, 3, 50);
        m_day.clearMeal(kDinner);
    }
    ASSERT_EQ(m_heard.changes.size(), 1u);
    EXPECT_EQ(m_heard.changes[0], (DayChange{true, std::nullopt}));
    expectTotalsCounted();
}

// A random edit of the day, made as the desktop program makes it, or none where it would change nothing.
std::unique_ptr<DayEdit> randomEdit(CFofDoc& day, std::mt19937& random, LinearCongruentialRandom& generatorRandom)
{
    const auto pick = [&random](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };
    const auto meal = static_cast<MealIndex>(pick(kMealCount));
    const std::size_t size = day.entryCount(meal);
    switch (pick(8)) {
    case 0:
    case 1:
        return addEntryEdit(meal, CFood(static_cast<FoodId>(pick(643)), static_cast<Grams>(pick(1000))));
    case 2:
        return size == 0 ? nullptr : deleteEntryEdit(day, meal, pick(size));
    case 3:
        return size == 0 ? nullptr : setAmountEdit(day, meal, pick(size), static_cast<Grams>(1 + pick(10000)));
    case 4:
        return clearMealEdit(day, meal);
    case 5: {
        const std::span<const CFood> copied = day.meal(static_cast<MealIndex>(pick(kMealCount))).entries();
        return insertEntriesEdit(day, meal, pick(size + 1), std::vector<CFood>(copied.begin(), copied.end()));
    }
    case 6:
        return replaceDayEdit(day.meals(), meal, DayMeals{}, kLunch);
    default: {
        GeneratedDayEdit generated = generateMenuEdit(day, generatorRandom, static_cast<int>(800 + pick(2200)), meal);
        // Already applied: take it back so that the loop below applies every edit alike.
        generated.edit->revert(day);
        return std::move(generated.edit);
    }
    }
}

TEST(DayEditHistory, UndoingEveryEditRestoresTheDayExactlyAndRedoingRepeatsIt)
{
    const FoodOperations foods;
    CFofDoc day(foods);
    std::mt19937 random(20261207);
    LinearCongruentialRandom generatorRandom(7);
    for (int k = 0; k < 40; ++k) {
        day.appendEntry(static_cast<MealIndex>(k % kMealCount), static_cast<FoodId>(k * 13 % 643), 0);
    }
    const std::string startBytes = encodeDayFile(day.meals());
    const DayTotals startTotals = day.totals();

    std::vector<std::unique_ptr<DayEdit>> history;
    while (history.size() < 300) {
        if (std::unique_ptr<DayEdit> edit = randomEdit(day, random, generatorRandom)) {
            edit->apply(day);
            history.push_back(std::move(edit));
            ASSERT_EQ(day.totals(), computeTotals(day.meals(), foods)) << "after edit " << history.size();
        }
    }
    const std::string editedBytes = encodeDayFile(day.meals());
    const DayTotals editedTotals = day.totals();
    ASSERT_NE(editedBytes, startBytes);

    for (auto edit = history.rbegin(); edit != history.rend(); ++edit) {
        (*edit)->revert(day);
    }
    EXPECT_EQ(encodeDayFile(day.meals()), startBytes);
    EXPECT_EQ(day.totals(), startTotals);

    for (const std::unique_ptr<DayEdit>& edit : history) {
        edit->apply(day);
    }
    EXPECT_EQ(encodeDayFile(day.meals()), editedBytes);
    EXPECT_EQ(day.totals(), editedTotals);
}

} // namespace
} // namespace mw
