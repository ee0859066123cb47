#pragma once

// Balance the Day as a mixed-integer program. One 0/1 column per way of adding a food and per way of
// changing an entry; per goal a shortfall and an excess column measured in widths of its range, so the
// objective is their sum plus the weighted calories added. Rows: each goal's range, at most one portion per
// food and one new amount per entry, at most K foods, and the pyramid limits.

#include "calc/balance_problem.h"
#include "calc/mixed_integer_program.h"

#include <cstddef>
#include <vector>

namespace mw {

struct BalanceAddition
{
    FoodId food = 0;
    int quarters = 0;
    Grams grams = 0;
    MealIndex meal = kBreakfast;
    friend bool operator==(const BalanceAddition&, const BalanceAddition&) = default;
};

struct BalanceChange
{
    MealIndex meal = kBreakfast;
    std::size_t entry = 0;
    FoodId food = 0;
    int quarters = 0;
    Grams before = 0;
    Grams after = 0;
    friend bool operator==(const BalanceChange&, const BalanceChange&) = default;
};

struct BalancePlan
{
    std::vector<BalanceAddition> additions;
    std::vector<BalanceChange> changes;
    bool empty() const { return additions.empty() && changes.empty(); }
};

// Which options a plan takes, by their positions in the problem's lists.
struct BalanceSelection
{
    std::vector<std::size_t> additions;
    std::vector<std::size_t> changes;
};

struct BalanceModel
{
    MixedIntegerProgram program;
    std::vector<int> additionColumns; // by addition option
    std::vector<int> changeColumns;   // by change option
};

BalanceModel buildBalanceModel(const BalanceProblem& problem);

// The options the solver's column values choose.
BalanceSelection selectionFromSolution(const BalanceModel& model, const std::vector<double>& values);

// The program's objective for the options: the goals' deviations, in widths of their ranges, of the day's
// totals plus the options' contributions, and the weighted calories they add. It is what the solver
// minimises, summed in double precision.
double selectionObjective(const BalanceProblem& problem, const BalanceSelection& selection);

// The plan of the options; additions in candidate order, changes in day order.
BalancePlan planOf(const BalanceProblem& problem, const BalanceSelection& selection);

// The day with the plan carried out: changed amounts first, then the additions at the end of their meal.
DayMeals balancedMeals(const DayMeals& meals, const BalancePlan& plan);

} // namespace mw
