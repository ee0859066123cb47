#include "calc/menu_generator.h"

#include "calc/candidate_lists.h"
#include "calc/saturate.h"
#include "model/food_operations.h"
#include "support/pyramid_servings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace mw {
namespace {

using test::servings;

// The draws of a seeded generator, kept so a check can follow where each one went.
class RecordingRandom final : public RandomSource
{
public:
    explicit RecordingRandom(std::uint32_t seed) : m_random(seed) {}
    int next() override
    {
        m_draws.push_back(m_random.next());
        return m_draws.back();
    }
    const std::vector<int>& draws() const { return m_draws; }

private:
    LinearCongruentialRandom m_random;
    std::vector<int> m_draws;
};

// The values the test chooses, then 0 for ever.
class ScriptedRandom final : public RandomSource
{
public:
    explicit ScriptedRandom(std::vector<int> values) : m_values(std::move(values)) {}
    int next() override { return m_next < m_values.size() ? m_values[m_next++] : 0; }

private:
    std::vector<int> m_values;
    std::size_t m_next = 0;
};

struct GeneratedDay
{
    GeneratedDay() : document(foods) {}

    FoodOperations foods;
    CFofDoc document;
};

float calories(const CFofDoc& document)
{
    return document.dayNutrients()[kCalories];
}

struct CheckFailed
{
    std::string what;
};

// Follows a run's picks through the rules, one rule at a time, with the draws the run took and a day of
// its own that receives what each pick added. Any pick, draw or entry out of place fails the check.
class RuleCheck
{
public:
    RuleCheck(const GeneratedMenu& menu, const std::vector<int>& draws, int requested)
        : m_menu(menu), m_draws(draws), m_requested(requested), m_day(m_foods)
    {
    }

    std::optional<std::string> check(const CFofDoc& generated)
    {
        try {
            checkTarget();
            checkBreakfast();
            checkLunch();
            checkDinner();
            for (const MealIndex snack : {kAfternoonSnack, kEveningSnack, kMorningSnack}) {
                if (!caloriesRemain()) {
                    break;
                }
                checkSnack(snack);
            }
            checkTopUps();
            expect(m_pick == m_menu.picks.size(), "more picks than the rules make");
            static constexpr MealIndex kShown[] = {kBreakfast, kLunch, kDinner};
            expect(m_menu.shownMeal == kShown[nextDraw(3)], "shown meal");
            expect(m_draw == m_draws.size(), "more draws than the rules take");
            expect(generated.meals() == m_day.meals(), "the day is not what the picks added");
        } catch (const CheckFailed& failure) {
            return failure.what + " (pick " + std::to_string(m_pick) + ", draw " + std::to_string(m_draw) + ")";
        }
        return std::nullopt;
    }

private:
    static void expect(bool holds, const std::string& what)
    {
        if (!holds) {
            throw CheckFailed{what};
        }
    }

    void checkTarget()
    {
        const int target = m_requested == 0 ? 1400 + nextDraw(200) : m_requested;
        expect(m_menu.target == target, "target");
        m_target = target;
        m_class = target < 1400 ? 0 : target < 2000 ? 1 : target < 2400 ? 2 : 3;
        expect(m_menu.calorieClass == m_class, "calorie class");
    }

    void startMeal(MealIndex meal)
    {
        static constexpr int kShares[] = {20, 3, 30, 3, 40, 4};
        m_meal = meal;
        m_mealTarget = m_target * kShares[meal] / 100;
    }

    void checkBreakfast()
    {
        startMeal(kBreakfast);
        const int main = oneOf({33, 25, 71, 1, 76, 31, 15});
        pick(main);
        pick(main == 25 ? 66 : oneOf({125, 17, 27}));
        if (main == 33 || main == 25) {
            pick(8);
        }
        if (main == 33 && mealBelow(50)) {
            pick(0);
        }
        if (m_target < 1400) {
            pick(45);
        } else if (mealBelow(70)) {
            pick(oneOf({23, 55, 7, 42, 7}));
        }
        if (mealBelow(50)) {
            pick(oneOf({9, 106}));
        }
        pick(oneOf({109, 24}));
    }

