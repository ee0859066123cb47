#include "calc/balance_problem.h"

#include "calc/analysis.h"
#include "format/food_attribute_database.h"
#include "model/food_operations.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace mw {
namespace {

// Any amount tells which slots a food counts toward and whether it has alcohol.
constexpr Grams kProbeGrams = 100;

bool inSource(FoodId id, const CFoodAttributeDatabase& attributes, const BalanceOptions& options)
{
    switch (options.source) {
    case BalanceFoodSource::kAllVisible:
        return true;
    case BalanceFoodSource::kFoodList:
        return attributes.test(id, CFoodAttributeDatabase::listMask(options.foodList)) != 0;
    case BalanceFoodSource::kPersonal:
        return !isStandardFood(id);
    }
    return false;
}

// quarters x base / 4 to the nearest gram; 0 when that is no amount an entry can have.
Grams quarterGrams(int quarters, double base)
{
    const long grams = std::lround(quarters * base / 4.0);
    return grams >= 1 && grams <= kMaxBalanceGrams ? static_cast<Grams>(grams) : Grams{0};
}

bool bringsFullSlot(const BalanceProblem& problem, const PyramidServings& servings)
{
    for (int slot = kPyramidMilk; slot < kPyramidGroupCount; ++slot) {
        if (servings[static_cast<std::size_t>(slot)] > 0.0f && slotIsFull(problem, slot)) {
            return true;
        }
    }
    return false;
}

void addAdditionOptions(BalanceProblem& problem, FoodId food, const FoodOperations& foods)
{
    if (bringsFullSlot(problem, foods.entryPyramidServings(food, kProbeGrams))) {
        return;
    }
    const double serving = foods.servingWeight(food);
    Grams previous = 0;
    for (int quarters = kMinAddedQuarters; quarters <= kMaxAddedQuarters; ++quarters) {
        const Grams grams = quarterGrams(quarters, serving);
        // Tiny servings round several quarter steps to the same grams: the smallest step stands for them.
        if (grams == 0 || grams == previous) {
            continue;
        }
        previous = grams;
        problem.additions.push_back(
            {food, quarters, grams, foods.entryNutrients(food, grams), foods.entryPyramidServings(food, grams)});
    }
}

void addChangeOptions(BalanceProblem& problem, MealIndex meal, std::size_t k, const CFood& entry,
                      const FoodOperations& foods)
{
    if (!foods.exists(entry.foodId())) {
        return;
    }
    const double base = entry.amount() != 0 ? entry.amount() : foods.servingWeight(entry.foodId());
    const NutrientVector nutrientsBefore = foods.entryNutrients(entry.foodId(), entry.amount());
    const PyramidServings pyramidBefore = foods.entryPyramidServings(entry.foodId(), entry.amount());
    Grams previous = 0;
    for (int quarters = kMinChangedQuarters; quarters <= kMaxChangedQuarters; ++quarters) {
        const Grams grams = quarterGrams(quarters, base);
        if (quarters == 4 || grams == 0 || grams == entry.amount() || grams == previous) {
            continue;
        }
        previous = grams;
        ChangeOption option{meal, k, entry.foodId(), quarters, entry.amount(), grams, {}, {}};
        const NutrientVector nutrients = foods.entryNutrients(entry.foodId(), grams);
        for (std::size_t i = 0; i < kNutrientCount; ++i) {
            option.nutrients[i] = static_cast<double>(nutrients[i]) - static_cast<double>(nutrientsBefore[i]);
        }
        const PyramidServings pyramid = foods.entryPyramidServings(entry.foodId(), grams);
        for (std::size_t s = 0; s < kPyramidGroupCount; ++s) {
            option.pyramid[s] = static_cast<double>(pyramid[s]) - static_cast<double>(pyramidBefore[s]);
        }
        problem.changes.push_back(option);
    }
}

} // namespace

std::vector<BalanceGoal> balanceGoals(const IntakePreferences& preferences)
{
    std::vector<BalanceGoal> goals;
    for (int j = kFirstPreferenceNutrient; j <= kLastPreferenceNutrient; ++j) {
        if (preferences.to(j) > preferences.from(j)) {
            goals.push_back({j, preferences.from(j), preferences.to(j)});
        }
    }
    return goals;
}

