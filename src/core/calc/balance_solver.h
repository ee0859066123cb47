#pragma once

// Solves Balance the Day's program to its proven optimum. Most of a large food table cannot be part of a
// good plan, and the search is much faster without it, so the solve goes in three steps, each exact:
//   1. the relaxation (no integrality) bounds every plan from below, and its reduced costs bound every plan
//      that takes a given option: the relaxation's objective plus the option's reduced cost;
//   2. the program restricted to the foods the relaxation likes best gives a good plan, the incumbent;
//   3. options whose bound is not below the incumbent's objective cannot be in a better plan, so the whole
//      program less those options (the incumbent kept) has the same optimum; that program is solved.

#include "calc/balance_model.h"
#include "calc/mixed_integer_program.h"

namespace mw {

struct BalanceSolution
{
    BalanceSelection selection;
    bool optimal = false; // false: the best found within the time limit or before the stop
    double seconds = 0.0;
};

BalanceSolution solveBalanceProblem(const BalanceProblem& problem, const MipLimits& limits);

} // namespace mw
