#pragma once

#include "command.h"

#include "calc/days_summary.h"
#include "format/diary_folder.h"
#include "model/diary_date.h"

#include <optional>
#include <string>

namespace mw::cli {

// The option that names a diary day in place of a FILE.
inline const OptionRule kDateOption{"--date", true};

// A date option's value ("YYYY-MM-DD", "today", "yesterday", "-N"); a UsageError naming it otherwise.
DiaryDate dateOption(Context& context, const std::string& option);
std::optional<DiaryDate> optionalDateOption(Context& context, const std::string& option);

// The day a command works on: the FILE argument, or the diary's file of --date.
struct DayArgument
{
    std::string file;
    bool dated = false;
};
DayArgument dayArgument(Context& context);

// Reads the day; a dated day without a file is an empty day. FileError when the file cannot be read.
void loadDayArgument(const DayArgument& day, CFofDoc& document);
// Makes a dated day's folder before its first save; FileError naming the folder when it cannot be made.
void prepareToSave(Context& context, const DayArgument& day);

// --from and --to (each optional) as a range: the whole diary when both are absent; a UsageError when the
// first comes after the last.
DateRange dateRangeOptions(Context& context);

} // namespace mw::cli

namespace mw::cli {

// The diary range an analyze or export asks for: --last N (analyze only) or --from DATE --to DATE; none when
// the command names files or a date instead.
std::optional<DateRange> summaryRangeOptions(Context& context, bool lastAllowed);
// The recorded days of the range summed and averaged; FileError naming every day that cannot be read.
DaysSummary diarySummary(Context& context, const DateRange& range);
// "no day is recorded from 2026-12-01 to 2026-12-07 in FOLDER", for stderr.
std::string noRecordedDayText(Context& context, const DateRange& range);

} // namespace mw::cli
