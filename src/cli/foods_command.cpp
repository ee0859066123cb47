#include "commands.h"
#include "json_writer.h"

#include "model/food_types.h"
#include "query/food_listing.h"

namespace mw::cli {
namespace {

class FoodsCommand final : public Command
{
public:
    std::string_view name() const override { return "foods"; }
    std::string_view summary() const override { return "list foods as the food list shows them"; }
    std::string_view help() const override
    {
        return "Usage: mealwright-cli foods [--group G]\n\n"
               "Prints food list items, one per line, as \"ID;Name [portion]\".\n\n"
               "  --group G   the foods of standard group G (0..29); the default is group 0\n"
               "  --json      {\"items\": [{\"id\": 0, \"text\": \"0;Milk [1 cup]\"}, ...]}\n";
    }
    std::vector<OptionSpec> options() const override { return {{"--group", true}}; }

    int run(Context& context) override
    {
        if (!context.args().positionals().empty()) {
            throw UsageError("unexpected argument '" + context.args().positionals().front() + "'");
        }
        const int group = static_cast<int>(context.args().integer("--group", 0, kFoodGroupCount - 1, 0));
        printItems(context, foodsOfGroup(group));
        return 0;
    }

private:
    static void printItems(Context& context, const std::vector<FoodId>& ids)
    {
        const FoodOperations& foods = context.foods();
        if (!context.json()) {
            for (const FoodId id : ids) {
                context.out() << foods.foodName(id) << '\n';
            }
            return;
        }
        JsonWriter json(context.out());
        json.beginObject().key("items").beginArray();
        for (const FoodId id : ids) {
            json.beginObject().key("id").value(static_cast<int>(id)).key("text").value(foods.foodName(id));
            json.endObject();
        }
        json.endArray().endObject();
        context.out() << '\n';
    }
};

} // namespace

std::unique_ptr<Command> makeFoodsCommand()
{
    return std::make_unique<FoodsCommand>();
}

} // namespace mw::cli
