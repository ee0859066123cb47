#include "calc/mixed_integer_program.h"

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

} // namespace mw
