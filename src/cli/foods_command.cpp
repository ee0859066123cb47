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
        return "Usage: mealwright-cli foods [--group G | --list K | --hidden | --personal]\n\n"
               "Prints food list items, one per line, as \"ID;Name [portion]\", as the food list shows them.\n\n"
               "  --group G    the visible foods of standard group G (0..29); the default is group 0\n"
               "  --list K     the foods of food list K (1..14)\n"
               "  --hidden     every hidden food\n"
               "  --personal   the personal foods\n"
               "  --json       {\"items\": [{\"id\": 0, \"text\": \"0;Milk [1 cup]\"}, ...]}\n";
    }
    std::vector<OptionSpec> options() const override
    {
        return {{"--group", true}, {"--list", true}, {"--hidden", false}, {"--personal", false}};
    }

    int run(Context& context) override
    {
        const ParsedArguments& args = context.args();
        if (!args.positionals().empty()) {
            throw UsageError("unexpected argument '" + args.positionals().front() + "'");
        }
        const int selectors = args.has("--group") + args.has("--list") + args.has("--hidden") + args.has("--personal");
        if (selectors > 1) {
            throw UsageError("give only one of --group, --list, --hidden and --personal");
        }
        const std::vector<FoodId> ids = select(context);
        if (ids.empty()) {
            context.err() << "No foods to list.\n";
        }
        printItems(context, ids);
        return 0;
    }

private:
    static std::vector<FoodId> select(Context& context)
    {
        const ParsedArguments& args = context.args();
        if (args.has("--personal")) {
            return listedPersonalFoods(context.personalFoods().count());
        }
        if (args.has("--hidden")) {
            return foodsWithFlag(CFoodAttributeDatabase::kHidden, context.attributes(),
                                 context.personalFoods().count());
        }
        if (args.has("--list")) {
            const int list = static_cast<int>(args.requiredInteger("--list", 1, CFoodAttributeDatabase::kListCount));
            return foodsWithFlag(CFoodAttributeDatabase::listMask(list), context.attributes(),
                                 context.personalFoods().count());
        }
        const int group = static_cast<int>(args.integer("--group", 0, kFoodGroupCount - 1, 0));
        return visibleFoodsOfGroup(group, context.attributes());
    }

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
