#pragma once

// Balance the Day: the few foods, in quarter-serving portions, and optionally the new amounts of the day's
// own foods, that bring the most nutrients into the user's ranges. The plan minimises, over the goals, the
// shortfall below From plus the excess above To, each in widths of its range, plus 0.0001 x the calories
// added / max(From of Calories, 1); it is solved exactly as a mixed-integer program within a time limit.

#include "calc/balance_model.h"
#include "calc/balance_problem.h"

#include <atomic>
#include <optional>
#include <vector>

namespace mw {

enum class BalanceOutcome
{
    kPlanned,       // a plan that improves the day
    kNoGoals,       // no preference table, or no nutrient whose To lies above its From
    kAllInRange,    // every goal is in range already
    kNoImprovement, // no plan the options allow improves the day
};

// Why a goal stays out of its range after the plan.
enum class BalanceReason
{
    kAboveFixedAmounts,   // above, and adding food cannot lower it
    kAboveAtHalfAmounts,  // above even with every food that carries it at half its amount
    kAboveTradeOff,       // lowering it further would take other goals further out
    kRaisedByPlan,        // the foods that bring the others in take it above
    kBelowNoFoodsAllowed, // below, and neither adding foods nor changing amounts is allowed
    kBelowNoCandidate,    // below, and none of the foods to choose from contains it
    kBelowOutOfReach,     // below even with the richest foods at their largest portions
    kBelowTradeOff,       // reaching it would take other goals further out or break the limits
};

struct BalanceOutOfRange
{
    int nutrient = kCalories;
    float value = 0.0f;
    float from = 0.0f;
    float to = 0.0f;
    BalanceReason reason = BalanceReason::kBelowTradeOff;
};

struct BalanceResult
{
    BalanceOutcome outcome = BalanceOutcome::kNoGoals;
    BalancePlan plan;
    NutrientVector before; // the day's totals
    NutrientVector after;  // the totals of the balanced day (the day's own when nothing is planned)
    int goalCount = 0;
    int inRangeBefore = 0; // goals coloured in range, before and after
    int inRangeAfter = 0;
    std::vector<BalanceOutOfRange> outOfRange; // the goals out of range after the plan, in nutrient order
    bool optimal = false;                      // false: the best plan found within the time limit
    double seconds = 0.0;
    double objective = 0.0;       // recomputed from the balanced day
    double objectiveBefore = 0.0; // the day's own
};

// Plans the day; without a preference table there are no goals. A stop set from another thread ends the
// search with the best plan found so far.
BalanceResult balanceDay(const DayMeals& meals, const FoodOperations& foods, const CFoodAttributeDatabase& attributes,
                         const std::optional<IntakePreferences>& preferences, const BalanceOptions& options,
                         const std::atomic<bool>* stop = nullptr);

// How many goals the totals hold in range, as the panel colours them.
int goalsInRange(const std::vector<BalanceGoal>& goals, const NutrientVector& totals);

} // namespace mw
