// Build-time generator: reads data/standard_foods.csv and writes the C++ source that holds the
// standard food table as constant data, so the program never parses the CSV at run time.
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "codegen_support.h"

namespace {

using codegen::cppStringLiteral;
using codegen::splitCsvLine;

constexpr int kFoodCount = 643;
constexpr int kNutrientWords = 27;
constexpr int kPyramidWords = 9;
// id, group, ndb, name, portion, serving_g, 27 nutrient words, 9 pyramid words
constexpr std::size_t kColumns = 6 + kNutrientWords + kPyramidWords;

unsigned long parseWord(const std::string& text, int line)
{
    unsigned long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value > 65535) {
        throw std::runtime_error("line " + std::to_string(line) + ": '" + text + "' is not a word 0..65535");
    }
    return value;
}

std::string joinWords(const std::vector<std::string>& fields, std::size_t first, std::size_t count, int line)
{
    std::string out;
    for (std::size_t i = first; i < first + count; ++i) {
        out += (i == first ? "" : ", ") + std::to_string(parseWord(fields[i], line));
    }
    return out;
}

std::string generate(std::istream& csv)
{
    std::ostringstream out;
    out << "// Generated from data/standard_foods.csv by tools/food_table_codegen. Do not edit.\n"
        << "#include \"model/standard_food_data.h\"\n\nnamespace mw {\n\n"
        << "const std::array<StandardFoodRow, kStandardFoodCount> kStandardFoodRows = {{\n";
    std::string line;
    std::getline(csv, line); // header
    int lineNumber = 1;
    int expectedId = 0;
    while (std::getline(csv, line)) {
        ++lineNumber;
        if (line.empty() || line == "\r") {
            continue;
        }
        const std::vector<std::string> f = splitCsvLine(line);
        if (f.size() != kColumns) {
            throw std::runtime_error("line " + std::to_string(lineNumber) + ": expected " + std::to_string(kColumns) +
                                     " columns");
        }
        if (parseWord(f[0], lineNumber) != static_cast<unsigned long>(expectedId)) {
            throw std::runtime_error("line " + std::to_string(lineNumber) + ": ids must run 0..642 in order");
        }
        const unsigned long serving = parseWord(f[5], lineNumber);
        if (serving == 0) {
            throw std::runtime_error("line " + std::to_string(lineNumber) + ": serving weight is 0");
        }
        const std::string item = f[0] + ";" + f[3] + " [" + f[4] + "]";
        out << "    {" << cppStringLiteral(item) << ", {" << serving << ", "
            << joinWords(f, 6, kNutrientWords, lineNumber) << "}, {"
            << joinWords(f, 6 + kNutrientWords, kPyramidWords, lineNumber) << "}, " << parseWord(f[1], lineNumber)
            << "},\n";
        ++expectedId;
    }
    if (expectedId != kFoodCount) {
        throw std::runtime_error("expected " + std::to_string(kFoodCount) + " foods, found " +
                                 std::to_string(expectedId));
    }
    out << "}};\n\n} // namespace mw\n";
    return out.str();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: food_table_codegen standard_foods.csv output.cpp\n";
        return 1;
    }
    std::ifstream csv(argv[1], std::ios::binary);
    if (!csv) {
        std::cerr << argv[1] << ": cannot open\n";
        return 1;
    }
    try {
        const std::string source = generate(csv);
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out << source;
        if (!out.flush()) {
            std::cerr << argv[2] << ": cannot write\n";
            return 1;
        }
    } catch (const std::exception& e) {
        std::cerr << argv[1] << ": " << e.what() << '\n';
        return 1;
    }
    return 0;
}
