#include "commands.h"
#include "json_writer.h"
#include "personal_text.h"

#include "model/catalogue.h"
#include "model/number_text.h"
#include "query/usda_personal_food.h"
#include "query/usda_search.h"

#include <string>

namespace mw::cli {
namespace {

constexpr double kMaxGrams = 9999.0;

std::size_t foodOf(const ParsedArguments& args)
{
    const std::vector<std::string>& positionals = args.positionals();
    if (positionals.size() != 2) {
        throw UsageError("expected one NDB number after the action");
    }
    const auto ndb = static_cast<std::int32_t>(parseIntegerArgument(positionals[1], 1, 99999, "the NDB number"));
    const std::optional<std::size_t> food = findUsdaFood(ndb);
    if (!food) {
        throw UsageError("there is no USDA food " + usdaNdbText(ndb));
    }
    return *food;
}

std::string refusal(const PersonalFoodProblem& problem, const UsdaPersonalFood& food)
{
    switch (problem.field) {
    case PersonalFoodField::kName:
        return "--name: at most " + std::to_string(kMaxPersonalNameLength) + " characters";
    case PersonalFoodField::kUnit:
        return "the portion text '" + food.portionText + "' is longer than " + std::to_string(kMaxPersonalUnitLength) +
               " characters";
    case PersonalFoodField::kValue:
        break;
    }
    const auto slot = static_cast<std::size_t>(problem.nutrient);
    const float value = food.portion.values[slot];
    const float minimum = problem.nutrient == kWeight ? kMinPersonalWeight : 0.0f;
    return std::string(nutrientLongName(problem.nutrient)) + ": " + formatFloat(value) + " " +
           std::string(nutrientReportUnit(problem.nutrient)) + " in this portion does not fit a personal food (" +
           (problem.nutrient == kWeight ? "1" : "0") + "..9999); choose a " + (value < minimum ? "larger" : "smaller") +
           " portion";
}

class UsdaCommand final : public Command
{
public:
    std::string_view name() const override { return "usda"; }
    std::string_view summary() const override { return "search the USDA database and add its foods as your own"; }
    std::string_view help() const override
    {
        return "Usage: mealwright-cli usda search TEXT [--group G] [--limit N]\n"
               "       mealwright-cli usda show NDB\n"
               "       mealwright-cli usda add NDB [--measure K | --grams G] [--name TEXT]\n\n"
               "search  the USDA SR24 foods whose names hold every word of TEXT (\"!word\": lack it), best\n"
               "        first, one per line: NDB number, USDA group, name (--json: [{\"ndb\", \"group\",\n"
               "        \"name\"}]); --group G keeps USDA group G (1..99), --limit N the first N\n"
               "show    the food's values per 100 g in the catalogue's units (\"no data\" where USDA has none)\n"
               "        and its household measures (--json: {\"ndb\", \"name\", \"group\", \"nutrients\": [28,\n"
               "        null where USDA has no value], \"measures\": [{\"amount\", \"measure\", \"grams\"}]})\n"
               "add     appends the food as a personal food and prints its FoodId: measure K of show's list\n"
               "        (from 1; default the first, or 100 g), or G grams; TEXT replaces the USDA name\n"
               "        (--json: {\"id\", \"name\", \"portion\", \"grams\"}); missing values are stored as 0\n";
    }
    std::vector<OptionRule> options() const override
    {
        return {{"--group", true}, {"--limit", true}, {"--measure", true}, {"--grams", true}, {"--name", true}};
    }

    int run(Context& context) override
    {
        const std::vector<std::string>& positionals = context.args().positionals();
        const std::string action = positionals.empty() ? std::string() : positionals.front();
        if (action == "search") {
            return search(context);
        }
        if (action == "show") {
            return show(context);
        }
        if (action == "add") {
            return add(context);
        }
        throw UsageError(action.empty() ? "expected search, show or add" : "unknown action '" + action + "'");
    }

private:
    static int search(Context& context)
    {
        const ParsedArguments& args = context.args();
        if (args.positionals().size() != 2) {
            throw UsageError("expected one search text after 'search'");
        }
        const auto group = static_cast<int>(args.integer("--group", 1, 99, kAllUsdaGroups));
        const auto limit = static_cast<std::size_t>(args.integer("--limit", 1, 100000, 100000));
        const std::vector<std::size_t> found = UsdaFoodSearch::instance().search(args.positionals()[1], group, limit);
        if (found.empty()) {
            context.err() << "No entry found!\n";
        }
        JsonWriter json(context.out());
        if (context.json()) {
            json.beginArray();
        }
        for (const std::size_t food : found) {
            const UsdaFoodRow row = usdaFood(food);
            const std::string group2 = usdaNdbText(row.group).substr(3);
            if (context.json()) {
                json.beginObject().key("ndb").value(usdaNdbText(row.ndb)).key("group").value(group2);
                json.key("name").value(row.name).endObject();
            } else {
                context.out() << usdaNdbText(row.ndb) << '\t' << group2 << '\t' << row.name << '\n';
            }
        }
        if (context.json()) {
            json.endArray();
            context.out() << '\n';
        }
        return 0;
    }

