#include "calc/balance_solver.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <map>
#include <utility>

namespace mw {
namespace {

using Clock = std::chrono::steady_clock;

// How many foods the incumbent is sought among, besides two per food the plan may add.
constexpr std::size_t kIncumbentFoods = 16;
// The incumbent's search may take at most this share of the time, so the whole program gets the rest.
constexpr double kIncumbentShare = 0.5;
// An option is dropped only when its bound passes the incumbent by more than the solver's rounding.
constexpr double kBoundTolerance = 1e-7;

// A problem with some of its options, and where each came from.
struct Restriction
{
    BalanceProblem problem;
    std::vector<std::size_t> additions;
    std::vector<std::size_t> changes;
};

template <typename KeepAddition, typename KeepChange>
Restriction restrict(const BalanceProblem& problem, KeepAddition keepAddition, KeepChange keepChange)
{
    Restriction restriction{problem, {}, {}};
    restriction.problem.additions.clear();
    restriction.problem.changes.clear();
    for (std::size_t a = 0; a < problem.additions.size(); ++a) {
        if (keepAddition(a)) {
            restriction.problem.additions.push_back(problem.additions[a]);
            restriction.additions.push_back(a);
        }
    }
    for (std::size_t c = 0; c < problem.changes.size(); ++c) {
        if (keepChange(c)) {
            restriction.problem.changes.push_back(problem.changes[c]);
            restriction.changes.push_back(c);
        }
    }
    return restriction;
}

class TimeBudget
{
public:
    explicit TimeBudget(const MipLimits& limits) : m_limits(limits), m_start(Clock::now()) {}

    double elapsed() const { return std::chrono::duration<double>(Clock::now() - m_start).count(); }
    bool spent() const { return elapsed() >= m_limits.seconds || (m_limits.stop != nullptr && m_limits.stop->load()); }
    // What is left, or at most the share of the whole time.
    MipLimits remaining(double share = 1.0, bool preferEarlySolutions = false) const
    {
        return {std::max(0.001, std::min(m_limits.seconds * share, m_limits.seconds - elapsed())), m_limits.stop,
                preferEarlySolutions};
    }

private:
    MipLimits m_limits;
    Clock::time_point m_start;
};

struct Solved
{
    BalanceSelection selection;
    bool found = false;
    bool optimal = false;
};

Solved solveRestriction(const Restriction& restriction, const MipLimits& limits)
{
    const BalanceModel model = buildBalanceModel(restriction.problem);
    const MipSolution solution = solveMixedIntegerProgram(model.program, limits);
    Solved solved;
    solved.found = solution.status != MipStatus::kNoSolution;
    solved.optimal = solution.status == MipStatus::kOptimal;
    const BalanceSelection local = selectionFromSolution(model, solution.values);
    for (const std::size_t a : local.additions) {
        solved.selection.additions.push_back(restriction.additions[a]);
    }
    for (const std::size_t c : local.changes) {
        solved.selection.changes.push_back(restriction.changes[c]);
    }
    return solved;
}

// The foods the relaxation takes, most first, then those whose cheapest portion costs least to bring in.
std::vector<char> promisingFoods(const BalanceProblem& problem, const BalanceModel& model, const LpSolution& relaxed)
{
    std::map<FoodId, std::pair<double, double>> scores; // food -> (amount taken, least reduced cost)
    for (std::size_t a = 0; a < problem.additions.size(); ++a) {
        const auto column = static_cast<std::size_t>(model.additionColumns[a]);
        auto& [taken, cost] =
            scores.try_emplace(problem.additions[a].food, 0.0, relaxed.reducedCosts[column]).first->second;
        taken += relaxed.values[column];
        cost = std::min(cost, relaxed.reducedCosts[column]);
    }
    std::vector<std::pair<std::pair<double, double>, FoodId>> ranked;
    for (const auto& [food, score] : scores) {
        ranked.push_back({{-score.first, score.second}, food});
    }
    const std::size_t count = std::min(ranked.size(), kIncumbentFoods + 2 * static_cast<std::size_t>(problem.maxFoods));
    std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(count), ranked.end());
    std::vector<char> chosen(kLastUsableFoodId + 1, 0);
    for (std::size_t i = 0; i < count; ++i) {
        chosen[ranked[i].second] = 1;
    }
    return chosen;
}

// Whether an option may be part of a plan better than the incumbent.
bool mayImprove(const LpSolution& relaxed, int column, double incumbent)
{
    const double bound = relaxed.objective + relaxed.reducedCosts[static_cast<std::size_t>(column)];
    return bound < incumbent + kBoundTolerance * std::max(1.0, std::abs(incumbent));
}

std::vector<char> marked(std::size_t size, const std::vector<std::size_t>& positions)
{
    std::vector<char> marks(size, 0);
    for (const std::size_t i : positions) {
        marks[i] = 1;
    }
    return marks;
}

} // namespace

BalanceSolution solveBalanceProblem(const BalanceProblem& problem, const MipLimits& limits)
{
    const TimeBudget budget(limits);
    BalanceSolution result;
    if (problem.additions.empty() && problem.changes.empty()) {
        result.optimal = true;
        return result;
    }
    const BalanceModel model = buildBalanceModel(problem);
    const LpSolution relaxed = solveLinearRelaxation(model.program);
    if (!relaxed.optimal) {
        // Not expected for a program that always has the empty plan; the whole program then goes as it is.
        const auto all = [](std::size_t) { return true; };
        const Solved solved = solveRestriction(restrict(problem, all, all), budget.remaining());
        result.selection = solved.selection;
        result.optimal = solved.optimal;
        result.seconds = budget.elapsed();
        return result;
    }

    const std::vector<char> foods = promisingFoods(problem, model, relaxed);
    const Solved first =
        solveRestriction(restrict(
                             problem, [&](std::size_t a) { return foods[problem.additions[a].food] != 0; },
                             [](std::size_t) { return true; }),
                         budget.remaining(kIncumbentShare, true));
    result.selection = first.selection;
    const double incumbent = selectionObjective(problem, result.selection);
    if (budget.spent()) {
        result.seconds = budget.elapsed();
        return result;
    }

    const std::vector<char> inAdditions = marked(problem.additions.size(), result.selection.additions);
    const std::vector<char> inChanges = marked(problem.changes.size(), result.selection.changes);
    const Solved reduced = solveRestriction(
        restrict(
            problem,
            [&](std::size_t a) { return inAdditions[a] || mayImprove(relaxed, model.additionColumns[a], incumbent); },
            [&](std::size_t c) { return inChanges[c] || mayImprove(relaxed, model.changeColumns[c], incumbent); }),
        budget.remaining());
    if (reduced.found && selectionObjective(problem, reduced.selection) <= incumbent) {
        result.selection = reduced.selection;
    }
    result.optimal = reduced.optimal;
    result.seconds = budget.elapsed();
    return result;
}

} // namespace mw
