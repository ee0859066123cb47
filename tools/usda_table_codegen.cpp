// Build-time generator: reads the USDA SR24 extract in data/usda and writes the C++ source that holds it as
// constant data, so the program never parses it at run time. It also checks every standard food made from a
// USDA food against the core's conversion, so the table builder and the program cannot disagree.
#include "codegen_support.h"
#include "format/usda_conversion.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using codegen::cppStringLiteral;
using codegen::splitCsvLine;

constexpr std::size_t kFoodColumns = 3 + mw::kUsdaColumnCount;
// Standard rows whose words the documentation quotes; data/README.md says why they differ.
const std::set<int> kQuotedStandardRows = {0, 26, 642};

struct Food
{
    int ndb = 0;
    int group = 0;
    std::string name;
    mw::UsdaValues values{};
    int standardFood = -1;
};

struct Measure
{
    std::int32_t amount = 0;
    std::int32_t grams = 0;
    std::string text;
};

[[noreturn]] void fail(const std::string& where, const std::string& what)
{
    throw std::runtime_error(where + ": " + what);
}

int parseInt(const std::string& text, const std::string& where)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) {
        fail(where, "'" + text + "' is not a whole number");
    }
    return value;
}

// A decimal with at most three places as whole thousandths; empty text is missing.
std::int32_t parseThousandths(const std::string& text, const std::string& where)
{
    if (text.empty()) {
        return mw::kUsdaMissing;
    }
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    if (whole.empty() || fraction.size() > 3 || fraction.find_first_not_of("0123456789") != std::string::npos) {
        fail(where, "'" + text + "' is not a number with at most three decimals");
    }
    fraction.resize(3, '0');
    const long long value = static_cast<long long>(parseInt(whole, where)) * 1000 + parseInt(fraction, where);
    if (value < 0 || value > 2'000'000'000) {
        fail(where, "'" + text + "' is out of range");
    }
    return static_cast<std::int32_t>(value);
}

template <typename Row>
void readCsv(const std::string& path, std::size_t columns, Row row)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        fail(path, "cannot open");
    }
    std::string line;
    std::getline(in, line);
    for (int number = 2; std::getline(in, line); ++number) {
        if (line.empty() || line == "\r") {
            continue;
        }
        const std::vector<std::string> fields = splitCsvLine(line);
        const std::string where = path + ":" + std::to_string(number);
        if (fields.size() < columns) {
            fail(where, "expected " + std::to_string(columns) + " columns");
        }
        row(fields, where);
    }
}

std::vector<Food> readFoods(const std::string& path)
{
    std::vector<Food> foods;
    readCsv(path, kFoodColumns, [&](const std::vector<std::string>& f, const std::string& where) {
        Food food;
        food.ndb = parseInt(f[0], where);
        food.group = parseInt(f[1], where);
        food.name = f[2];
        if (f[0].size() != 5 || food.group != food.ndb / 1000 || food.name.empty() ||
            (!foods.empty() && foods.back().ndb >= food.ndb)) {
            fail(where, "NDB numbers must be 5 digits in rising order, the group their first two");
        }
        for (std::size_t column = 0; column < food.values.size(); ++column) {
            food.values[column] = parseThousandths(f[3 + column], where);
        }
        foods.push_back(std::move(food));
    });
    return foods;
}

std::map<int, std::vector<Measure>> readMeasures(const std::string& path)
{
    std::map<int, std::vector<Measure>> measures;
    readCsv(path, 4, [&](const std::vector<std::string>& f, const std::string& where) {
        Measure measure{parseThousandths(f[1], where), parseThousandths(f[3], where), f[2]};
        if (measure.amount <= 0 || measure.grams <= 0 || measure.text.empty()) {
            fail(where, "a measure needs an amount, a text and a weight");
        }
        measures[parseInt(f[0], where)].push_back(std::move(measure));
    });
    return measures;
}

// Every standard food whose words come from USDA must hold exactly the words the conversion gives.
void checkStandardTable(const std::string& path, std::vector<Food>& foods)
{
    std::map<int, Food*> byNdb;
    for (Food& food : foods) {
        byNdb[food.ndb] = &food;
    }
    readCsv(path, 6 + 27, [&](const std::vector<std::string>& f, const std::string& where) {
        const int id = parseInt(f[0], where);
        const auto found = byNdb.find(parseInt(f[2], where));
        if (found == byNdb.end()) {
            fail(where, "no USDA food " + f[2]);
        }
        Food& food = *found->second;
        if (food.standardFood < 0) {
            food.standardFood = id;
        }
        if (kQuotedStandardRows.count(id) != 0) {
            return;
        }
        for (int nutrient = 1; nutrient < mw::kNutrientCount; ++nutrient) {
            const std::optional<std::uint16_t> word = mw::usdaStandardWord(food.values, food.group, nutrient);
            const std::string& stored = f[5 + static_cast<std::size_t>(nutrient)];
            if (!word || std::to_string(*word) != stored) {
                fail(where, "nutrient " + std::to_string(nutrient) + " is " + stored + " but USDA " + f[2] +
                                " converts to " + (word ? std::to_string(*word) : "a value outside 0..65535") +
                                "; rebuild the table with tools/build_food_table.py");
            }
        }
    });
}

