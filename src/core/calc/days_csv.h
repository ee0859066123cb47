#pragma once

#include <string>

namespace mw {

struct DaysSummary;

// Several days as a spreadsheet table, in the form dayCsv writes: a header row (File and the 28 nutrients with
// their units), one row per day with its file name and totals, then the average row titled with the number
// of days it is taken over.
std::string daysSummaryCsv(const DaysSummary& summary);

} // namespace mw
