#include "support/csv.h"

#include <fstream>
#include <stdexcept>

namespace mw::test {

std::vector<std::string> splitCsvLine(const std::string& line)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else if (c != '\r') {
            fields.back() += c;
        }
    }
    return fields;
}

CsvTable CsvTable::read(const std::filesystem::path& path)
{
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    CsvTable table;
    std::string line;
    std::getline(in, line);
    table.m_header = splitCsvLine(line);
    for (std::size_t i = 0; i < table.m_header.size(); ++i) {
        table.m_columns[table.m_header[i]] = i;
    }
    while (std::getline(in, line)) {
        if (!line.empty()) {
            table.m_rows.push_back(splitCsvLine(line));
        }
    }
    return table;
}

const std::string& CsvTable::at(std::size_t row, const std::string& column) const
{
    const auto it = m_columns.find(column);
    if (it == m_columns.end() || it->second >= m_rows.at(row).size()) {
        throw std::out_of_range("no column " + column);
    }
    return m_rows[row][it->second];
}

} // namespace mw::test
