#include "commands.h"
#include "json_writer.h"

#include "calc/analysis.h"
#include "calc/balance_day.h"
#include "calc/balance_day_edit.h"
#include "calc/balance_texts.h"
#include "format/day_file.h"
#include "format/file_lock.h"
#include "model/catalogue.h"

#include <charconv>
#include <cmath>
#include <iomanip>
#include <sstream>
#include <string>

namespace mw::cli {
namespace {

constexpr double kMaxSeconds = 3600.0;

double secondsOption(const ParsedArguments& args)
{
    const std::optional<std::string> text = args.value("--seconds");
    if (!text) {
        return kDefaultBalanceSeconds;
    }
    double seconds = 0.0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), seconds);
    if (error != std::errc() || end != text->data() + text->size() || !std::isfinite(seconds) || seconds <= 0.0 ||
        seconds > kMaxSeconds) {
        throw UsageError("--seconds must be a positive number of seconds (at most 3600), not '" + *text + "'");
    }
    return seconds;
}

BalanceOptions balanceOptions(const ParsedArguments& args)
{
    BalanceOptions options;
    options.maxFoods = static_cast<int>(args.integer("--add", 0, kMaxBalanceFoods, kDefaultBalanceFoods));
    options.meal = static_cast<MealIndex>(args.integer("--meal", 0, kMealCount - 1, kBreakfast));
    if (args.has("--list") && args.has("--personal")) {
        throw UsageError("--list and --personal exclude each other");
    }
    if (args.has("--list")) {
        options.source = BalanceFoodSource::kFoodList;
        options.foodList = static_cast<int>(args.integer("--list", 1, kNamedFoodListCount, 1));
    } else if (args.has("--personal")) {
        options.source = BalanceFoodSource::kPersonal;
    }
    options.changeAmounts = args.has("--adjust");
    options.seconds = secondsOption(args);
    return options;
}

std::string_view mealName(int meal)
{
    static constexpr std::string_view kNames[kMealCount] = {"Breakfast",       "Morning snack", "Lunch",
                                                            "Afternoon snack", "Dinner",        "Evening snack"};
    return kNames[meal];
}

std::string secondsText(double seconds)
{
    std::ostringstream text;
    text << std::fixed << std::setprecision(2) << seconds;
    return text.str();
}

// The time limit as the user gave it: "2", "0.5".
std::string limitText(double seconds)
{
    std::ostringstream text;
    text << seconds;
    return text.str();
}

void printText(std::ostream& out, const BalanceResult& result, const BalanceOptions& options,
               const FoodOperations& foods)
{
    if (result.outcome == BalanceOutcome::kNoGoals || result.outcome == BalanceOutcome::kAllInRange) {
        out << balanceOutcomeText(result.outcome) << '\n';
        return;
    }
    if (result.outcome == BalanceOutcome::kNoImprovement) {
        out << balanceOutcomeText(result.outcome) << '\n';
    }
    for (const BalanceAddition& addition : result.plan.additions) {
        out << "Add " << quarterServingsText(addition.quarters) << " (" << addition.grams << " g) of "
            << visibleText(foods.displayName(addition.food)) << " to " << mealName(addition.meal) << '\n';
    }
    for (const BalanceChange& change : result.plan.changes) {
        out << "Change " << mealName(change.meal) << " entry " << change.entry << ", "
            << visibleText(foods.displayName(change.food)) << ": " << change.before << " g -> " << change.after
            << " g\n";
    }
    out << "In range: " << result.inRangeBefore << " -> " << result.inRangeAfter << " of " << result.goalCount << '\n';
    out << "Objective: " << result.objectiveBefore << " -> " << result.objective << " ("
        << (result.optimal ? "optimal" : "best found in " + limitText(options.seconds) + " s") << ", "
        << secondsText(result.seconds) << " s)\n";
    for (const BalanceOutOfRange& goal : result.outOfRange) {
        out << "  " << balanceReasonText(goal) << " (" << displayInteger(goal.value) << ", range "
            << displayInteger(goal.from) << " to " << displayInteger(goal.to) << ")\n";
    }
}

