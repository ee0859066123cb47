#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace mw::test {

// A CSV file read whole: rows of fields by header name (RFC 4180 quoting).
class CsvTable
{
public:
    static CsvTable read(const std::filesystem::path& path);

    const std::vector<std::string>& header() const { return m_header; }
    std::size_t size() const { return m_rows.size(); }
    const std::string& at(std::size_t row, const std::string& column) const;

private:
    std::vector<std::string> m_header;
    std::map<std::string, std::size_t> m_columns;
    std::vector<std::vector<std::string>> m_rows;
};

std::vector<std::string> splitCsvLine(const std::string& line);

} // namespace mw::test
