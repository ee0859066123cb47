#include "calc/mixed_integer_program.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace mw {

int MixedIntegerProgram::addColumn(const MipColumn& column)
{
    m_columns.push_back(column);
    return static_cast<int>(m_columns.size()) - 1;
}

int MixedIntegerProgram::addRow(const MipRow& row)
{
    m_rows.push_back(row);
    return static_cast<int>(m_rows.size()) - 1;
}

void MixedIntegerProgram::setCoefficient(int row, int column, double value)
{
    if (value != 0.0) {
        m_coefficients.push_back({row, column, value});
    }
}

double MixedIntegerProgram::objective(const std::vector<double>& values) const
{
    double sum = 0.0;
    for (std::size_t j = 0; j < m_columns.size() && j < values.size(); ++j) {
        sum += m_columns[j].cost * values[j];
    }
    return sum;
}

bool MixedIntegerProgram::feasible(const std::vector<double>& values, double tolerance) const
{
    if (values.size() != m_columns.size()) {
        return false;
    }
    for (std::size_t j = 0; j < m_columns.size(); ++j) {
        const MipColumn& column = m_columns[j];
        const double x = values[j];
        if (x < column.lower - tolerance || x > column.upper + tolerance ||
            (column.integer && std::abs(x - std::round(x)) > tolerance)) {
            return false;
        }
    }
    std::vector<double> activity(m_rows.size(), 0.0);
    for (const MipCoefficient& c : m_coefficients) {
        activity[static_cast<std::size_t>(c.row)] += c.value * values[static_cast<std::size_t>(c.column)];
    }
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const double scale = std::max(1.0, std::abs(activity[i]));
        if (activity[i] < m_rows[i].lower - tolerance * scale || activity[i] > m_rows[i].upper + tolerance * scale) {
            return false;
        }
    }
    return true;
}

} // namespace mw
