#pragma once

#include "command.h"

#include "calc/days_summary.h"

namespace mw::cli {

// The day files named on the command line, summed and averaged; the first one that cannot be read stops the
// command with its cause.
DaysSummary summarizedDays(Context& context);

} // namespace mw::cli