    void checkLunch()
    {
        startMeal(kLunch);
        const bool small = m_class < 2;
        const int main =
            oneOf({small ? 95 : 94, small ? 51 : (m_class == 2 ? 49 : 50), small ? 20 : 5, small ? 39 : 38,
                   m_class == 0 ? 11 : 10, m_class == 0 ? 61 : 58, 82, 48, m_class == 3 ? 89 : 95, 65, 105});
        pick(main);
        if (mealBelow(30)) {
            pick(102);
        }
        if (mealBelow(70) && main != 94 && main != 95 && main != 49 && main != 51) {
            pick(oneOf({8, 30}));
        }
        if (mealBelow(80)) {
            pick(oneOf({92, 119}));
        }
        if (mealBelow(80)) {
            pick(oneOf({41, 88, small ? 7 : 81, small ? 41 : 70, small ? 41 : 13, small ? 52 : 53}));
        }
        if (balance() == kPyramidMilk && mealBelow(90)) {
            pick(66);
        } else {
            pick(oneOf({109, 24, m_class == 3 ? 101 : 123}));
        }
    }

    void checkDinner()
    {
        startMeal(kDinner);
        const int drink = m_class >= 2 && caloriesRemain() ? 101 : 123;
        pick(oneOf({5, 36, 57, 60, 20, m_class < 2 ? 4 : 6, 122, 56, 85, 100, 113, 84, 19, 32, 99, 98, 114, 111, 59}));
        pick(oneOf({90, 77, 104, 91}));
        if (mealBelow(40)) {
            pick(102);
        }
        if (mealBelow(50) && caloriesRemain()) {
            pick(30);
        }
        pick(oneOf({115, 110}));
        if (mealBelow(60) && caloriesRemain()) {
            if (balance() == kPyramidBread) {
                pick(72);
            } else if (balance() == kPyramidVegetable) {
                pick(oneOf({86, 112}));
            }
        }
        if (mealBelow(80) && caloriesRemain()) {
            if (FruitNeeded(DayServings(m_day))) {
                pick(41);
            } else {
                pick(oneOf({7, 88, m_class <= 2 ? 41 : 81, m_class < 2 ? 41 : 70, m_class == 0 ? 41 : 13,
                            m_class == 0 ? 45 : 52}));
            }
        }
        pick(oneOf({109, 24, drink}));
    }

    void checkSnack(MealIndex snack)
    {
        startMeal(snack);
        const PyramidGroup group = balance();
        if (group == kPyramidBread) {
            pick(oneOf({83, 28}));
        } else if (group == kPyramidFruit || FruitNeeded(DayServings(m_day))) {
            pick(oneOf({55, 41}));
        } else if (group == kPyramidMilk) {
            pick(oneOf({17, 66, 22}));
        } else if (group == kPyramidMeat) {
            pick(73);
        } else {
            pick(oneOf({120, 118}));
        }
    }

    void checkTopUps()
    {
        const std::vector<std::vector<MealIndex>> rotations = {
            {},
            {kLunch, kMorningSnack, kDinner, kAfternoonSnack},
            {kDinner, kLunch},
            {kLunch, kDinner},
            {kMorningSnack, kAfternoonSnack, kEveningSnack, kDinner, kLunch},
            {kEveningSnack, kAfternoonSnack, kMorningSnack},
        };
        const int lists[] = {0, 67, 35, 117, 44, 47};
        int counters[6] = {};
        while (caloriesRemain()) {
            const PyramidGroup group = balance();
            const auto& meals = rotations[group];
            m_meal = meals[static_cast<std::size_t>(counters[group]++) % meals.size()];
            const bool snack = m_meal == kMorningSnack || m_meal == kAfternoonSnack || m_meal == kEveningSnack;
            pick(group == kPyramidMilk && snack ? 126 : lists[group], true);
        }
    }

