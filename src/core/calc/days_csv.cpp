#include "calc/days_csv.h"

#include "calc/days_summary.h"
#include "format/day_csv.h"
#include "model/catalogue.h"

namespace mw {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

template <typename Values>
void appendRow(std::string& csv, std::string_view title, const Values& values)
{
    csv += csvText(title);
    for (const auto value : values) {
        csv += ',';
        csv += csvNumber(static_cast<float>(value));
    }
    csv += kLineEnd;
}

} // namespace

std::string daysSummaryCsv(const DaysSummary& summary)
{
    std::string csv = "File";
    for (int n = 0; n < kNutrientCount; ++n) {
        csv += ',';
        csv += csvText(std::string(nutrientLongName(n)) + " (" + std::string(nutrientPanelUnit(n)) + ")");
    }
    csv += kLineEnd;
    for (const SummaryDay& day : summary.days) {
        appendRow(csv, summaryDayName(day), day.totals.values());
    }
    appendRow(csv, averageTitle(summary.dayCount()), summary.average);
    return csv;
}

} // namespace mw