double goalDeviation(const BalanceGoal& goal, double value)
{
    const double from = goal.from;
    const double to = goal.to;
    return (std::max(0.0, from - value) + std::max(0.0, value - to)) / (to - from);
}

bool isBalanceCandidate(FoodId id, const FoodOperations& foods, const CFoodAttributeDatabase& attributes)
{
    if (!foods.exists(id) || attributes.test(id, 0) == 0 || foods.entryNutrients(id, kProbeGrams)[kAlcohol] > 0.0f) {
        return false;
    }
    const PyramidServings servings = foods.entryPyramidServings(id, kProbeGrams);
    if (servings[kPyramidSweets] > 0.0f) {
        return false;
    }
    for (int slot = kPyramidMilk; slot < kPyramidGroupCount; ++slot) {
        if (servings[static_cast<std::size_t>(slot)] > 0.0f) {
            return true;
        }
    }
    return false;
}

std::vector<FoodId> balanceCandidates(const FoodOperations& foods, const CFoodAttributeDatabase& attributes,
                                      const BalanceOptions& options)
{
    std::vector<FoodId> candidates;
    const std::size_t last = std::min<std::size_t>(kFirstPersonalFoodId + foods.personalCount(), kLastUsableFoodId + 1);
    for (std::size_t id = 0; id < last; ++id) {
        const auto food = static_cast<FoodId>(id);
        if (inSource(food, attributes, options) && isBalanceCandidate(food, foods, attributes)) {
            candidates.push_back(food);
        }
    }
    return candidates;
}

PyramidServings dayPyramidServings(const DayMeals& meals, const FoodOperations& foods)
{
    PyramidServings total;
    for (const CMeal& meal : meals) {
        for (const CFood& entry : meal) {
            total.add(foods.entryPyramidServings(entry.foodId(), entry.amount()));
        }
    }
    return total;
}

bool slotIsFull(const BalanceProblem& problem, int slot)
{
    const auto s = static_cast<std::size_t>(slot);
    return slot != kPyramidSweets && problem.pyramidBefore[s] > kPyramidServingCaps[s];
}

BalanceProblem makeBalanceProblem(const DayMeals& meals, const FoodOperations& foods,
                                  const CFoodAttributeDatabase& attributes, const IntakePreferences& preferences,
                                  const BalanceOptions& options)
{
    BalanceProblem problem;
    problem.goals = balanceGoals(preferences);
    problem.before = computeTotals(meals, foods).day();
    problem.pyramidBefore = dayPyramidServings(meals, foods);
    for (std::size_t s = 0; s < kPyramidGroupCount; ++s) {
        problem.pyramidLimit[s] = s == kPyramidSweets
                                      ? std::numeric_limits<double>::infinity()
                                      : static_cast<double>(std::max(kPyramidServingCaps[s], problem.pyramidBefore[s]));
    }
    problem.maxFoods = std::clamp(options.maxFoods, 0, kMaxBalanceFoods);
    problem.meal = options.meal;
    problem.calorieWeight = kAddedCalorieWeight / std::max(1.0, static_cast<double>(preferences.from(kCalories)));
    if (problem.maxFoods > 0) {
        for (const FoodId food : balanceCandidates(foods, attributes, options)) {
            addAdditionOptions(problem, food, foods);
        }
    }
    if (options.changeAmounts) {
        for (int m = 0; m < kMealCount; ++m) {
            const CMeal& meal = meals[static_cast<std::size_t>(m)];
            for (std::size_t k = 0; k < meal.size(); ++k) {
                addChangeOptions(problem, static_cast<MealIndex>(m), k, meal.entry(k), foods);
            }
        }
    }
    return problem;
}

double balanceObjective(const BalanceProblem& problem, const NutrientVector& after)
{
    double objective = 0.0;
    for (const BalanceGoal& goal : problem.goals) {
        objective += goalDeviation(goal, after[static_cast<std::size_t>(goal.nutrient)]);
    }
    const double addedCalories = static_cast<double>(after[kCalories]) - static_cast<double>(problem.before[kCalories]);
    return objective + problem.calorieWeight * addedCalories;
}

} // namespace mw
