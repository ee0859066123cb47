#include "calc/balance_model.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace mw {
namespace {

constexpr double kChosen = 0.5;

double widthOf(const BalanceGoal& goal)
{
    return static_cast<double>(goal.to) - static_cast<double>(goal.from);
}

// What one column or constant brings to the day.
struct Contribution
{
    NutrientChange nutrients{};
    PyramidChange pyramid{};
};

Contribution contributionOf(const AdditionOption& option)
{
    Contribution c;
    for (std::size_t i = 0; i < kNutrientCount; ++i) {
        c.nutrients[i] = option.nutrients[i];
    }
    for (std::size_t s = 0; s < kPyramidGroupCount; ++s) {
        c.pyramid[s] = option.pyramid[s];
    }
    return c;
}

Contribution contributionOf(const ChangeOption& option)
{
    return {option.nutrients, option.pyramid};
}

// The rows every program has, and each option's column in them.
class ModelBuilder
{
public:
    ModelBuilder(const BalanceProblem& problem, MixedIntegerProgram& program) : m_problem(problem), m_program(program)
    {
        // Per goal: a row whose activity is the plan's change of the nutrient in widths of the range plus the
        // shortfall minus the excess, kept within the range.
        for (const BalanceGoal& goal : problem.goals) {
            const auto j = static_cast<std::size_t>(goal.nutrient);
            const double value = problem.before[j];
            const double width = widthOf(goal);
            const int row = program.addRow({(goal.from - value) / width, (goal.to - value) / width});
            program.setCoefficient(row, program.addColumn({0.0, kUnbounded, 1.0, false}), 1.0);
            program.setCoefficient(row, program.addColumn({0.0, kUnbounded, 1.0, false}), -1.0);
            m_goalRows.push_back(row);
        }
        for (int slot = kPyramidMilk; slot < kPyramidGroupCount; ++slot) {
            const auto s = static_cast<std::size_t>(slot);
            const double room = problem.pyramidLimit[s] - problem.pyramidBefore[s];
            m_pyramidRows[s] = program.addRow({-kUnbounded, room});
        }
        m_foodCountRow = program.addRow({-kUnbounded, static_cast<double>(problem.maxFoods)});
    }

    int addColumn(const Contribution& c, bool countsAsFood)
    {
        const int column = m_program.addColumn({0.0, 1.0, m_problem.calorieWeight * c.nutrients[kCalories], true});
        for (std::size_t g = 0; g < m_problem.goals.size(); ++g) {
            const BalanceGoal& goal = m_problem.goals[g];
            m_program.setCoefficient(m_goalRows[g], column,
                                     c.nutrients[static_cast<std::size_t>(goal.nutrient)] / widthOf(goal));
        }
        for (int slot = kPyramidMilk; slot < kPyramidGroupCount; ++slot) {
            const auto s = static_cast<std::size_t>(slot);
            m_program.setCoefficient(m_pyramidRows[s], column, c.pyramid[s]);
        }
        if (countsAsFood) {
            m_program.setCoefficient(m_foodCountRow, column, 1.0);
        }
        return column;
    }

    // At most one of the columns first..last: one portion of a food, one new amount of an entry.
    void addChoiceRow(const std::vector<int>& columns, std::size_t first, std::size_t last)
    {
        const int row = m_program.addRow({-kUnbounded, 1.0});
        for (std::size_t i = first; i < last; ++i) {
            m_program.setCoefficient(row, columns[i], 1.0);
        }
    }

private:
    const BalanceProblem& m_problem;
    MixedIntegerProgram& m_program;
    std::vector<int> m_goalRows;
    std::array<int, kPyramidGroupCount> m_pyramidRows{};
    int m_foodCountRow = -1;
};

// The runs of options that exclude each other.
template <typename Options, typename SameGroup>
std::vector<std::pair<std::size_t, std::size_t>> groupsOf(const Options& options, SameGroup sameGroup)
{
    std::vector<std::pair<std::size_t, std::size_t>> groups;
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (i == 0 || !sameGroup(options[i - 1], options[i])) {
            groups.push_back({i, i});
        }
        groups.back().second = i + 1;
    }
    return groups;
}

