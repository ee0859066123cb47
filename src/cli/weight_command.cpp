#include "commands.h"
#include "dated_day.h"
#include "json_writer.h"

#include "calc/diary_summary.h"
#include "calc/weight_trend.h"
#include "format/atomic_file.h"
#include "format/weight_log.h"
#include "model/number_text.h"

#include <cstdio>
#include <string>

namespace mw::cli {
namespace {

std::string weightProblem(const std::string& text, WeightInputError error)
{
    switch (error) {
    case WeightInputError::kNotANumber:
        return "the weight '" + text + "' is not a number";
    case WeightInputError::kNotAboveZero:
        return "the weight must be above 0, not " + text;
    case WeightInputError::kTooHeavy:
        return "the weight must be at most 1,500 lb (680 kg), not " + text;
    case WeightInputError::kNone:
        break;
    }
    return {};
}

std::string shownWeight(double pounds, bool kilograms)
{
    char text[32] = {};
    std::snprintf(text, sizeof text, "%.1f %s", kilograms ? pounds * 453.592 * 0.001 : pounds, kilograms ? "kg" : "lb");
    return text;
}

void warnOfUnreadLines(Context& context, const std::filesystem::path& path, const WeightLog& log)
{
    for (const UnreadWeightLine& line : log.unreadLines()) {
        context.err() << "mealwright-cli: warning: " << path.string() << ": cannot read "
                      << visibleText(unreadWeightLineText(line)) << " (kept as it is)\n";
    }
}

WeightLog readLog(Context& context, const std::filesystem::path& path)
{
    WeightLogRead read = readWeightLog(path);
    if (read.error) {
        throw FileError(path.string() + ": cannot read the weight log: " + read.error.message());
    }
    warnOfUnreadLines(context, path, read.log);
    return std::move(read.log);
}

WeightLog changeLog(Context& context, const std::filesystem::path& path, const std::function<bool(WeightLog&)>& change)
{
    WeightLog result;
    if (const std::error_code error = changeWeightLog(path, change, &result)) {
        throw FileError(cannotWriteText(path.string(), error));
    }
    warnOfUnreadLines(context, path, result);
    return result;
}

class WeightCommand final : public Command
{
public:
    std::string_view name() const override { return "weight"; }
    std::string_view summary() const override { return "log body weight and show its trend"; }
    std::string_view help() const override
    {
        return "Usage: mealwright-cli weight add [--date DATE] WEIGHT [--kg]\n"
               "       mealwright-cli weight remove --date DATE\n"
               "       mealwright-cli weight list [--from DATE] [--to DATE] [--kg]\n"
               "       mealwright-cli weight trend [--kg]\n\n"
               "Keeps the weight log, weight.csv of the diary folder (date,weight_lb; pounds with one decimal).\n"
               "add logs WEIGHT for DATE (default today), replacing the weight the date had; the weight is in\n"
               "pounds, or in kilograms with --kg, above 0 and at most 1,500 lb (680 kg); a future date is\n"
               "refused. remove deletes the date's weight. list shows the weigh-ins; trend shows every day\n"
               "from the first weigh-in to the last (missing days interpolated) with its trend, the rate a\n"
               "week over the last 28 days, the daily calorie balance (from 14 days of trend) and the\n"
               "calories that would keep the weight (from 14 recorded diary days in those 28 days).\n"
               "DATE is YYYY-MM-DD, today, yesterday or -N (N days ago).\n\n"
               "  --kg     weights typed and shown in kilograms\n"
               "  --json   add: {\"date\", \"weight_lb\", \"replaced_lb\"}; list: {\"weights\": [{\"date\",\n"
               "           \"weight_lb\"}]}; trend: {\"days\": [{\"date\", \"weight_lb\", \"measured\", "
               "\"trend_lb\"}],\n"
               "           \"rate_lb_per_week\", \"daily_balance_kcal\", \"maintenance\": {\"calories\", \"days\"}},\n"
               "           null where there is too little data\n";
    }
    std::vector<OptionRule> options() const override
    {
        return {kDateOption, {"--from", true}, {"--to", true}, {"--kg", false}};
    }