    void pick(int list, bool topUp = false)
    {
        expect(m_pick < m_menu.picks.size(), "no pick from list " + std::to_string(list));
        const GeneratorPick& pick = m_menu.picks[m_pick++];
        expect(pick.meal == m_meal && pick.list == list && pick.topUp == topUp,
               "expected list " + std::to_string(list) + " in meal " + std::to_string(m_meal) + ", not list " +
                   std::to_string(pick.list) + " in meal " + std::to_string(pick.meal));
        const int remaining = m_target - saturatingTruncate<int>(m_day.dayNutrients()[kCalories]);
        if (remaining <= 0) {
            expect(!pick.added, "added past the target");
            return;
        }
        const auto foods = candidateList(list);
        const FoodId food = foods[static_cast<std::size_t>(nextDraw(static_cast<int>(foods.size())))];
        const Grams portion = m_foods.generatorPortion(food, m_class);
        const int portionCalories = saturatingTruncate<int>(m_foods.entryCalories(food, portion));
        Grams amount = portion;
        if (portionCalories > remaining && portionCalories > 20) {
            amount = static_cast<Grams>(std::max(1, remaining * portion / portionCalories));
        }
        expect(pick.added == CFood(food, amount), "food " + std::to_string(food) + " of " + std::to_string(amount) +
                                                      " g from list " + std::to_string(list));
        m_day.appendEntry(m_meal, food, amount);
    }

    int oneOf(std::initializer_list<int> lists) { return lists.begin()[nextDraw(static_cast<int>(lists.size()))]; }

    int nextDraw(int count)
    {
        expect(m_draw < m_draws.size(), "a draw the run did not take");
        return m_draws[m_draw++] % count;
    }

    bool mealBelow(int percent) const
    {
        return static_cast<float>(percent * m_mealTarget / 100) > m_day.mealNutrients(m_meal)[kCalories];
    }
    bool caloriesRemain() const { return static_cast<float>(m_target) - m_day.dayNutrients()[kCalories] > 10.0f; }
    PyramidGroup balance() const { return PyramidBalance(DayServings(m_day), m_day.dayNutrients()[kTotalFat]); }

