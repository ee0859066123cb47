#include "dated_day.h"

#include "calc/diary_summary.h"
#include "format/atomic_file.h"
#include "format/day_file.h"

#include <algorithm>

#include <filesystem>

namespace mw::cli {

std::optional<DiaryDate> optionalDateOption(Context& context, const std::string& option)
{
    const std::optional<std::string> text = context.args().value(option);
    if (!text) {
        return std::nullopt;
    }
    const std::optional<DiaryDate> date = parseDateWord(*text, context.today());
    if (!date) {
        throw UsageError(option + ": '" + *text +
                         "' is not a date from 1900-01-01 to 9999-12-31 (YYYY-MM-DD, today, yesterday or -N)");
    }
    return date;
}

DiaryDate dateOption(Context& context, const std::string& option)
{
    const std::optional<DiaryDate> date = optionalDateOption(context, option);
    if (!date) {
        throw UsageError("missing " + option);
    }
    return *date;
}

DayArgument dayArgument(Context& context)
{
    const std::optional<DiaryDate> date = optionalDateOption(context, kDateOption.name);
    if (!date) {
        return {context.args().singlePositional("day FILE (or --date DATE)"), false};
    }
    if (!context.args().positionals().empty()) {
        throw UsageError("give a day FILE or --date DATE, not both");
    }
    return {context.diary().dayFile(*date).string(), true};
}

void loadDayArgument(const DayArgument& day, CFofDoc& document)
{
    std::error_code error;
    if (day.dated && !std::filesystem::exists(std::filesystem::symlink_status(day.file, error))) {
        return; // a date nobody wrote yet is an empty day
    }
    loadDay(day.file, document);
}

void prepareToSave(Context& context, const DayArgument& day)
{
    if (!day.dated) {
        return;
    }
    const DiaryFolder diary = context.diary();
    if (const std::error_code error = diary.ensureExists()) {
        throw FileError("Cannot create the diary folder " + diary.path().string() + ": " + describeSaveError(error));
    }
}

DateRange dateRangeOptions(Context& context)
{
    const DateRange range{optionalDateOption(context, "--from").value_or(kFirstDiaryDate),
                          optionalDateOption(context, "--to").value_or(kLastDiaryDate)};
    if (range.first > range.last) {
        throw UsageError("--from " + isoDateText(range.first) + " comes after --to " + isoDateText(range.last));
    }
    return range;
}

} // namespace mw::cli

namespace mw::cli {

std::optional<DateRange> summaryRangeOptions(Context& context, bool lastAllowed)
{
    const ParsedArguments& args = context.args();
    const bool last = lastAllowed && args.has("--last");
    const bool fromTo = args.has("--from") || args.has("--to");
    if (!last && !fromTo) {
        return std::nullopt;
    }
    if ((last && fromTo) || !args.positionals().empty() || args.has(kDateOption.name)) {
        throw UsageError(lastAllowed ? "give day FILEs, --date DATE, --last N or --from DATE --to DATE, one of them"
                                     : "give day FILEs, --date DATE or --from DATE --to DATE, one of them");
    }
    if (last) {
        const DiaryDate today = context.today();
        const long long most = daysBetween(kFirstDiaryDate, today) + 1;
        return lastDays(today, static_cast<int>(args.requiredInteger("--last", 1, std::max(most, 1LL))));
    }
    const DiaryDate from = dateOption(context, "--from");
    const DiaryDate to = dateOption(context, "--to");
    if (from > to) {
        throw UsageError("--from " + isoDateText(from) + " comes after --to " + isoDateText(to));
    }
    return DateRange{from, to};
}

DaysSummary diarySummary(Context& context, const DateRange& range)
{
    DaysSummary summary = summarizeDiary(context.diary(), range, context.foods());
    if (!summary.unreadable.empty()) {
        std::string message;
        for (const UnreadableDay& day : summary.unreadable) {
            message += (message.empty() ? "" : "\nmealwright-cli: ") + day.path.string() + ": " +
                       describeDayFileError(day.result);
        }
        throw FileError(message);
    }
    return summary;
}

std::string noRecordedDayText(Context& context, const DateRange& range)
{
    return "no day is recorded from " + isoDateText(range.first) + " to " + isoDateText(range.last) + " in " +
           context.diary().path().string();
}

} // namespace mw::cli