void printJson(std::ostream& out, const BalanceResult& result, const FoodOperations& foods)
{
    JsonWriter json(out);
    json.beginObject().key("objective").value(result.objective);
    json.key("objective_before").value(result.objectiveBefore);
    json.key("in_range_before").value(result.inRangeBefore).key("in_range_after").value(result.inRangeAfter);
    json.key("goals").value(result.goalCount);
    json.key("optimal").value(result.optimal).key("seconds").value(result.seconds);
    const std::string_view message = balanceOutcomeText(result.outcome);
    json.key("message");
    message.empty() ? json.null() : json.value(message);
    json.key("additions").beginArray();
    for (const BalanceAddition& addition : result.plan.additions) {
        json.beginObject().key("id").value(static_cast<long long>(addition.food));
        json.key("name").value(foods.displayName(addition.food)).key("quarters").value(addition.quarters);
        json.key("grams").value(static_cast<long long>(addition.grams)).key("meal").value(addition.meal);
        json.endObject();
    }
    json.endArray().key("changes").beginArray();
    for (const BalanceChange& change : result.plan.changes) {
        json.beginObject().key("meal").value(change.meal).key("entry").value(static_cast<long long>(change.entry));
        json.key("id").value(static_cast<long long>(change.food));
        json.key("grams_before").value(static_cast<long long>(change.before));
        json.key("grams_after").value(static_cast<long long>(change.after)).endObject();
    }
    json.endArray().key("out_of_range").beginArray();
    for (const BalanceOutOfRange& goal : result.outOfRange) {
        json.beginObject().key("nutrient").value(goal.nutrient).key("name").value(nutrientLongName(goal.nutrient));
        json.key("value").value(goal.value).key("from").value(goal.from).key("to").value(goal.to);
        json.key("reason").value(balanceReasonText(goal)).endObject();
    }
    json.endArray().endObject();
    out << '\n';
}

class BalanceCommand final : public Command
{
public:
    std::string_view name() const override { return "balance"; }
    std::string_view summary() const override { return "plan the few foods that bring the most nutrients into range"; }
    std::string_view help() const override
    {
        return "Usage: mealwright-cli balance FILE [--add N] [--meal M] [--list L | --personal] [--adjust]\n"
               "                              [--seconds S] [-o OUT]\n\n"
               "Plans Balance the Day for the day in FILE: at most N foods in quarter servings (1/2 to 3\n"
               "servings each) and, with --adjust, new amounts of the day's own foods (1/2x to 2x), chosen to\n"
               "minimise the sum over the nutrients with an intake range (From below To in the profile) of the\n"
               "shortfall below From plus the excess above To, each divided by To - From, plus 0.0001 x the\n"
               "calories added / From of Calories (the lighter of equal plans wins). Added foods are visible\n"
               "foods without alcohol that count toward a food-pyramid group other than sweets; the day's\n"
               "milk, meat, vegetable, fruit and bread servings stay at most 3, 3, 5, 4 and 11 (a group the\n"
               "day already exceeds gets no added servings). The plan is solved exactly; when the time runs\n"
               "out the best plan found is printed and marked so.\n\n"
               "  --add N        0..8 foods at most (default 3)\n"
               "  --meal M       0..5, the meal added foods go into (default 0, breakfast)\n"
               "  --list L       choose only from food list L (1..7)\n"
               "  --personal     choose only from the personal foods\n"
               "  --adjust       also change the amounts of the day's foods\n"
               "  --seconds S    the time limit, a positive number (default 2)\n"
               "  -o OUT         write the balanced day to OUT (which may be FILE; - for standard output)\n"
               "  --json         {\"objective\", \"objective_before\", \"in_range_before\", \"in_range_after\",\n"
               "                 \"goals\", \"optimal\", \"seconds\", \"message\", \"additions\": [{\"id\", \"name\",\n"
               "                 \"quarters\", \"grams\", \"meal\"}], \"changes\": [{\"meal\", \"entry\", \"id\",\n"
               "                 \"grams_before\", \"grams_after\"}], \"out_of_range\": [{\"nutrient\", \"name\",\n"
               "                 \"value\", \"from\", \"to\", \"reason\"}]}\n";
    }
    std::vector<OptionRule> options() const override
    {
        return {{"--add", true},     {"--meal", true},    {"--list", true}, {"--personal", false},
                {"--adjust", false}, {"--seconds", true}, {"-o", true}};
    }

    int run(Context& context) override
    {
        const ParsedArguments& args = context.args();
        const std::string file = args.singlePositional("day FILE");
        const BalanceOptions options = balanceOptions(args);
        const std::optional<std::string> output = args.value("-o");

        CFofDoc document(context.foods());
        loadDay(file, document);
        const BalanceResult result = balanceDay(document.meals(), context.foods(), context.attributes(),
                                                loadStoredIntakePreferences(context.profile()), options);
        if (output) {
            write(context, *output, document, result.plan);
        }
        if (output && *output == "-") {
            return 0; // standard output holds the day
        }
        if (context.json()) {
            printJson(context.out(), result, context.foods());
        } else {
            printText(context.out(), result, options, context.foods());
        }
        return 0;
    }

private:
    static void write(Context& context, const std::string& output, CFofDoc& document, const BalancePlan& plan)
    {
        if (const std::unique_ptr<DayEdit> edit = balanceDayEdit(document, plan)) {
            edit->apply(document);
        }
        if (output == "-") {
            writeOutput(context, output, encodeDayFile(document.meals()));
            return;
        }
        const std::unique_ptr<FileLock> turn = FileLock::lockReplacedFile(output);
        saveDay(output, document);
    }
};

} // namespace

std::unique_ptr<Command> makeBalanceCommand()
{
    return std::make_unique<BalanceCommand>();
}

} // namespace mw::cli