std::vector<std::pair<std::size_t, std::size_t>> foodGroups(const BalanceProblem& problem)
{
    return groupsOf(problem.additions,
                    [](const AdditionOption& a, const AdditionOption& b) { return a.food == b.food; });
}

std::vector<std::pair<std::size_t, std::size_t>> entryGroups(const BalanceProblem& problem)
{
    return groupsOf(problem.changes, [](const ChangeOption& a, const ChangeOption& b) {
        return a.meal == b.meal && a.entry == b.entry;
    });
}

} // namespace

BalanceModel buildBalanceModel(const BalanceProblem& problem)
{
    BalanceModel model;
    ModelBuilder builder(problem, model.program);
    for (const AdditionOption& option : problem.additions) {
        model.additionColumns.push_back(builder.addColumn(contributionOf(option), true));
    }
    for (const ChangeOption& option : problem.changes) {
        model.changeColumns.push_back(builder.addColumn(contributionOf(option), false));
    }
    for (const auto& [first, last] : foodGroups(problem)) {
        builder.addChoiceRow(model.additionColumns, first, last);
    }
    for (const auto& [first, last] : entryGroups(problem)) {
        builder.addChoiceRow(model.changeColumns, first, last);
    }
    return model;
}

BalanceSelection selectionFromSolution(const BalanceModel& model, const std::vector<double>& values)
{
    BalanceSelection selection;
    const auto chosen = [&values](int column) {
        const auto c = static_cast<std::size_t>(column);
        return c < values.size() && values[c] > kChosen;
    };
    for (std::size_t a = 0; a < model.additionColumns.size(); ++a) {
        if (chosen(model.additionColumns[a])) {
            selection.additions.push_back(a);
        }
    }
    for (std::size_t c = 0; c < model.changeColumns.size(); ++c) {
        if (chosen(model.changeColumns[c])) {
            selection.changes.push_back(c);
        }
    }
    return selection;
}

double selectionObjective(const BalanceProblem& problem, const BalanceSelection& selection)
{
    NutrientChange totals{};
    for (std::size_t i = 0; i < kNutrientCount; ++i) {
        totals[i] = problem.before[i];
    }
    for (const std::size_t a : selection.additions) {
        for (std::size_t i = 0; i < kNutrientCount; ++i) {
            totals[i] += problem.additions[a].nutrients[i];
        }
    }
    for (const std::size_t c : selection.changes) {
        for (std::size_t i = 0; i < kNutrientCount; ++i) {
            totals[i] += problem.changes[c].nutrients[i];
        }
    }
    double objective = problem.calorieWeight * (totals[kCalories] - problem.before[kCalories]);
    for (const BalanceGoal& goal : problem.goals) {
        objective += goalDeviation(goal, totals[static_cast<std::size_t>(goal.nutrient)]);
    }
    return objective;
}

BalancePlan planOf(const BalanceProblem& problem, const BalanceSelection& selection)
{
    BalancePlan plan;
    for (const std::size_t a : selection.additions) {
        const AdditionOption& option = problem.additions[a];
        plan.additions.push_back({option.food, option.quarters, option.grams, problem.meal});
    }
    for (const std::size_t c : selection.changes) {
        const ChangeOption& option = problem.changes[c];
        plan.changes.push_back({option.meal, option.entry, option.food, option.quarters, option.before, option.after});
    }
    return plan;
}

DayMeals balancedMeals(const DayMeals& meals, const BalancePlan& plan)
{
    DayMeals result = meals;
    for (const BalanceChange& change : plan.changes) {
        result[static_cast<std::size_t>(change.meal)].setAmount(change.entry, change.after);
    }
    for (const BalanceAddition& addition : plan.additions) {
        result[static_cast<std::size_t>(addition.meal)].append(CFood(addition.food, addition.grams));
    }
    return result;
}

} // namespace mw
