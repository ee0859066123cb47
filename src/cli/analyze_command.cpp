#include "commands.h"
#include "dated_day.h"
#include "json_writer.h"
#include "summarized_days.h"

#include "calc/analysis.h"
#include "calc/days_summary.h"
#include "calc/requirements.h"
#include "format/day_file.h"
#include "format/ini_file.h"
#include "model/catalogue.h"
#include "model/day_document.h"
#include "model/number_text.h"
#include "model/settings_keys.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <optional>
#include <string>

namespace mw::cli {
namespace {

std::string_view shortMealTitle(int meal)
{
    static constexpr std::string_view kTitles[kMealCount] = {"Breakfast",       "Morning snack", "Lunch",
                                                             "Afternoon snack", "Dinner",        "Evening snack"};
    return kTitles[meal];
}

class AnalyzeCommand final : public Command
{
public:
    std::string_view name() const override { return "analyze"; }
    std::string_view summary() const override { return "print a day's nutrient analysis"; }
    std::string_view help() const override
    {
        return "Usage: mealwright-cli analyze FILE...|--date DATE|--last N|--from DATE --to DATE\n"
               "                             [--age A --weight LBS --activity L --sex S]\n\n"
               "Prints the totals of the six meals and of the day in FILE, the calories from protein,\n"
               "carbohydrate and fat, and the day's percent of its goal and intake level per nutrient.\n"
               "The goals come from the settings profile: the requirements of the stored caloric-need\n"
               "inputs, the stored intake preferences and \"Use PDA\" (measure against the preferred\n"
               "upper values instead of the requirements).\n\n"
               "With more than one FILE it prints each day's totals, their average (the arithmetic mean)\n"
               "and the average's percent of its goal; every file must be readable.\n\n"
               "  --date DATE    the diary's day of DATE (YYYY-MM-DD, today, yesterday or -N days ago)\n"
               "  --last N       the diary's recorded days among today and the N-1 days before it\n"
               "  --from DATE --to DATE\n"
               "                 the diary's recorded days from one date to the other, both included;\n"
               "                 either range is shown as several files are (dates without a file left out)\n"
               "  --age A, --weight LBS, --activity L, --sex S\n"
               "                 override the stored caloric-need inputs (see 'requirements --help');\n"
               "                 all four are needed when the profile holds none\n"
               "  --json         {\"goal\", \"requirements\": [28], \"meals\": [six {\"title\", \"totals\": [28],\n"
               "                 \"shares\"}], \"day\": {\"totals\", \"shares\", \"display\", \"percent\", "
               "\"level\"},\n"
               "                 \"fat_warning_level\"}; with more than one FILE {\"days\": [{\"file\",\n"
               "                 \"nutrients\": [28]}], \"average\": {\"days\", \"nutrients\": [28], \"percent_goal\": "
               "[28]}}\n";
    }
    std::vector<OptionRule> options() const override
    {
        return {{"--age", true}, {"--weight", true}, {"--activity", true}, {"--sex", true},
                kDateOption,     {"--last", true},   {"--from", true},     {"--to", true}};
    }

    int run(Context& context) override
    {
        if (const std::optional<DateRange> range = summaryRangeOptions(context, true)) {
            return runDays(context, diarySummary(context, *range), range);
        }
        if (context.args().positionals().size() > 1) {
            return runDays(context, summarizedDays(context), std::nullopt);
        }
        const DayArgument day = dayArgument(context);
        const Settings& profile = context.profile();
        const RequirementVector requirements = ComputeRequirements(caloricNeedInputs(context, profile));

        CFofDoc document(context.foods());
        loadDayArgument(day, document);
        const AnalysisGoals goals = analysisGoals(profile, requirements);
        const DayAnalysis analysis = analyzeDay(computeTotals(document.meals(), context.foods()), goals);
        if (context.json()) {
            printJson(context.out(), goals, analysis);
        } else {
            printText(context.out(), goals, analysis);
        }
        return 0;
    }

private:
    static int runDays(Context& context, const DaysSummary& summary, const std::optional<DateRange>& range)
    {
        const Settings& profile = context.profile();
        const AnalysisGoals goals = analysisGoals(profile, ComputeRequirements(caloricNeedInputs(context, profile)));
        if (range && summary.days.empty()) {
            context.err() << "mealwright-cli: " << noRecordedDayText(context, *range) << '\n';
            if (context.json()) {
                context.out() << "{\"days\": [], \"average\": null}\n";
            }
            return 0;
        }
        const GoalComparison comparison = compareWithGoals(summary.average, goals);
        if (range && !context.json()) {
            context.out() << summary.dayCount() << " of " << range->dayCount() << " days recorded, "
                          << isoDateText(range->first) << " to " << isoDateText(range->last) << '\n';
        }
        if (context.json()) {
            printDaysJson(context.out(), summary, comparison);
        } else {
            printDaysText(context.out(), goals, summary, comparison);
        }
        return 0;
    }