    const GeneratedMenu& m_menu;
    const std::vector<int>& m_draws;
    const int m_requested;
    FoodOperations m_foods;
    // The day's totals are the document's, the sum of the six meals, as the generator reads them.
    CFofDoc m_day;
    int m_target = 0;
    int m_class = 0;
    int m_mealTarget = 0;
    MealIndex m_meal = kBreakfast;
    std::size_t m_pick = 0;
    std::size_t m_draw = 0;
};

struct CheckedRun
{
    GeneratedMenu menu;
    std::optional<std::string> failure;
    float calories = 0;
};

CheckedRun generateAndCheck(int requested, std::uint32_t seed)
{
    GeneratedDay day;
    RecordingRandom random(seed);
    CheckedRun run;
    run.menu = MenuGenerator(day.document, random).GenerateMenu(requested);
    run.failure = RuleCheck(run.menu, random.draws(), requested).check(day.document);
    run.calories = calories(day.document);
    return run;
}

// ---- Seeded runs ------------------------------------------------------------------------------------------

TEST(MenuGenerator, ManySeedsAndTargetsFollowEveryRule)
{
    for (std::uint32_t seed = 1000; seed < 1500; ++seed) {
        const int requested = seed % 7 == 0 ? 0 : 800 + static_cast<int>(seed * 389 % 2201);
        const CheckedRun run = generateAndCheck(requested, seed);
        ASSERT_EQ(run.failure, std::nullopt) << "seed " << seed << ", " << requested << " kcal";
        EXPECT_LE(static_cast<float>(run.menu.target) - run.calories, 10.0f) << "seed " << seed;
    }
}

// ---- Edge cases -------------------------------------------------------------------------------------------

TEST(MenuGenerator, DrawsTheTargetFirstThenEachChoiceBeforeItsPick)
{
    GeneratedDay day;
    // Target 1400 + 150; breakfast main list 1 of 7 (cold cereals), its entry 3; milk; breads entry 5.
    ScriptedRandom random({150, 1, 3, 0, 5});
    const GeneratedMenu menu = MenuGenerator(day.document, random).GenerateMenu(0);
    EXPECT_EQ(menu.target, 1550);
    ASSERT_GE(menu.picks.size(), 3u);
    const FoodOperations foods;
    const auto expectPick = [&](const GeneratorPick& pick, int list, FoodId food) {
        EXPECT_EQ(pick.meal, kBreakfast);
        EXPECT_EQ(pick.list, list);
        EXPECT_EQ(pick.added, CFood(food, foods.generatorPortion(food, 1)));
    };
    expectPick(menu.picks[0], 25, 432);
    expectPick(menu.picks[1], 66, 0);
    expectPick(menu.picks[2], 8, 328);
    // Every later draw is 0: the breakfast is the meal shown.
    EXPECT_EQ(menu.shownMeal, kBreakfast);
}

TEST(MenuGenerator, ReplacesADayThatHoldsFoods)
{
    GeneratedDay day;
    for (int m = 0; m < kMealCount; ++m) {
        day.document.appendEntry(static_cast<MealIndex>(m), 642, 500);
    }
    EXPECT_GT(day.document.dayNutrients()[kAlcohol], 0.0f);

    RecordingRandom random(7);
    const GeneratedMenu menu = MenuGenerator(day.document, random).GenerateMenu(2000);
    EXPECT_EQ(RuleCheck(menu, random.draws(), 2000).check(day.document), std::nullopt);
    EXPECT_EQ(day.document.dayNutrients()[kAlcohol], 0.0f);
    EXPECT_EQ(day.document.totals(), computeTotals(day.document.meals(), day.foods));
}

TEST(MenuGenerator, TopUpRotationRestartsWithEveryRun)
{
    GeneratedDay day;
    RecordingRandom random(99);
    MenuGenerator generator(day.document, random);
    const GeneratedMenu first = generator.GenerateMenu(2400);
    const std::vector<int> firstDraws = random.draws();
    EXPECT_EQ(RuleCheck(first, firstDraws, 2400).check(day.document), std::nullopt);

    const std::size_t drawn = random.draws().size();
    const GeneratedMenu second = generator.GenerateMenu(2400);
    const std::vector<int> secondDraws(random.draws().begin() + static_cast<std::ptrdiff_t>(drawn),
                                       random.draws().end());
    EXPECT_EQ(RuleCheck(second, secondDraws, 2400).check(day.document), std::nullopt);
    const auto topUps = [](const GeneratedMenu& menu) {
        return std::count_if(menu.picks.begin(), menu.picks.end(), [](const GeneratorPick& p) { return p.topUp; });
    };
    EXPECT_GT(topUps(first) + topUps(second), 0);
}

TEST(MenuGenerator, RequestsOutsideTheRangeMoveToTheNearerBound)
{
    for (const auto& [requested, target] : std::vector<std::pair<int, int>>{{5000, 3000}, {100, 800}, {-20, 800}}) {
        GeneratedDay day;
        LinearCongruentialRandom random(3);
        EXPECT_EQ(MenuGenerator(day.document, random).GenerateMenu(requested).target, target) << requested;
    }
}

TEST(MenuGenerator, TopUpStopsWhenAnAdditionBringsNoCalories)
{
    const FoodOperations foods;
    CFofDoc document(foods);
    // After three additions every food is taken out again as soon as it arrives, as if a list held foods
    // without calories.
    int added = 0;
    bool takingOut = false;
    document.addChangeListener([&](const DayChange& change) {
        if (change.wholeDay || takingOut || ++added <= 3) {
            return;
        }
        takingOut = true;
        document.removeEntry(*change.meal, document.entryCount(*change.meal) - 1);
        takingOut = false;
    });
    LinearCongruentialRandom random(5);
    const GeneratedMenu menu = MenuGenerator(document, random).GenerateMenu(3000);
    const auto topUps =
        std::count_if(menu.picks.begin(), menu.picks.end(), [](const GeneratorPick& p) { return p.topUp; });
    EXPECT_EQ(topUps, 1);
    EXPECT_GT(3000.0f - document.dayNutrients()[kCalories], 10.0f);
}

// ---- The pieces -------------------------------------------------------------------------------------------

TEST(CandidateAmount, CutsOnlyPortionsOverTwentyKcalThatPassTheRemainder)
{
    EXPECT_EQ(candidateAmount(100, 300, 11), 3); // about the 11 kcal still missing
    EXPECT_EQ(candidateAmount(100, 300, 2), 1);  // never 0 g
    EXPECT_EQ(candidateAmount(100, 300, 300), 100);
    EXPECT_EQ(candidateAmount(100, 301, 300), 99);
    EXPECT_EQ(candidateAmount(100, 20, 5), 100); // small portions go in whole
    EXPECT_EQ(candidateAmount(100, 21, 5), 23);
    EXPECT_EQ(candidateAmount(65535, 3000, 2999), 65513);
}

TEST(MenuGenerator, CalorieClasses)
{
    const std::pair<int, int> classes[] = {{0, 0},    {800, 0},  {1399, 0}, {1400, 1}, {1999, 1},
                                           {2000, 2}, {2399, 2}, {2400, 3}, {3000, 3}};
    for (const auto& [target, expected] : classes) {
        EXPECT_EQ(calorieClass(target), expected) << target;
    }
}

TEST(PyramidBalance, FirstRuleThatHoldsDecides)
{
    struct Case
    {
        PyramidServings day;
        float fat;
        PyramidGroup expected;
    };
    const Case cases[] = {
        {servings(0, 0, 0, 0, 0, 0), 0, kPyramidBread},      // an empty day wants bread first
        {servings(0, 1, 2, 1.5f, 1, 4), 0, kPyramidBread},   // half the bread is not above the meat
        {servings(0, 2, 2, 2, 3, 10), 0, kPyramidVegetable}, // vegetables not above milk
        {servings(0, 1, 2, 3, 2, 10), 0, kPyramidFruit},     // fruit not above meat
        {servings(1, 2, 2.5f, 3, 3, 10), 120, kPyramidMilk}, // 120 g of fat: sweets count 4
        {servings(1, 2, 2.5f, 3, 3, 10), 0, kPyramidBread},  // the same day without the fat
        {servings(5, 3, 2.1f, 4, 3, 10), 0, kPyramidMeat},
        {servings(0, 3, 3, 4, 4, 20), 0, kPyramidFruit},     // twice the fruit within half the bread
        {servings(0, 3, 3, 6, 6, 20), 0, kPyramidMilk},      // twice the milk within the vegetables
        {servings(0, 4, 3, 5, 6, 20), 0, kPyramidVegetable}, // twice the vegetables within half the bread
        {servings(0, 4, 3, 6, 6, 20), 0, kPyramidBread},     // nothing else holds
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PyramidBalance(c.day, c.fat), c.expected) << c.day[kPyramidMilk] << " " << c.fat;
    }
    EXPECT_TRUE(FruitNeeded(servings(0, 0, 2, 0, 2, 0)));
    EXPECT_FALSE(FruitNeeded(servings(0, 0, 2, 0, 2.01f, 0)));
}