    static int show(Context& context)
    {
        const std::size_t food = foodOf(context.args());
        const UsdaFoodRow row = usdaFood(food);
        const UsdaPortion per100g = usdaPortion(usdaValues(food), row.group, 100.0);
        const std::vector<UsdaMeasureRow> measures = usdaMeasures(food);
        std::ostream& out = context.out();
        if (context.json()) {
            JsonWriter json(out);
            json.beginObject().key("ndb").value(usdaNdbText(row.ndb)).key("name").value(row.name);
            json.key("group").value(usdaNdbText(row.group).substr(3)).key("nutrients").beginArray();
            for (int i = 0; i < kNutrientCount; ++i) {
                const auto slot = static_cast<std::size_t>(i);
                if (per100g.missing[slot]) {
                    json.null();
                } else {
                    json.value(per100g.values[slot]);
                }
            }
            json.endArray().key("measures").beginArray();
            for (const UsdaMeasureRow& measure : measures) {
                json.beginObject().key("amount").value(static_cast<float>(measure.amount / 1000.0));
                json.key("measure").value(measure.measure);
                json.key("grams").value(static_cast<float>(measure.grams / 1000.0)).endObject();
            }
            json.endArray().endObject();
            out << '\n';
            return 0;
        }
        out << usdaNdbText(row.ndb) << ' ' << row.name << "\nUSDA group " << usdaNdbText(row.group).substr(3) << ' '
            << usdaGroupName(row.group) << "\nPer 100 g:\n";
        for (int i = 1; i < kNutrientCount; ++i) {
            const auto slot = static_cast<std::size_t>(i);
            const std::string label(nutrientLongName(i));
            out << label << std::string(label.size() < 15 ? 15 - label.size() : 1, ' ')
                << (per100g.missing[slot]
                        ? std::string("no data")
                        : formatFloat(per100g.values[slot]) + ' ' + std::string(nutrientReportUnit(i)))
                << '\n';
        }
        out << "Measures:\n";
        for (std::size_t i = 0; i < measures.size(); ++i) {
            out << i + 1 << ". " << usdaMeasureLabel(measures[i]) << '\n';
        }
        return 0;
    }

    static int add(Context& context)
    {
        const ParsedArguments& args = context.args();
        const std::size_t food = foodOf(args);
        if (args.has("--measure") && args.has("--grams")) {
            throw UsageError("--measure and --grams exclude each other");
        }
        const std::vector<UsdaMeasureRow> measures = usdaMeasures(food);
        double grams = 100.0;
        std::string portion = gramsPortionText(grams);
        if (args.has("--grams")) {
            const std::optional<double> value = parseDouble(*args.value("--grams"));
            if (!value || !(*value > 0.0) || *value > kMaxGrams) {
                throw UsageError("--grams: a weight above 0 and at most 9999 grams");
            }
            grams = *value;
            portion = gramsPortionText(grams);
        } else if (args.has("--measure") || !measures.empty()) {
            const auto count = static_cast<long long>(measures.size());
            if (count == 0) {
                throw UsageError("--measure: this food has no household measures; use --grams");
            }
            const long long k = args.integer("--measure", 1, count, 1);
            const UsdaMeasureRow& measure = measures[static_cast<std::size_t>(k - 1)];
            grams = measure.grams / 1000.0;
            portion = usdaPortionText(measure, 1.0, kMaxPersonalUnitLength);
        }
        UsdaPersonalFood personal = makeUsdaPersonalFood(food, grams, portion);
        if (const std::optional<std::string> name = args.value("--name")) {
            requireStorableText("--name", *name, false);
            personal.name = *name;
        }
        if (const auto problem = usdaPersonalFoodProblem(personal)) {
            throw UsageError(refusal(*problem, personal));
        }
        PersonalFoodDatabase& database = context.writablePersonalFoods();
        if (const auto same = findSamePersonalValues(database, personal.portion.values)) {
            context.err() << "Personal food " << personalFoodId(*same)
                          << " already holds this food and portion; adding it again.\n";
        }
        const PersonalFoodAppendResult added =
            database.append(personal.name, personal.portionText, personal.portion.values);
        if (added.status != PersonalFoodStatus::kOk) {
            throw FileError("Cannot add the food to " + database.filePath().string() + ": " + appendFailureText(added));
        }
        if (context.json()) {
            JsonWriter json(context.out());
            json.beginObject().key("id").value(static_cast<int>(added.id)).key("name").value(personal.name);
            json.key("portion").value(personal.portionText).key("grams").value(static_cast<float>(grams)).endObject();
            context.out() << '\n';
        } else {
            context.out() << added.id << '\n';
        }
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> makeUsdaCommand()
{
    return std::make_unique<UsdaCommand>();
}

} // namespace mw::cli