// Offsets into one text rather than pointers, so the loader relocates nothing and the data stays in
// read-only pages that are not touched until the USDA search is used.
class TextPool
{
public:
    std::pair<std::size_t, std::size_t> add(const std::string& text)
    {
        const std::size_t offset = m_size;
        m_size += text.size();
        m_literals << "    " << cppStringLiteral(text) << "\n";
        return {offset, text.size()};
    }
    std::string literals() const { return m_literals.str(); }

private:
    std::ostringstream m_literals;
    std::size_t m_size = 0;
};

std::string generate(const std::vector<Food>& foods, const std::map<int, std::vector<Measure>>& measures)
{
    TextPool text;
    std::ostringstream values;
    std::ostringstream rows;
    std::ostringstream measureRows;
    std::size_t measureCount = 0;
    for (const Food& food : foods) {
        const auto found = measures.find(food.ndb);
        const std::size_t count = found == measures.end() ? 0 : found->second.size();
        const auto [nameOffset, nameLength] = text.add(food.name);
        rows << "    {" << food.ndb << ", " << food.group << ", " << food.standardFood << ", " << measureCount << ", "
             << count << ", " << nameOffset << ", " << nameLength << "},\n";
        values << "    {";
        for (std::size_t column = 0; column < food.values.size(); ++column) {
            values << (column == 0 ? "" : ",") << food.values[column];
        }
        values << "},\n";
        for (std::size_t i = 0; i < count; ++i) {
            const Measure& measure = found->second[i];
            const auto [offset, length] = text.add(measure.text);
            measureRows << "    {" << measure.amount << ", " << measure.grams << ", " << offset << ", " << length
                        << "},\n";
        }
        measureCount += count;
    }
    std::ostringstream out;
    out << "// Generated from data/usda by tools/usda_table_codegen. Do not edit.\n"
        << "#include \"model/usda_food_data.h\"\n\nnamespace mw {\n\n"
        << "static_assert(kUsdaFoodCount == " << foods.size() << " && kUsdaMeasureCount == " << measureCount
        << ", \"the USDA extract changed: update the counts in usda_food_data.h\");\n\n"
        << "const std::array<UsdaFoodRecord, kUsdaFoodCount> kUsdaFoodRecords = {{\n"
        << rows.str() << "}};\n\n"
        << "const std::array<UsdaValues, kUsdaFoodCount> kUsdaValueRows = {{\n"
        << values.str() << "}};\n\n"
        << "const std::array<UsdaMeasureRecord, kUsdaMeasureCount> kUsdaMeasureRecords = {{\n"
        << measureRows.str() << "}};\n\n"
        << "const char kUsdaText[] =\n"
        << text.literals() << "    \"\";\n\n} // namespace mw\n";
    return out.str();
}

// For the table builder: "ndb,word1,...,word27" per food, or "ndb,refused,N" when nutrient N does not fit.
void printWords(const std::vector<Food>& foods)
{
    for (const Food& food : foods) {
        char ndb[8];
        std::snprintf(ndb, sizeof ndb, "%05d", food.ndb);
        std::cout << ndb;
        for (int nutrient = 1; nutrient < mw::kNutrientCount; ++nutrient) {
            const std::optional<std::uint16_t> word = mw::usdaStandardWord(food.values, food.group, nutrient);
            if (!word) {
                std::cout << ",refused," << nutrient;
                break;
            }
            std::cout << ',' << *word;
        }
        std::cout << '\n';
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--words") {
        try {
            printWords(readFoods(argv[2]));
            return std::cout.flush() ? 0 : 1;
        } catch (const std::exception& e) {
            std::cerr << e.what() << '\n';
            return 1;
        }
    }
    if (argc != 5) {
        std::cerr << "usage: usda_table_codegen usda-sr24-foods.csv usda-sr24-measures.csv standard_foods.csv "
                     "output.cpp\n       usda_table_codegen --words usda-sr24-foods.csv\n";
        return 1;
    }
    try {
        std::vector<Food> foods = readFoods(argv[1]);
        const std::map<int, std::vector<Measure>> measures = readMeasures(argv[2]);
        checkStandardTable(argv[3], foods);
        const std::string source = generate(foods, measures);
        std::ofstream out(argv[4], std::ios::binary | std::ios::trunc);
        out << source;
        if (!out.flush()) {
            std::cerr << argv[4] << ": cannot write\n";
            return 1;
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
