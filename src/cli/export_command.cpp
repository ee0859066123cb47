#include "command.h"
#include "dated_day.h"
#include "summarized_days.h"

#include "calc/days_csv.h"
#include "calc/days_summary.h"
#include "format/day_csv.h"
#include "model/day_document.h"

#include <string>

namespace mw::cli {
namespace {

class ExportCommand final : public Command
{
public:
    std::string_view name() const override { return "export"; }
    std::string_view summary() const override { return "write a day file as CSV"; }
    std::string_view help() const override
    {
        return "Usage: mealwright-cli export FILE...|--date DATE|--from DATE --to DATE -o OUT.csv\n\n"
               "Writes the day in FILE as CSV (RFC 4180, UTF-8): a header row, one row per meal entry with\n"
               "its meal, FoodId, food, grams, servings and the 28 nutrients (units in the header), then a\n"
               "total row for each meal and one for the day.\n\n"
               "With more than one FILE it writes one row per day (its file name and the day's 28 totals)\n"
               "and a last row with their average; every file must be readable.\n\n"
               "  --date DATE   the diary's day of DATE (YYYY-MM-DD, today, yesterday or -N days ago)\n"
               "  --from DATE --to DATE\n"
               "                the diary's recorded days in that range, as several files\n"
               "  -o OUT.csv   the file to write; - writes to standard output\n";
    }
    std::vector<OptionRule> options() const override
    {
        return {{"-o", true}, kDateOption, {"--from", true}, {"--to", true}};
    }

    int run(Context& context) override
    {
        const std::string output = outputOption(context.args());
        if (const std::optional<DateRange> range = summaryRangeOptions(context, false)) {
            const DaysSummary summary = diarySummary(context, *range);
            if (summary.days.empty()) {
                context.err() << "mealwright-cli: " << noRecordedDayText(context, *range) << '\n';
                return 0;
            }
            writeOutput(context, output, daysSummaryCsv(summary));
            return 0;
        }
        const std::string csv = context.args().positionals().size() > 1 ? daysCsv(context) : oneDayCsv(context);
        writeOutput(context, output, csv);
        return 0;
    }

private:
    static std::string oneDayCsv(Context& context)
    {
        CFofDoc document(context.foods());
        loadDayArgument(dayArgument(context), document);
        return dayCsv(document);
    }

    static std::string daysCsv(Context& context)
    {
        const DaysSummary summary = summarizedDays(context);
        return daysSummaryCsv(summary);
    }
};

} // namespace

std::unique_ptr<Command> makeExportCommand()
{
    return std::make_unique<ExportCommand>();
}

} // namespace mw::cli
