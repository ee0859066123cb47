#include "commands.h"
#include "json_writer.h"

#include "model/food_types.h"
#include "model/string_table.h"
#include "query/food_listing.h"
#include "query/food_search.h"
#include "query/food_sort.h"

#include <optional>

namespace mw::cli {
namespace {

class FoodsCommand final : public Command
{
public:
    std::string_view name() const override { return "foods"; }
    std::string_view summary() const override { return "list foods as the food list shows them"; }
    std::string_view help() const override
    {
        return "Usage: mealwright-cli foods [--group G | --search TEXT [--order ranked|table] | --list K | --hidden |\n"
               "                            --personal]\n"
               "                            [--sort K [--per 100g|100kcal|serving] --ascending|--descending]\n\n"
               "Prints food list items, one per line, as \"ID;Name [portion]\", as the food list shows them.\n\n"
               "  --group G      the visible foods of standard group G (0..29); the default is group 0\n"
               "  --search TEXT  the visible standard and personal foods whose names hold TEXT, in any case;\n"
               "                 \"!TEXT\" lists those whose names lack it; best matches first: names\n"
               "                 that start with TEXT, then names with a word that starts with it, then\n"
               "                 the rest, each in table order\n"
               "  --order table  list the search's foods in table order instead\n"
               "  --list K       the foods of food list K (1..14)\n"
               "  --hidden       every hidden food\n"
               "  --personal     the personal foods that are not hidden\n"
               "  --sort K       then orders them by nutrient K (1..27) per 100 g, foods with equal\n"
               "                 amounts in their listed order; give --ascending or --descending\n"
               "  --per BASIS    compare nutrient K in 100 g of each food (100g, the default), in 100 kcal\n"
               "                 of it (100kcal; foods without calories come last) or in one serving\n"
               "                 (serving), as the food list's sort popups offer\n"
               "  --json         {\"items\": [{\"id\": 0, \"text\": \"0;Milk [1 cup]\"}, ...]}\n";
    }
    std::vector<OptionRule> options() const override
    {
        return {{"--group", true},     {"--search", true}, {"--list", true},       {"--hidden", false},
                {"--personal", false}, {"--sort", true},   {"--ascending", false}, {"--descending", false},
                {"--per", true},       {"--order", true}};
    }

    int run(Context& context) override
    {
        const ParsedArguments& args = context.args();
        if (!args.positionals().empty()) {
            throw UsageError("unexpected argument '" + args.positionals().front() + "'");
        }
        const int selectors = args.has("--group") + args.has("--search") + args.has("--list") + args.has("--hidden") +
                              args.has("--personal");
        if (selectors > 1) {
            throw UsageError("give only one of --group, --search, --list, --hidden and --personal");
        }
        const std::optional<Sorting> sorting = sortingOption(args);
        std::vector<FoodId> ids = select(context);
        if (ids.empty()) {
            context.err() << (args.has("--search") ? LoadString(kNoEntryFoundText) : "No foods to list.") << '\n';
        }
        if (sorting) {
            ids = sortFoodsByNutrient(ids, sorting->nutrient, sorting->direction, context.foods(), sorting->basis);
        }
        printItems(context, ids);
        return 0;
    }

private:
    struct Sorting
    {
        int nutrient;
        SortDirection direction;
        SortBasis basis;
    };

    static std::optional<Sorting> sortingOption(const ParsedArguments& args)
    {
        const bool ascending = args.has("--ascending");
        const bool descending = args.has("--descending");
        if (!args.has("--sort")) {
            if (ascending || descending || args.has("--per")) {
                throw UsageError("--ascending, --descending and --per go with --sort");
            }
            return std::nullopt;
        }
        if (ascending == descending) {
            throw UsageError("--sort needs one of --ascending and --descending");
        }
        const int nutrient =
            static_cast<int>(args.requiredInteger("--sort", kFirstRankedNutrient, kLastRankedNutrient));
        const std::optional<SortBasis> basis =
            args.has("--per") ? sortBasisFromName(args.required("--per")) : SortBasis::kPer100g;
        if (!basis) {
            throw UsageError("--per takes 100g, 100kcal or serving");
        }
        return Sorting{nutrient, ascending ? SortDirection::kAscending : SortDirection::kDescending, *basis};
    }

    static SearchOrder searchOrder(const ParsedArguments& args)
    {
        if (!args.has("--order")) {
            return SearchOrder::kRanked;
        }
        const std::string order = args.required("--order");
        if (order == "table") {
            return SearchOrder::kTable;
        }
        if (order == "ranked") {
            return SearchOrder::kRanked;
        }
        throw UsageError("--order takes ranked or table");
    }

    static std::vector<FoodId> select(Context& context)
    {
        const ParsedArguments& args = context.args();
        if (args.has("--search")) {
            const std::optional<SearchPattern> pattern = parseSearchPattern(args.required("--search"));
            if (!pattern) {
                throw UsageError("--search needs a text to look for");
            }
            return globalSearch(*pattern, context.foods(), context.attributes(), searchOrder(args));
        }
        if (args.has("--order")) {
            throw UsageError("--order goes with --search");
        }
        if (args.has("--personal")) {
            return visiblePersonalFoods(context.personalFoods().count(), context.attributes());
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
                context.out() << visibleText(foods.itemText(id)) << '\n';
            }
            return;
        }
        JsonWriter json(context.out());
        json.beginObject().key("items").beginArray();
        for (const FoodId id : ids) {
            json.beginObject().key("id").value(static_cast<int>(id)).key("text").value(foods.itemText(id));
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
