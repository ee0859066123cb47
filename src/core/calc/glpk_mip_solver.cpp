// The only file that talks to GLPK: it copies a MixedIntegerProgram into a GLPK problem, runs the
// branch-and-cut search within the time limit and reads the columns back.

#include "calc/mixed_integer_program.h"

#include <glpk.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <memory>

namespace mw {
namespace {

struct ProblemDeleter
{
    void operator()(glp_prob* problem) const { glp_delete_prob(problem); }
};
using Problem = std::unique_ptr<glp_prob, ProblemDeleter>;

int boundType(double lower, double upper)
{
    const bool hasLower = std::isfinite(lower);
    const bool hasUpper = std::isfinite(upper);
    if (hasLower && hasUpper) {
        return lower == upper ? GLP_FX : GLP_DB;
    }
    if (hasLower) {
        return GLP_LO;
    }
    return hasUpper ? GLP_UP : GLP_FR;
}

double finiteOrZero(double bound)
{
    return std::isfinite(bound) ? bound : 0.0;
}

Problem copyProgram(const MixedIntegerProgram& program)
{
    Problem problem(glp_create_prob());
    glp_prob* p = problem.get();
    glp_set_obj_dir(p, GLP_MIN);
    const auto& rows = program.rows();
    if (!rows.empty()) {
        glp_add_rows(p, static_cast<int>(rows.size()));
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        glp_set_row_bnds(p, static_cast<int>(i) + 1, boundType(rows[i].lower, rows[i].upper),
                         finiteOrZero(rows[i].lower), finiteOrZero(rows[i].upper));
    }
    const auto& columns = program.columns();
    if (!columns.empty()) {
        glp_add_cols(p, static_cast<int>(columns.size()));
    }
    for (std::size_t j = 0; j < columns.size(); ++j) {
        const MipColumn& column = columns[j];
        const int index = static_cast<int>(j) + 1;
        // Setting the kind first: making a column binary resets its bounds.
        if (column.integer) {
            glp_set_col_kind(p, index, GLP_IV);
        }
        glp_set_col_bnds(p, index, boundType(column.lower, column.upper), finiteOrZero(column.lower),
                         finiteOrZero(column.upper));
        glp_set_obj_coef(p, index, column.cost);
    }
    // GLPK counts from 1 and ignores element 0 of each array.
    const auto& coefficients = program.coefficients();
    std::vector<int> rowIndex(coefficients.size() + 1);
    std::vector<int> columnIndex(coefficients.size() + 1);
    std::vector<double> values(coefficients.size() + 1);
    for (std::size_t k = 0; k < coefficients.size(); ++k) {
        rowIndex[k + 1] = coefficients[k].row + 1;
        columnIndex[k + 1] = coefficients[k].column + 1;
        values[k + 1] = coefficients[k].value;
    }
    glp_load_matrix(p, static_cast<int>(coefficients.size()), rowIndex.data(), columnIndex.data(), values.data());
    return problem;
}

void stopWhenAsked(glp_tree* tree, void* info)
{
    const auto* stop = static_cast<const std::atomic<bool>*>(info);
    if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
        glp_ios_terminate(tree);
    }
}

MipStatus statusOf(glp_prob* problem)
{
    switch (glp_mip_status(problem)) {
    case GLP_OPT:
        return MipStatus::kOptimal;
    case GLP_FEAS:
        return MipStatus::kFeasible;
    default:
        return MipStatus::kNoSolution;
    }
}

} // namespace

LpSolution solveLinearRelaxation(const MixedIntegerProgram& program)
{
    LpSolution solution;
    glp_term_out(GLP_OFF);
    {
        const Problem problem = copyProgram(program);
        glp_smcp parameters;
        glp_init_smcp(&parameters);
        parameters.msg_lev = GLP_MSG_OFF;
        if (glp_simplex(problem.get(), &parameters) == 0 && glp_get_status(problem.get()) == GLP_OPT) {
            solution.optimal = true;
            solution.objective = glp_get_obj_val(problem.get());
            const std::size_t count = program.columns().size();
            solution.values.resize(count);
            solution.reducedCosts.resize(count);
            for (std::size_t j = 0; j < count; ++j) {
                const int index = static_cast<int>(j) + 1;
                solution.values[j] = glp_get_col_prim(problem.get(), index);
                solution.reducedCosts[j] =
                    glp_get_col_stat(problem.get(), index) == GLP_BS ? 0.0 : glp_get_col_dual(problem.get(), index);
            }
        }
    }
    glp_free_env();
    return solution;
}

MipSolution solveMixedIntegerProgram(const MixedIntegerProgram& program, const MipLimits& limits)
{
    const auto start = std::chrono::steady_clock::now();
    MipSolution solution;
    if (limits.stop != nullptr && limits.stop->load()) {
        return solution;
    }
    glp_term_out(GLP_OFF);
    {
        const Problem problem = copyProgram(program);
        glp_iocp parameters;
        glp_init_iocp(&parameters);
        parameters.msg_lev = GLP_MSG_OFF;
        parameters.presolve = GLP_ON;
        parameters.br_tech = GLP_BR_PCH;
        parameters.bt_tech = limits.preferEarlySolutions ? GLP_BT_BPH : GLP_BT_BLB;
        parameters.tm_lim = static_cast<int>(std::clamp(limits.seconds * 1000.0, 1.0, 3.6e6));
        parameters.cb_func = stopWhenAsked;
        parameters.cb_info = const_cast<std::atomic<bool>*>(limits.stop);

        glp_intopt(problem.get(), &parameters);
        solution.status = statusOf(problem.get());
        if (solution.status != MipStatus::kNoSolution) {
            solution.objective = glp_mip_obj_val(problem.get());
            solution.values.resize(program.columns().size());
            for (std::size_t j = 0; j < solution.values.size(); ++j) {
                solution.values[j] = glp_mip_col_val(problem.get(), static_cast<int>(j) + 1);
            }
        }
    }
    // Each thread keeps its own GLPK environment; this one is no longer needed.
    glp_free_env();
    solution.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return solution;
}

} // namespace mw