    int run(Context& context) override
    {
        const std::vector<std::string>& words = context.args().positionals();
        const std::string action = words.empty() ? std::string() : words.front();
        if (action == "add") {
            return add(context);
        }
        if (action == "remove" || action == "list" || action == "trend") {
            if (words.size() > 1) {
                throw UsageError("unexpected argument '" + words[1] + "'");
            }
            return action == "remove" ? remove(context) : action == "list" ? list(context) : trend(context);
        }
        throw UsageError(action.empty() ? "missing the action: add, remove, list or trend"
                                        : "unknown action '" + action + "'");
    }

private:
    static int add(Context& context)
    {
        const std::vector<std::string>& words = context.args().positionals();
        if (words.size() != 2) {
            throw UsageError(words.size() < 2 ? "missing the WEIGHT" : "unexpected argument '" + words[2] + "'");
        }
        const bool kilograms = context.args().has("--kg");
        const WeightInput weight = parseWeightInput(words[1], kilograms);
        if (weight.error != WeightInputError::kNone) {
            throw UsageError(weightProblem(words[1], weight.error));
        }
        const DiaryDate date = optionalDateOption(context, kDateOption.name).value_or(context.today());
        if (date > context.today()) {
            throw UsageError("no weight can be logged for a future date (" + isoDateText(date) + ")");
        }
        const std::filesystem::path path = context.diary().weightLogFile();
        std::optional<WeightTenths> replaced;
        changeLog(context, path, [&](WeightLog& log) {
            replaced = log.weightOn(date);
            log.set(date, weight.tenths);
            return true;
        });
        if (context.json()) {
            JsonWriter json(context.out());
            json.beginObject().key("date").value(isoDateText(date)).key("weight_lb").value(poundsOf(weight.tenths));
            json.key("replaced_lb");
            replaced ? json.value(poundsOf(*replaced)) : json.null();
            json.endObject();
            context.out() << '\n';
            return 0;
        }
        context.out() << isoDateText(date) << ": " << shownWeight(poundsOf(weight.tenths), kilograms);
        if (replaced) {
            context.out() << " (was " << shownWeight(poundsOf(*replaced), kilograms) << ")";
        }
        context.out() << '\n';
        return 0;
    }

    static int remove(Context& context)
    {
        const DiaryDate date = dateOption(context, kDateOption.name);
        const std::filesystem::path path = context.diary().weightLogFile();
        bool removed = false;
        changeLog(context, path, [&](WeightLog& log) { return removed = log.remove(date); });
        if (!removed) {
            throw UsageError("no weight is logged for " + isoDateText(date));
        }
        return 0;
    }

    static int list(Context& context)
    {
        const DateRange range = dateRangeOptions(context);
        const bool kilograms = context.args().has("--kg");
        const WeightLog log = readLog(context, context.diary().weightLogFile());
        JsonWriter json(context.out());
        if (context.json()) {
            json.beginObject().key("weights").beginArray();
        }
        for (const WeightEntry& entry : log.entries()) {
            if (!range.contains(entry.date)) {
                continue;
            }
            if (context.json()) {
                json.beginObject().key("date").value(isoDateText(entry.date));
                json.key("weight_lb").value(entry.pounds()).endObject();
            } else {
                context.out() << isoDateText(entry.date) << "  " << shownWeight(entry.pounds(), kilograms) << '\n';
            }
        }
        if (context.json()) {
            json.endArray().endObject();
            context.out() << '\n';
        }
        return 0;
    }

    static int trend(Context& context)
    {
        const DiaryFolder diary = context.diary();
        const WeightLog log = readLog(context, diary.weightLogFile());
        const WeightOutlook outlook = weightOutlook(log, diary, context.foods());
        context.json() ? printTrendJson(context, outlook) : printTrendText(context, outlook);
        return 0;
    }

    static void printTrendJson(Context& context, const WeightOutlook& outlook)
    {
        JsonWriter json(context.out());
        json.beginObject().key("days").beginArray();
        for (const WeightTrendDay& day : outlook.trend.days) {
            json.beginObject().key("date").value(isoDateText(day.date)).key("weight_lb").value(day.weight);
            json.key("measured").value(day.measured).key("trend_lb").value(day.trend).endObject();
        }
        json.endArray();
        const std::optional<double> rate = outlook.trend.ratePerWeek();
        json.key("rate_lb_per_week");
        rate ? json.value(*rate) : json.null();
        json.key("daily_balance_kcal");
        outlook.trend.dailyBalance ? json.value(*outlook.trend.dailyBalance) : json.null();
        json.key("maintenance");
        if (outlook.maintenance) {
            json.beginObject().key("calories").value(outlook.maintenance->calories);
            json.key("days").value(outlook.maintenance->days).endObject();
        } else {
            json.null();
        }
        json.endObject();
        context.out() << '\n';
    }

    static void printTrendText(Context& context, const WeightOutlook& outlook)
    {
        const bool kilograms = context.args().has("--kg");
        for (const WeightTrendDay& day : outlook.trend.days) {
            context.out() << isoDateText(day.date) << "  " << shownWeight(day.weight, kilograms)
                          << (day.measured ? "  " : "* ") << " trend " << shownWeight(day.trend, kilograms) << '\n';
        }
        if (!outlook.trend.days.empty()) {
            context.out() << "(* interpolated between weigh-ins)\n\n";
        }
        context.out() << rateSentence(outlook.trend, kilograms) << '\n';
        if (!outlook.trend.days.empty()) {
            context.out() << balanceSentence(outlook.trend) << '\n'
                          << maintenanceSentence(outlook.trend, outlook.maintenance, outlook.recordedDays) << '\n';
        }
    }
};

} // namespace

std::unique_ptr<Command> makeWeightCommand()
{
    return std::make_unique<WeightCommand>();
}

} // namespace mw::cli
