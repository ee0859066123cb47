#pragma once

// A mixed-integer linear program as plain data, and the one call that hands it to the solver. The program
// is built and read back here; only the solver's own file knows the solver's interface.

#include <atomic>
#include <limits>
#include <vector>

namespace mw {

inline constexpr double kUnbounded = std::numeric_limits<double>::infinity();

struct MipColumn
{
    double lower = 0.0;
    double upper = 1.0; // kUnbounded for none
    double cost = 0.0;  // its coefficient in the objective, which is minimised
    bool integer = true;
};

// lower <= sum of coefficient x column <= upper; either bound may be kUnbounded (negative for lower).
struct MipRow
{
    double lower = -kUnbounded;
    double upper = kUnbounded;
};

struct MipCoefficient
{
    int row = 0;
    int column = 0;
    double value = 0.0;
};

class MixedIntegerProgram
{
public:
    int addColumn(const MipColumn& column);
    int addRow(const MipRow& row);
    // Zero values are left out; a row and column pair is given at most once.
    void setCoefficient(int row, int column, double value);

    const std::vector<MipColumn>& columns() const { return m_columns; }
    const std::vector<MipRow>& rows() const { return m_rows; }
    const std::vector<MipCoefficient>& coefficients() const { return m_coefficients; }

private:
    std::vector<MipColumn> m_columns;
    std::vector<MipRow> m_rows;
    std::vector<MipCoefficient> m_coefficients;
};

struct MipLimits
{
    double seconds = 2.0;
    // Set from another thread to end the search early; the best solution found so far is kept.
    const std::atomic<bool>* stop = nullptr;
    // Search where good solutions are likely rather than where the bound is lowest: better plans sooner,
    // the proof later.
    bool preferEarlySolutions = false;
};

enum class MipStatus
{
    kOptimal,    // proven optimal
    kFeasible,   // the best found before the time limit or the stop
    kNoSolution, // stopped before any solution, or the program has none
};

struct MipSolution
{
    MipStatus status = MipStatus::kNoSolution;
    std::vector<double> values; // one per column; empty without a solution
    double objective = 0.0;
    double seconds = 0.0;
};

// The program without its integrality, solved to optimality: the column values and, per column, its
// reduced cost (0 for a basic column).
struct LpSolution
{
    bool optimal = false;
    double objective = 0.0;
    std::vector<double> values;
    std::vector<double> reducedCosts;
};

LpSolution solveLinearRelaxation(const MixedIntegerProgram& program);

MipSolution solveMixedIntegerProgram(const MixedIntegerProgram& program, const MipLimits& limits);

} // namespace mw
