#include "calc/balance_day.h"
#include "calc/balance_day_edit.h"
#include "calc/balance_solver.h"
#include "calc/linear_congruential_random.h"
#include "calc/menu_generator.h"
#include "format/food_attribute_database.h"
#include "model/day_document.h"
#include "model/food_operations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace mw {
namespace {

constexpr double kTolerance = 1e-6;

// A 40-year-old man's ranges (From, To of nutrients 1..27).
IntakePreferences manPreferences()
{
    constexpr PreferenceRange kRanges[] = {{2343, 2864}, {52, 69},     {325, 487}, {43, 86},     {14, 28},   {13, 39},
                                           {13, 26},     {0, 300},     {24, 36},   {800, 1200},  {8, 12},    {48, 72},
                                           {1200, 1800}, {1360, 2040}, {15, 22},   {1600, 2400}, {160, 240}, {1, 2},
                                           {640, 960},   {640, 960},   {280, 420}, {8, 12},      {12, 18},   {1, 2},
                                           {1100, 2800}, {2000, 3000}, {0, 0}};
    PreferenceTable table{};
    for (int j = 1; j < kNutrientCount; ++j) {
        table[static_cast<std::size_t>(j)] = kRanges[j - 1];
    }
    return IntakePreferences(table);
}

// ---- A model small enough to solve by hand ----------------------------------------------------------------
//
// Protein 40 (range 50..60) and vitamin C 30 (range 60..90); a calorie weighs 0.001. A brings 10 g protein,
// B 30 mg vitamin C, C both (12 g, 40 mg) and 2 meat servings; D comes in two portions (6 g and 15 mg, or
// 4 g and 15 mg), which together would be the best plan of all were one food allowed two portions.

AdditionOption option(FoodId food, int quarters, float protein, float vitaminC, float calories, float meat = 0.0f)
{
    AdditionOption a;
    a.food = food;
    a.quarters = quarters;
    a.grams = static_cast<Grams>(quarters * 10);
    a.nutrients[kProtein] = protein;
    a.nutrients[kVitaminC] = vitaminC;
    a.nutrients[kCalories] = calories;
    a.pyramid[kPyramidMeat] = meat;
    return a;
}

BalanceProblem handModel(int maxFoods, float meatBefore)
{
    BalanceProblem problem;
    problem.goals = {{kProtein, 50.0f, 60.0f}, {kVitaminC, 60.0f, 90.0f}};
    problem.before[kProtein] = 40.0f;
    problem.before[kVitaminC] = 30.0f;
    problem.pyramidBefore[kPyramidMeat] = meatBefore;
    for (std::size_t s = 0; s < kPyramidGroupCount; ++s) {
        problem.pyramidLimit[s] = std::max(kPyramidServingCaps[s], problem.pyramidBefore[s]);
    }
    problem.maxFoods = maxFoods;
    problem.calorieWeight = 0.001;
    problem.additions = {option(1, 4, 10, 0, 100), option(2, 4, 0, 30, 50), option(3, 4, 12, 40, 150, 2.0f),
                         option(4, 2, 6, 15, 10), option(4, 3, 4, 15, 5)};
    return problem;
}

struct HandCase
{
    int maxFoods;
    float meatBefore;
    std::vector<std::size_t> chosen;
    double objective;
};

class HandModel : public ::testing::TestWithParam<HandCase>
{
};

TEST_P(HandModel, FindsTheOptimumWorkedOutByHand)
{
    const HandCase& c = GetParam();
    const BalanceProblem problem = handModel(c.maxFoods, c.meatBefore);
    const BalanceSolution solution = solveBalanceProblem(problem, {});
    EXPECT_TRUE(solution.optimal);
    EXPECT_EQ(solution.selection.additions, c.chosen);
    EXPECT_NEAR(selectionObjective(problem, solution.selection), c.objective, kTolerance);
}

INSTANTIATE_TEST_SUITE_P(Cases, HandModel,
                         ::testing::Values(
                             // Both out of range by a width each: (50-40)/10 + (60-30)/30.
                             HandCase{0, 0.0f, {}, 2.0},
                             // C alone brings both into range.
                             HandCase{1, 0.0f, {2}, 0.15},
                             // Meat at 2 servings: C's 2 more would pass the cap of 3; D's first portion
                             // leaves protein 0.4 and vitamin C 0.5 widths short.
                             HandCase{1, 2.0f, {3}, 0.91},
                             // Two foods without C: A and B, not D's two portions (0.015).
                             HandCase{2, 2.0f, {0, 1}, 0.15}));

// ---- One day against every plan of a dozen foods ------------------------------------------------------------

struct Fixture
{
    Fixture() : day(foods) {}
    FoodOperations foods;
    CFoodAttributeDatabase attributes;
    CFofDoc day;
};

void generateDay(Fixture& f, int calories, std::uint32_t seed)
{
    LinearCongruentialRandom random(seed);
    MenuGenerator(f.day, random).GenerateMenu(calories);
}

bool keepsPyramid(const DayMeals& before, const DayMeals& after, const FoodOperations& foods,
                  const std::vector<FoodId>& added)
{
    const PyramidServings was = dayPyramidServings(before, foods);
    const PyramidServings is = dayPyramidServings(after, foods);
    for (int slot = kPyramidMilk; slot < kPyramidGroupCount; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        if (is[s] > std::max(kPyramidServingCaps[s], was[s]) + 1e-4f) {
            return false;
        }
        for (const FoodId food : added) {
            if (was[s] > kPyramidServingCaps[s] && foods.entryPyramidServings(food, 100)[s] > 0.0f) {
                return false;
            }
        }
    }
    return true;
}

TEST(BalanceDay, MatchesAnExhaustiveSearchOverADozenFoods)
{
    Fixture f;
    generateDay(f, 1600, 7);
    std::vector<FoodId> dozen;
    for (FoodId id = 0; dozen.size() < 12; id = static_cast<FoodId>(id + 37)) {
        if (isBalanceCandidate(id, f.foods, f.attributes)) {
            dozen.push_back(id);
            f.attributes.set(id, CFoodAttributeDatabase::listMask(1));
        }
    }
    BalanceOptions options;
    options.maxFoods = 2;
    options.source = BalanceFoodSource::kFoodList;
    options.foodList = 1;
    const IntakePreferences preferences = manPreferences();
    const BalanceResult result = balanceDay(f.day.meals(), f.foods, f.attributes, preferences, options);
    ASSERT_TRUE(result.optimal);

    const BalanceProblem problem = makeBalanceProblem(f.day.meals(), f.foods, f.attributes, preferences, options);
    double best = balanceObjective(problem, problem.before);
    std::vector<BalanceAddition> portions;
    for (const FoodId food : dozen) {
        for (int q = kMinAddedQuarters; q <= kMaxAddedQuarters; ++q) {
            const auto grams = static_cast<Grams>(std::lround(q * f.foods.servingWeight(food) / 4.0));
            portions.push_back({food, q, grams, kBreakfast});
        }
    }
    const auto consider = [&](const BalancePlan& plan, const std::vector<FoodId>& added) {
        const DayMeals after = balancedMeals(f.day.meals(), plan);
        if (keepsPyramid(f.day.meals(), after, f.foods, added)) {
            best = std::min(best, balanceObjective(problem, computeTotals(after, f.foods).day()));
        }
    };
    for (std::size_t i = 0; i < portions.size(); ++i) {
        consider({{portions[i]}, {}}, {portions[i].food});
        for (std::size_t k = i + 1; k < portions.size(); ++k) {
            if (portions[k].food != portions[i].food) {
                consider({{portions[i], portions[k]}, {}}, {portions[i].food, portions[k].food});
            }
        }
    }
    EXPECT_NEAR(result.objective, best, kTolerance);
    EXPECT_LT(result.objective, result.objectiveBefore);
}

// ---- Properties on generated days ----------------------------------------------------------------------------

struct PropertyCase
{
    int calories;
    std::uint32_t seed;
    int maxFoods;
    bool changeAmounts;
};

class BalanceProperties : public ::testing::TestWithParam<PropertyCase>
{
};

TEST_P(BalanceProperties, HoldForThePlanAndItsUndo)
{
    const PropertyCase& c = GetParam();
    Fixture f;
    generateDay(f, c.calories, c.seed);
    // The foods of a first plan are hidden: the second may not propose them.
    BalanceOptions options;
    options.maxFoods = c.maxFoods;
    options.changeAmounts = c.changeAmounts;
    options.seconds = 0.5;
    const IntakePreferences preferences = manPreferences();
    for (const BalanceAddition& a :
         balanceDay(f.day.meals(), f.foods, f.attributes, preferences, options).plan.additions) {
        f.attributes.set(a.food, CFoodAttributeDatabase::kHidden);
    }
    const BalanceResult result = balanceDay(f.day.meals(), f.foods, f.attributes, preferences, options);

    EXPECT_LE(result.plan.additions.size(), static_cast<std::size_t>(c.maxFoods));
    EXPECT_LE(result.objective, result.objectiveBefore);
    std::vector<FoodId> added;
    for (const BalanceAddition& a : result.plan.additions) {
        EXPECT_TRUE(isBalanceCandidate(a.food, f.foods, f.attributes)) << a.food; // visible, no alcohol, a slot
        EXPECT_GE(a.quarters, kMinAddedQuarters);
        EXPECT_LE(a.quarters, kMaxAddedQuarters);
        EXPECT_EQ(a.grams, std::lround(a.quarters * f.foods.servingWeight(a.food) / 4.0));
        added.push_back(a.food);
    }
    EXPECT_EQ(std::set<FoodId>(added.begin(), added.end()).size(), added.size());
    for (const BalanceChange& ch : result.plan.changes) {
        EXPECT_TRUE(c.changeAmounts);
        EXPECT_GE(ch.quarters, kMinChangedQuarters);
        EXPECT_LE(ch.quarters, kMaxChangedQuarters);
        const double base = ch.before != 0 ? ch.before : f.foods.servingWeight(ch.food);
        EXPECT_EQ(ch.after, std::lround(ch.quarters * base / 4.0));
    }

    const DayMeals before = f.day.meals();
    const std::unique_ptr<DayEdit> edit = balanceDayEdit(f.day, result.plan);
    ASSERT_EQ(edit != nullptr, !result.plan.empty());
    if (edit) {
        edit->apply(f.day);
        EXPECT_TRUE(keepsPyramid(before, f.day.meals(), f.foods, added));
        const BalanceProblem problem = makeBalanceProblem(before, f.foods, f.attributes, preferences, options);
        EXPECT_DOUBLE_EQ(balanceObjective(problem, f.day.dayNutrients()), result.objective);
        EXPECT_EQ(goalsInRange(problem.goals, f.day.dayNutrients()), result.inRangeAfter);
        edit->revert(f.day);
    }
    EXPECT_EQ(f.day.meals(), before);
}

INSTANTIATE_TEST_SUITE_P(Days, BalanceProperties,
                         ::testing::Values(PropertyCase{1600, 7, 3, false}, PropertyCase{1200, 3, 8, false},
                                           PropertyCase{2400, 11, 1, true}, PropertyCase{3000, 5, 2, true},
                                           PropertyCase{800, 9, 0, true}));

// ---- What there is to say without a plan ---------------------------------------------------------------------

TEST(BalanceDay, SaysWhyNothingIsPlanned)
{
    Fixture f;
    generateDay(f, 1600, 7);
    EXPECT_EQ(balanceDay(f.day.meals(), f.foods, f.attributes, std::nullopt, {}).outcome, BalanceOutcome::kNoGoals);

    PreferenceTable wide{};
    for (int j = 1; j < kNutrientCount; ++j) {
        wide[static_cast<std::size_t>(j)] = {0, 9999};
    }
    EXPECT_EQ(balanceDay(f.day.meals(), f.foods, f.attributes, IntakePreferences(wide), {}).outcome,
              BalanceOutcome::kAllInRange);

    BalanceOptions none;
    none.maxFoods = 0;
    const BalanceResult result = balanceDay(f.day.meals(), f.foods, f.attributes, manPreferences(), none);
    EXPECT_EQ(result.outcome, BalanceOutcome::kNoImprovement);
    for (const BalanceOutOfRange& goal : result.outOfRange) {
        EXPECT_EQ(goal.reason,
                  goal.value < goal.from ? BalanceReason::kBelowNoFoodsAllowed : BalanceReason::kAboveFixedAmounts);
    }
}

} // namespace
} // namespace mw
