#pragma once

#include "command.h"

#include "calc/days_summary.h"

namespace mw::cli {

// The day files named on the command line, summed and averaged. Files that cannot be read are each named with
// their cause on the error stream, and then the command stops (FileError).
DaysSummary summarizedDays(Context& context);

} // namespace mw::cli