TEST(DayServings, CountsEveryEntryOfEveryMeal)
{
    const FoodOperations foods;
    CFofDoc document(foods);
    document.appendEntry(kBreakfast, 0, 488);      // milk: 244 g a serving
    document.appendEntry(kDinner, 200, 300);       // 200 g a meat serving, 300 g a bread serving
    document.appendEntry(kDinner, 622, 355);       // carbonated water counts in no group
    document.appendEntry(kLunch, 0, 0);            // one serving stored as 0 g counts nothing
    document.appendEntry(kEveningSnack, 700, 100); // a personal food that does not exist
    const PyramidServings s = DayServings(document);
    EXPECT_EQ(s, servings(0, 2, 1.5f, 0, 0, 1));
}

// ---- The data the generator relies on ---------------------------------------------------------------------

TEST(GeneratorData, TopUpFoodsBringCaloriesAtEveryPortion)
{
    // At least 1 kcal, so that each top-up raises the day's whole calories and the top-up loop ends.
    const FoodOperations foods;
    for (const int list : {67, 126, 35, 117, 44, 47}) {
        for (const FoodId food : candidateList(list)) {
            for (int c = 0; c < 3; ++c) {
                EXPECT_GE(foods.entryCalories(food, foods.generatorPortion(food, c)), 1.0f)
                    << "list " << list << ", food " << food << ", class " << c;
            }
        }
    }
}

} // namespace
} // namespace mw
