#include "format/day_csv.h"

#include "model/catalogue.h"
#include "model/day_document.h"
#include "model/food_operations.h"
#include "model/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>
#include <vector>

namespace mw {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kLeadingColumns[] = {"Meal", "FoodId", "Food", "Grams", "Servings"};
constexpr std::string_view kTotalText = "Total";
// The panel's column label "Day" names the day's total row.
constexpr int kDayColumn = 3;

// Cells as the line holds them: text already through csvText, numbers as written.
using Row = std::vector<std::string>;
// Totals of the numbers the rows above show, summed in double precision and rounded to single precision once:
// a total is the sum a spreadsheet makes of its column ("345.21", not the "345.21002" of single-precision steps).
using ColumnTotals = std::array<double, NutrientVector::size()>;

void appendNutrients(Row& row, const NutrientVector& values)
{
    for (std::size_t n = 0; n < NutrientVector::size(); ++n) {
        row.push_back(csvNumber(values[n]));
    }
}

// As a NutrientVector adds: an element that is not greater than 0 counts as 0.
void addTo(ColumnTotals& totals, const NutrientVector& values)
{
    for (std::size_t n = 0; n < NutrientVector::size(); ++n) {
        if (values[n] > 0.0f) {
            totals[n] += parseDouble(csvNumber(values[n])).value_or(0.0);
        }
    }
}

void appendRow(std::string& csv, const Row& row)
{
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i != 0) {
            csv += ',';
        }
        csv += row[i];
    }
    csv += kLineEnd;
}

Row headerRow()
{
    Row row;
    for (const std::string_view column : kLeadingColumns) {
        row.push_back(csvText(column));
    }
    for (int n = 0; n < kNutrientCount; ++n) {
        row.push_back(csvText(std::string(nutrientLongName(n)) + " (" + std::string(nutrientPanelUnit(n)) + ")"));
    }
    return row;
}

Row entryRow(const CFofDoc& document, MealIndex meal, const CFood& entry)
{
    Row row{
        csvText(mealTitle(meal)),
        std::to_string(entry.foodId()),
        csvText(document.foods().displayName(entry.foodId())),
        std::to_string(entry.amount()),
        csvNumber(document.entryServings(entry)),
    };
    appendNutrients(row, document.entryNutrients(entry));
    return row;
}

Row totalRow(std::string_view title, const ColumnTotals& totals)
{
    Row row{csvText(title), std::string(), csvText(kTotalText), std::string(), std::string()};
    for (const double total : totals) {
        row.push_back(csvNumber(static_cast<float>(total)));
    }
    return row;
}

} // namespace

std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string csvText(std::string_view text)
{
    // A spreadsheet would take such a cell for a formula (a file named "=HYPERLINK(...)", say) and run it.
    const bool formulaLike = !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
    return csvField(formulaLike ? "'" + std::string(text) : std::string(text));
}

std::string csvNumber(float value)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return error == std::errc() ? std::string(buffer, end) : std::string("0");
}

std::string dayCsv(const CFofDoc& document)
{
    std::string csv;
    appendRow(csv, headerRow());
    std::array<ColumnTotals, kMealCount> mealTotals{};
    ColumnTotals dayTotals{};
    for (int m = 0; m < kMealCount; ++m) {
        const auto meal = static_cast<MealIndex>(m);
        for (const CFood& entry : document.meal(meal)) {
            appendRow(csv, entryRow(document, meal, entry));
            const NutrientVector nutrients = document.entryNutrients(entry);
            addTo(mealTotals[static_cast<std::size_t>(m)], nutrients);
            addTo(dayTotals, nutrients);
        }
    }
    for (int m = 0; m < kMealCount; ++m) {
        appendRow(csv, totalRow(mealTitle(static_cast<MealIndex>(m)), mealTotals[static_cast<std::size_t>(m)]));
    }
    appendRow(csv, totalRow(panelColumnLabel(kDayColumn), dayTotals));
    return csv;
}

} // namespace mw
