#include "commands.h"
#include "json_writer.h"

#include "calc/requirements.h"
#include "model/catalogue.h"
#include "model/number_text.h"

#include <climits>
#include <string>

namespace mw::cli {
namespace {

class RequirementsCommand final : public Command
{
public:
    std::string_view name() const override { return "requirements"; }
    std::string_view summary() const override { return "compute the daily nutrient requirements"; }
    std::string_view help() const override
    {
        return "Usage: mealwright-cli requirements --age A --weight LBS --activity L --sex S\n\n"
               "Prints the daily requirement of every nutrient and the energy in kilojoules for an average\n"
               "healthy person, as the caloric-need dialog computes them.\n\n"
               "  --age A        age in years\n"
               "  --weight LBS   ideal weight in pounds\n"
               "  --activity L   activity level, 1 sedentary .. 10 strenuous\n"
               "  --sex S        0 male, 1 female, 2 pregnant, 3 lactating (1st 6 months),\n"
               "                 4 lactating (2nd 6 months)\n"
               "  --json         {\"requirements\": [28 numbers], \"energy_kj\": N}\n\n"
               "Any whole numbers are taken as they are; an age below 1 counts as 1 and a category\n"
               "outside 0..4 as male.\n";
    }
    std::vector<OptionRule> options() const override
    {
        return {{"--age", true}, {"--weight", true}, {"--activity", true}, {"--sex", true}};
    }

    int run(Context& context) override
    {
        if (!context.args().positionals().empty()) {
            throw UsageError("unexpected argument '" + context.args().positionals().front() + "'");
        }
        const ParsedArguments& args = context.args();
        CaloricNeedInputs inputs;
        inputs.age = static_cast<int>(args.requiredInteger("--age", INT_MIN, INT_MAX));
        inputs.idealWeight = static_cast<int>(args.requiredInteger("--weight", INT_MIN, INT_MAX));
        inputs.activity = static_cast<int>(args.requiredInteger("--activity", INT_MIN, INT_MAX));
        inputs.sexCategory = static_cast<int>(args.requiredInteger("--sex", INT_MIN, INT_MAX));
        const RequirementVector requirements = ComputeRequirements(inputs);
        const long long energy = energyKilojoules(requirements[kCalories]);
        if (context.json()) {
            JsonWriter json(context.out());
            json.beginObject();
            json.key("requirements").floatArray(requirements.values());
            json.key("energy_kj").value(energy);
            json.endObject();
            context.out() << '\n';
        } else {
            printText(context.out(), requirements, energy);
        }
        return 0;
    }

private:
    static void printLine(std::ostream& out, std::string_view label, const std::string& value, std::string_view unit)
    {
        out << label << std::string(label.size() < 15 ? 15 - label.size() : 1, ' ') << value << ' ' << unit << '\n';
    }

    static void printText(std::ostream& out, const RequirementVector& requirements, long long energy)
    {
        // Weight is not a requirement; the vector only holds 1 there.
        for (int i = kCalories; i < kNutrientCount; ++i) {
            printLine(out, nutrientLongName(i), formatFloat(requirements[static_cast<std::size_t>(i)]),
                      nutrientPanelUnit(i));
        }
        printLine(out, "Energy", std::to_string(energy), "kjoule");
    }
};

} // namespace

std::unique_ptr<Command> makeRequirementsCommand()
{
    return std::make_unique<RequirementsCommand>();
}

} // namespace mw::cli
