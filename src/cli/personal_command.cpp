#include "commands.h"
#include "json_writer.h"
#include "personal_text.h"

#include "format/personal_food_fields.h"
#include "format/personal_food_validation.h"
#include "model/number_text.h"
#include "model/text_trim.h"
#include "query/food_listing.h"

#include <string>

namespace mw::cli {
namespace {

PersonalFoodValues parseValues(const std::string& text)
{
    PersonalFoodValues values{};
    std::size_t count = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view piece = trimBlanks(std::string_view(text).substr(start, comma - start));
        const std::optional<double> value = parseDouble(piece);
        if (!value) {
            throw UsageError("--values: '" + std::string(piece) + "' is not a number");
        }
        if (count == values.size()) {
            throw UsageError("--values takes exactly 28 numbers, weight first");
        }
        values[count++] = static_cast<float>(*value);
        start = comma + 1;
    }
    if (count != values.size()) {
        throw UsageError("--values takes exactly 28 numbers, weight first; " + std::to_string(count) + " given");
    }
    return values;
}

std::string problemText(const PersonalFoodProblem& problem)
{
    switch (problem.field) {
    case PersonalFoodField::kName:
        return "--name: at most " + std::to_string(kMaxPersonalNameLength) + " characters";
    case PersonalFoodField::kUnit:
        return "--unit: at most " + std::to_string(kMaxPersonalUnitLength) + " characters";
    case PersonalFoodField::kValue:
        break;
    }
    return "--values: value " + std::to_string(problem.nutrient) + (problem.nutrient == kWeight ? " (weight)" : "") +
           " must lie in " + (problem.nutrient == kWeight ? "1" : "0") + "..9999";
}

class PersonalCommand final : public Command
{
public:
    std::string_view name() const override { return "personal"; }
    std::string_view summary() const override { return "list, add or edit personal foods"; }
    std::string_view help() const override
    {
        return "Usage: mealwright-cli personal list\n"
               "       mealwright-cli personal add --name NAME --unit UNIT --values V0,V1,...,V27\n"
               "       mealwright-cli personal edit ID [--name NAME] [--unit UNIT] [--values V0,V1,...,V27]\n\n"
               "list  prints the personal foods of userfood.txt as list items, hidden ones marked\n"
               "      \"(hidden)\" (--json: {\"items\": [{\"id\", \"text\", \"hidden\"}]})\n"
               "add   appends one food as the add-food dialog does and prints its FoodId: V0 is the\n"
               "      weight in grams (1..9999) of the portion the other 27 values describe (0..9999 each,\n"
               "      in the order of the nutrient catalogue); NAME at most 80, UNIT at most 20 characters;\n"
               "      NAME must not be blank, and neither may hold a double quote, a square bracket or a\n"
               "      control character, which a line of userfood.txt cannot hold\n"
               "edit  changes food ID in place, with the same checks: what is not given stays; the food keeps\n"
               "      its FoodId and its line in userfood.txt, so the days that use it keep working\n";
    }
    std::vector<OptionRule> options() const override
    {
        return {{"--name", true}, {"--unit", true}, {"--values", true}};
    }

    int run(Context& context) override
    {
        const std::vector<std::string>& positionals = context.args().positionals();
        const std::string action = positionals.empty() ? std::string() : positionals.front();
        if (action == "edit") {
            return edit(context);
        }
        if (positionals.size() > 1) {
            throw UsageError("unexpected argument '" + positionals[1] + "'");
        }
        if (action == "list") {
            return list(context);
        }
        if (action == "add") {
            return add(context);
        }
        throw UsageError(action.empty() ? "missing list, add or edit"
                                        : "unknown action '" + action + "' (list, add or edit)");
    }

private:
    static int list(Context& context)
    {
        const PersonalFoodDatabase& database = context.readablePersonalFoods();
        const CFoodAttributeDatabase& attributes = context.attributes();
        const std::vector<FoodId> ids = listedPersonalFoods(database.count());
        if (ids.empty()) {
            context.err() << "No personal foods.\n";
        }
        JsonWriter json(context.out());
        if (context.json()) {
            json.beginObject().key("items").beginArray();
        }
        for (const FoodId id : ids) {
            const std::string text = context.foods().itemText(id);
            const bool hidden = attributes.test(id, CFoodAttributeDatabase::kHidden) != 0;
            if (context.json()) {
                json.beginObject().key("id").value(static_cast<int>(id)).key("text").value(text);
                json.key("hidden").value(hidden).endObject();
            } else {
                context.out() << visibleText(text) << (hidden ? " (hidden)" : "") << '\n';
            }
        }
        if (context.json()) {
            json.endArray().endObject();
            context.out() << '\n';
        }
        return 0;
    }

    static int edit(Context& context)
    {
        const std::vector<std::string>& positionals = context.args().positionals();
        if (positionals.size() != 2) {
            throw UsageError(positionals.size() < 2 ? "personal edit needs the FoodId of a personal food"
                                                    : "unexpected argument '" + positionals[2] + "'");
        }
        const auto id = static_cast<FoodId>(
            parseIntegerArgument(positionals[1], kFirstPersonalFoodId, kLastUsableFoodId, "the personal food ID"));
        PersonalFoodDatabase& database = context.writablePersonalFoods();
        std::optional<PersonalFoodFields> fields = personalFoodFields(database, id);
        if (!fields) {
            throw UsageError("there is no personal food " + std::to_string(id));
        }
        fields->name = context.args().value("--name").value_or(fields->name);
        fields->unit = context.args().value("--unit").value_or(fields->unit);
        if (context.args().has("--values")) {
            fields->values = parseValues(context.args().required("--values"));
        }
        if (const auto problem = validatePersonalFood(fields->name, fields->unit, fields->values)) {
            throw UsageError(problemText(*problem));
        }
        const PersonalFoodStatus status =
            database.replace(id, fields->name, fields->unit, fields->values, fields->pyramidSlot);
        if (status != PersonalFoodStatus::kOk) {
            throw FileError("Cannot change the food in " + database.filePath().string() + ": " +
                            personalStatusText(status));
        }
        const std::string text = context.foods().itemText(id);
        if (context.json()) {
            JsonWriter(context.out())
                .beginObject()
                .key("id")
                .value(static_cast<int>(id))
                .key("text")
                .value(text)
                .endObject();
            context.out() << '\n';
        } else {
            context.out() << visibleText(text) << '\n';
        }
        return 0;
    }

    static int add(Context& context)
    {
        const std::string name = context.args().required("--name");
        const std::string unit = context.args().required("--unit");
        requireStorableText("--name", name, false);
        requireStorableText("--unit", unit, true);
        const PersonalFoodValues values = parseValues(context.args().required("--values"));
        if (const auto problem = validatePersonalFood(name, unit, values)) {
            throw UsageError(problemText(*problem));
        }
        PersonalFoodDatabase& database = context.writablePersonalFoods();
        const PersonalFoodAppendResult added = database.append(name, unit, values);
        if (added.status != PersonalFoodStatus::kOk) {
            throw FileError("Cannot add the food to " + database.filePath().string() + ": " + appendFailureText(added));
        }
        if (context.json()) {
            JsonWriter(context.out()).beginObject().key("id").value(static_cast<int>(added.id)).endObject();
            context.out() << '\n';
        } else {
            context.out() << added.id << '\n';
        }
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> makePersonalCommand()
{
    return std::make_unique<PersonalCommand>();
}

} // namespace mw::cli
