#include "calc/balance_day.h"

#include "calc/analysis.h"
#include "calc/balance_solver.h"
#include "model/food_operations.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <map>

namespace mw {
namespace {

// A plan counts as an improvement only when it beats the day by more than rounding.
constexpr double kImprovementTolerance = 1e-9;

double valueOf(const NutrientVector& totals, int nutrient)
{
    return totals[static_cast<std::size_t>(nutrient)];
}

bool everyGoalMet(const BalanceProblem& problem)
{
    return std::all_of(problem.goals.begin(), problem.goals.end(), [&](const BalanceGoal& goal) {
        return goalDeviation(goal, valueOf(problem.before, goal.nutrient)) == 0.0;
    });
}

// The most the nutrient can reach: the K richest foods at their richest portions and every entry at the
// amount that carries most of it.
double mostReachable(const BalanceProblem& problem, int nutrient)
{
    const auto slot = static_cast<std::size_t>(nutrient);
    std::map<FoodId, double> richest;
    for (const AdditionOption& option : problem.additions) {
        double& most = richest[option.food];
        most = std::max(most, static_cast<double>(option.nutrients[slot]));
    }
    std::vector<double> amounts;
    for (const auto& [food, most] : richest) {
        amounts.push_back(most);
    }
    std::sort(amounts.begin(), amounts.end(), std::greater<>());
    amounts.resize(std::min(amounts.size(), static_cast<std::size_t>(problem.maxFoods)));
    double total = valueOf(problem.before, nutrient);
    for (const double amount : amounts) {
        total += amount;
    }
    std::map<std::pair<int, std::size_t>, double> entryMost;
    for (const ChangeOption& option : problem.changes) {
        double& most = entryMost[{option.meal, option.entry}];
        most = std::max(most, option.nutrients[slot]);
    }
    for (const auto& [entry, most] : entryMost) {
        total += most;
    }
    return total;
}

// The least the nutrient can fall to with every entry at the amount that carries least of it.
double leastReachable(const BalanceProblem& problem, int nutrient)
{
    std::map<std::pair<int, std::size_t>, double> entryLeast;
    for (const ChangeOption& option : problem.changes) {
        double& least = entryLeast[{option.meal, option.entry}];
        least = std::min(least, option.nutrients[static_cast<std::size_t>(nutrient)]);
    }
    double total = valueOf(problem.before, nutrient);
    for (const auto& [entry, least] : entryLeast) {
        total += least;
    }
    return total;
}

bool anyOptionRaises(const BalanceProblem& problem, int nutrient)
{
    const auto slot = static_cast<std::size_t>(nutrient);
    return std::any_of(problem.additions.begin(), problem.additions.end(),
                       [slot](const AdditionOption& option) { return option.nutrients[slot] > 0.0f; }) ||
           std::any_of(problem.changes.begin(), problem.changes.end(),
                       [slot](const ChangeOption& option) { return option.nutrients[slot] > 0.0; });
}

BalanceReason aboveReason(const BalanceProblem& problem, const BalanceGoal& goal, bool changeAmounts)
{
    if (valueOf(problem.before, goal.nutrient) < goal.to) {
        return BalanceReason::kRaisedByPlan;
    }
    if (!changeAmounts) {
        return BalanceReason::kAboveFixedAmounts;
    }
    return leastReachable(problem, goal.nutrient) >= goal.to ? BalanceReason::kAboveAtHalfAmounts
                                                             : BalanceReason::kAboveTradeOff;
}

BalanceReason belowReason(const BalanceProblem& problem, const BalanceGoal& goal, bool changeAmounts)
{
    if (problem.maxFoods == 0 && !changeAmounts) {
        return BalanceReason::kBelowNoFoodsAllowed;
    }
    if (!anyOptionRaises(problem, goal.nutrient)) {
        return BalanceReason::kBelowNoCandidate;
    }
    return mostReachable(problem, goal.nutrient) < goal.from ? BalanceReason::kBelowOutOfReach
                                                             : BalanceReason::kBelowTradeOff;
}

std::vector<BalanceOutOfRange> outOfRangeGoals(const BalanceProblem& problem, const NutrientVector& after,
                                               bool changeAmounts)
{
    std::vector<BalanceOutOfRange> goals;
    for (const BalanceGoal& goal : problem.goals) {
        const float value = after[static_cast<std::size_t>(goal.nutrient)];
        const IntakeLevel level = intakeLevel(value, goal.from, goal.to);
        if (level == IntakeLevel::kIn) {
            continue;
        }
        const BalanceReason reason = level == IntakeLevel::kBelow ? belowReason(problem, goal, changeAmounts)
                                                                  : aboveReason(problem, goal, changeAmounts);
        goals.push_back({goal.nutrient, value, goal.from, goal.to, reason});
    }
    return goals;
}

// Solves the problem and keeps the plan when it improves the day.
void solve(const BalanceProblem& problem, const DayMeals& meals, const FoodOperations& foods,
           const BalanceOptions& options, const std::atomic<bool>* stop, BalanceResult& result)
{
    result.outcome = BalanceOutcome::kNoImprovement;
    result.optimal = true;
    if (problem.additions.empty() && problem.changes.empty()) {
        return;
    }
    const BalanceSolution solution = solveBalanceProblem(problem, {options.seconds, stop});
    result.seconds = solution.seconds;
    result.optimal = solution.optimal;
    BalancePlan plan = planOf(problem, solution.selection);
    if (plan.empty()) {
        return;
    }
    const NutrientVector after = computeTotals(balancedMeals(meals, plan), foods).day();
    const double objective = balanceObjective(problem, after);
    if (objective < result.objectiveBefore - kImprovementTolerance) {
        result.outcome = BalanceOutcome::kPlanned;
        result.plan = std::move(plan);
        result.after = after;
        result.objective = objective;
    }
}

} // namespace

int goalsInRange(const std::vector<BalanceGoal>& goals, const NutrientVector& totals)
{
    return static_cast<int>(std::count_if(goals.begin(), goals.end(), [&](const BalanceGoal& goal) {
        return intakeLevel(totals[static_cast<std::size_t>(goal.nutrient)], goal.from, goal.to) == IntakeLevel::kIn;
    }));
}

BalanceResult balanceDay(const DayMeals& meals, const FoodOperations& foods, const CFoodAttributeDatabase& attributes,
                         const std::optional<IntakePreferences>& preferences, const BalanceOptions& options,
                         const std::atomic<bool>* stop)
{
    BalanceResult result;
    if (!preferences) {
        result.before = result.after = computeTotals(meals, foods).day();
        return result;
    }
    const BalanceProblem problem = makeBalanceProblem(meals, foods, attributes, *preferences, options);
    result.before = result.after = problem.before;
    result.goalCount = static_cast<int>(problem.goals.size());
    if (problem.goals.empty()) {
        return result;
    }
    result.objectiveBefore = result.objective = balanceObjective(problem, problem.before);
    result.inRangeBefore = goalsInRange(problem.goals, problem.before);
    if (everyGoalMet(problem)) {
        result.outcome = BalanceOutcome::kAllInRange;
        result.optimal = true;
        result.inRangeAfter = result.inRangeBefore;
        return result;
    }
    solve(problem, meals, foods, options, stop, result);
    result.inRangeAfter = goalsInRange(problem.goals, result.after);
    result.outOfRange = outOfRangeGoals(problem, result.after, options.changeAmounts);
    return result;
}

} // namespace mw
