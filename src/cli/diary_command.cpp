#include "commands.h"
#include "dated_day.h"
#include "json_writer.h"

#include "calc/analysis.h"
#include "calc/diary_summary.h"
#include "calc/requirements.h"
#include "model/settings_keys.h"

#include <string>

namespace mw::cli {
namespace {

// The goals the diary's percentages are taken of; without stored caloric-need inputs there is no RDA goal.
AnalysisGoals diaryGoals(Context& context)
{
    const Settings& profile = context.profile();
    const std::optional<CaloricNeedInputs> stored = storedCaloricNeed(profile);
    return analysisGoals(profile, stored ? ComputeRequirements(*stored) : RequirementVector{});
}

class DiaryCommand final : public Command
{
public:
    std::string_view name() const override { return "diary"; }
    std::string_view summary() const override { return "list the recorded days of the diary"; }
    std::string_view help() const override
    {
        return "Usage: mealwright-cli diary list [--from DATE] [--to DATE]\n\n"
               "Lists each date of the diary folder that has a day file, ascending, with its number of\n"
               "entries, its calories and their percent of the calorie goal, or why the file cannot be read.\n"
               "DATE is YYYY-MM-DD, today, yesterday or -N (N days ago); without --from and --to every\n"
               "recorded date is listed.\n\n"
               "  --json   {\"days\": [{\"date\", \"entries\", \"calories\", \"percent_goal\", \"error\"}]}; an\n"
               "           unreadable day has null figures and its error as text\n";
    }
    std::vector<OptionRule> options() const override { return {{"--from", true}, {"--to", true}}; }

    int run(Context& context) override
    {
        const std::vector<std::string>& words = context.args().positionals();
        if (words.empty() || words.front() != "list") {
            throw UsageError(words.empty() ? "missing the action: list" : "unknown action '" + words.front() + "'");
        }
        if (words.size() > 1) {
            throw UsageError("unexpected argument '" + words[1] + "'");
        }
        const DateRange range = dateRangeOptions(context);
        const std::vector<DiaryDayFigures> days =
            diaryDays(context.diary(), range, context.foods(), diaryGoals(context));
        if (days.empty()) {
            context.err() << "mealwright-cli: " << noRecordedDayText(context, range) << '\n';
        }
        context.json() ? printJson(context, days) : printText(context, days);
        return 0;
    }

private:
    static void printText(Context& context, const std::vector<DiaryDayFigures>& days)
    {
        for (const DiaryDayFigures& day : days) {
            context.out() << isoDateText(day.date) << "  ";
            if (!day.readable()) {
                context.out() << "cannot be read: " << describeDayFileError(*day.error) << '\n';
                continue;
            }
            context.out() << day.entries << (day.entries == 1 ? " entry, " : " entries, ")
                          << displayInteger(day.calories) << " kcal";
            if (day.percentGoal) {
                context.out() << ", " << *day.percentGoal << "% of the goal";
            }
            context.out() << '\n';
        }
    }

    static void printJson(Context& context, const std::vector<DiaryDayFigures>& days)
    {
        JsonWriter json(context.out());
        json.beginObject().key("days").beginArray();
        for (const DiaryDayFigures& day : days) {
            json.beginObject().key("date").value(isoDateText(day.date));
            if (day.readable()) {
                json.key("entries").value(static_cast<long long>(day.entries)).key("calories").value(day.calories);
                json.key("percent_goal");
                day.percentGoal ? json.value(*day.percentGoal) : json.null();
                json.key("error").null();
            } else {
                json.key("entries").null().key("calories").null().key("percent_goal").null();
                json.key("error").value(describeDayFileError(*day.error));
            }
            json.endObject();
        }
        json.endArray().endObject();
        context.out() << '\n';
    }
};

} // namespace

std::unique_ptr<Command> makeDiaryCommand()
{
    return std::make_unique<DiaryCommand>();
}

} // namespace mw::cli