    static void printDaysJson(std::ostream& out, const DaysSummary& summary, const GoalComparison& comparison)
    {
        JsonWriter json(out);
        json.beginObject().key("days").beginArray();
        for (const SummaryDay& day : summary.days) {
            json.beginObject().key("file").value(day.path.string());
            json.key("nutrients").floatArray(day.totals.values());
            json.endObject();
        }
        json.endArray();
        json.key("average").beginObject();
        json.key("days").value(static_cast<long long>(summary.dayCount()));
        json.key("nutrients").beginArray();
        for (const double value : summary.average) {
            json.value(value);
        }
        json.endArray();
        json.key("percent_goal").beginArray();
        for (const std::optional<int>& percent : comparison.percent) {
            percent ? json.value(*percent) : json.null();
        }
        json.endArray();
        json.endObject().endObject();
        out << '\n';
    }

    // One row per nutrient, one column per day, then the average and its percent of the goal.
    static void printDaysText(std::ostream& out, const AnalysisGoals& goals, const DaysSummary& summary,
                              const GoalComparison& comparison)
    {
        out << "Goal: " << (goals.usePersonalGoal ? "personal intake preference" : "RDA") << '\n';
        out << averageTitle(summary.dayCount()) << "\n\n" << padded("Nutrient", 15);
        std::vector<std::size_t> widths;
        for (const SummaryDay& day : summary.days) {
            const std::string name = visibleText(summaryDayName(day));
            widths.push_back(std::max<std::size_t>(8, name.size() + 1));
            out << rightAligned(name, widths.back());
        }
        out << rightAligned("Average", 9) << rightAligned("% Goal", 8) << "  Unit\n";
        for (int j = 0; j < kNutrientCount; ++j) {
            const auto slot = static_cast<std::size_t>(j);
            out << padded(nutrientLongName(j), 15);
            for (std::size_t d = 0; d < summary.days.size(); ++d) {
                out << rightAligned(std::to_string(displayInteger(summary.days[d].totals[slot])), widths[d]);
            }
            const std::optional<int>& percent = comparison.percent[slot];
            out << rightAligned(std::to_string(displayInteger(static_cast<float>(summary.average[slot]))), 9)
                << rightAligned(percent ? std::to_string(*percent) + "%" : "", 8) << "  " << nutrientPanelUnit(j)
                << '\n';
        }
    }

    // The stored inputs with each given option in place of its value.
    static CaloricNeedInputs caloricNeedInputs(const Context& context, const Settings& profile)
    {
        const ParsedArguments& args = context.args();
        const std::optional<CaloricNeedInputs> stored = storedCaloricNeed(profile);
        const bool allGiven = args.has("--age") && args.has("--weight") && args.has("--activity") && args.has("--sex");
        if (!stored && !allGiven) {
            throw UsageError("the settings profile holds no caloric-need inputs; give --age, --weight, "
                             "--activity and --sex");
        }
        CaloricNeedInputs inputs = stored.value_or(CaloricNeedInputs{});
        inputs.age = static_cast<int>(args.integer("--age", INT_MIN, INT_MAX, inputs.age));
        inputs.idealWeight = static_cast<int>(args.integer("--weight", INT_MIN, INT_MAX, inputs.idealWeight));
        inputs.activity = static_cast<int>(args.integer("--activity", INT_MIN, INT_MAX, inputs.activity));
        inputs.sexCategory = static_cast<int>(args.integer("--sex", INT_MIN, INT_MAX, inputs.sexCategory));
        return inputs;
    }

    static void printShares(JsonWriter& json, const CalorieShares& shares)
    {
        json.key("shares").beginObject();
        json.key("protein").value(shares.protein);
        json.key("carbohydrate").value(shares.carbohydrate);
        json.key("fat").value(shares.fat);
        json.endObject();
    }

