#include "commands.h"
#include "json_writer.h"

#include "model/catalogue.h"
#include "model/number_text.h"

#include <string>

namespace mw::cli {
namespace {

class FoodCommand final : public Command
{
public:
    std::string_view name() const override { return "food"; }
    std::string_view summary() const override { return "show what an amount of one food contains"; }
    std::string_view help() const override
    {
        return "Usage: mealwright-cli food ID [--grams G]\n\n"
               "Shows G grams of food ID: its servings, food-pyramid servings and 27 nutrients.\n\n"
               "  --grams G   the amount in grams (0..65535); 0 or absent means one serving\n"
               "  --json      {\"id\", \"name\", \"grams\", \"servings\", \"pyramid\": [6], \"nutrients\": [28]}\n";
    }
    std::vector<OptionRule> options() const override { return {{"--grams", true}}; }

    int run(Context& context) override
    {
        const auto id = static_cast<FoodId>(
            parseIntegerArgument(context.args().singlePositional("food ID"), 0, kLastUsableFoodId, "the food ID"));
        const auto grams = static_cast<Grams>(context.args().integer("--grams", 0, 65535, 0));
        const FoodOperations& foods = context.foods();
        if (!foods.exists(id)) {
            throw UsageError("there is no food " + std::to_string(id));
        }
        const Entry entry{id, foods.displayName(id), foods.entryNutrients(id, grams), foods.entryServings(id, grams),
                          foods.entryPyramidServings(id, grams)};
        if (context.json()) {
            printJson(context.out(), entry);
        } else {
            printText(context.out(), entry);
        }
        return 0;
    }

private:
    struct Entry
    {
        FoodId id;
        std::string name;
        NutrientVector nutrients;
        float servings;
        PyramidServings pyramid;
    };

    static void printJson(std::ostream& out, const Entry& entry)
    {
        JsonWriter json(out);
        json.beginObject();
        json.key("id").value(static_cast<int>(entry.id)).key("name").value(entry.name);
        json.key("grams").value(static_cast<long long>(entry.nutrients[kWeight]));
        json.key("servings").value(entry.servings);
        json.key("pyramid").floatArray(entry.pyramid.values());
        json.key("nutrients").floatArray(entry.nutrients.values());
        json.endObject();
        out << '\n';
    }

    static void printText(std::ostream& out, const Entry& entry)
    {
        out << entry.id << ';' << visibleText(entry.name) << '\n';
        out << "Servings: " << formatFloat(entry.servings) << "\nPyramid servings:";
        for (int slot = 0; slot < kPyramidGroupCount; ++slot) {
            out << (slot == 0 ? " " : ", ") << pyramidGroupTitle(slot).substr(4) << ' '
                << formatFloat(entry.pyramid[static_cast<std::size_t>(slot)]);
        }
        out << '\n';
        for (int i = 0; i < kNutrientCount; ++i) {
            const std::string label(nutrientLongName(i));
            out << label << std::string(label.size() < 15 ? 15 - label.size() : 1, ' ')
                << formatFloat(entry.nutrients[static_cast<std::size_t>(i)]) << ' ' << nutrientReportUnit(i) << '\n';
        }
    }
};

} // namespace

std::unique_ptr<Command> makeFoodCommand()
{
    return std::make_unique<FoodCommand>();
}

} // namespace mw::cli