    static void printJson(std::ostream& out, const AnalysisGoals& goals, const DayAnalysis& analysis)
    {
        JsonWriter json(out);
        json.beginObject();
        json.key("goal").value(goals.usePersonalGoal ? "personal" : "rda");
        json.key("requirements").floatArray(goals.requirements.values());
        json.key("meals").beginArray();
        for (int m = 0; m < kMealCount; ++m) {
            json.beginObject();
            json.key("title").value(mealTitle(m));
            json.key("totals").floatArray(analysis.totals.meal(m).values());
            printShares(json, analysis.mealShares[static_cast<std::size_t>(m)]);
            json.endObject();
        }
        json.endArray();

        json.key("day").beginObject();
        json.key("totals").floatArray(analysis.totals.day().values());
        printShares(json, analysis.dayShares);
        json.key("display").beginArray();
        for (const int value : analysis.display) {
            json.value(value);
        }
        json.endArray();
        json.key("percent").beginArray();
        for (const std::optional<int>& percent : analysis.percent) {
            percent ? json.value(*percent) : json.null();
        }
        json.endArray();
        json.key("level").beginArray();
        for (const std::optional<IntakeLevel>& level : analysis.level) {
            level ? json.value(intakeLevelName(*level)) : json.null();
        }
        json.endArray();
        json.endObject();

        json.key("fat_warning_level").value(goals.fatWarningPercent);
        json.endObject();
        out << '\n';
    }

    static std::string padded(std::string_view text, std::size_t width)
    {
        std::string cell(text);
        cell.resize(std::max(width, cell.size() + 1), ' ');
        return cell;
    }

    // At least one blank before the text, so that a number wider than its column never runs into the one before.
    static std::string rightAligned(const std::string& text, std::size_t width)
    {
        return std::string(width > text.size() ? width - text.size() : 1, ' ') + text;
    }

    static std::string sharesText(const CalorieShares& shares, int warningPercent)
    {
        std::string text = "protein " + std::to_string(shares.protein) + " %, carbohydrate " +
                           std::to_string(shares.carbohydrate) + " %, fat " + std::to_string(shares.fat) + " %";
        if (fatWarning(shares.fat, warningPercent, FatWarningPlace::kReport)) {
            text += "  (more than " + std::to_string(warningPercent) + " % from fat)";
        }
        return text;
    }

    static void printText(std::ostream& out, const AnalysisGoals& goals, const DayAnalysis& analysis)
    {
        out << "Goal: " << (goals.usePersonalGoal ? "personal intake preference" : "RDA") << "\n\n";
        out << padded("Nutrient", 15) << rightAligned("Day", 8) << rightAligned("Goal", 8) << rightAligned("% Goal", 8)
            << "  " << padded("Level", 10) << "Unit\n";
        for (int j = 0; j < kNutrientCount; ++j) {
            const auto slot = static_cast<std::size_t>(j);
            const std::optional<int>& percent = analysis.percent[slot];
            const std::optional<IntakeLevel>& level = analysis.level[slot];
            out << padded(nutrientLongName(j), 15) << rightAligned(std::to_string(analysis.display[slot]), 8)
                << rightAligned(j == kWeight ? "" : formatFloat(goalOf(goals, j)), 8)
                << rightAligned(percent ? std::to_string(*percent) + "%" : "", 8) << "  "
                << padded(level ? intakeLevelName(*level) : "", 10) << nutrientPanelUnit(j) << '\n';
        }
        out << "\nCalories from protein, carbohydrate and fat:\n";
        for (int m = 0; m < kMealCount; ++m) {
            const NutrientVector& meal = analysis.totals.meal(m);
            out << padded(shortMealTitle(m), 16) << rightAligned(std::to_string(displayInteger(meal[kWeight])), 6)
                << " g " << rightAligned(std::to_string(displayInteger(meal[kCalories])), 6) << " kcal  "
                << sharesText(analysis.mealShares[static_cast<std::size_t>(m)], goals.fatWarningPercent) << '\n';
        }
        out << padded("Day", 16) << rightAligned(std::to_string(analysis.display[kWeight]), 6) << " g "
            << rightAligned(std::to_string(analysis.display[kCalories]), 6) << " kcal  "
            << sharesText(analysis.dayShares, goals.fatWarningPercent) << '\n';
    }
};

} // namespace

std::unique_ptr<Command> makeAnalyzeCommand()
{
    return std::make_unique<AnalyzeCommand>();
}

} // namespace mw::cli
