#include "commands.h"
#include "json_writer.h"

#include "calc/healthy_weight.h"
#include "model/settings_keys.h"

#include <climits>
#include <optional>
#include <string>

namespace mw::cli {
namespace {

constexpr std::string_view kMale = "male";
constexpr std::string_view kFemale = "female";
constexpr std::string_view kAgeGroup19To34 = "19-34";
constexpr std::string_view kAgeGroupOver34 = "over-34";

class HealthyWeightCommand final : public Command
{
public:
    std::string_view name() const override { return "healthy-weight"; }
    std::string_view summary() const override { return "show the healthy body-weight ranges for a height"; }
    std::string_view help() const override
    {
        return "Usage: mealwright-cli healthy-weight --height IN --sex male|female --age-group 19-34|over-34\n\n"
               "Prints the healthy body-weight ranges (without clothes) of the 1989 and the 1996 U.S. guidelines\n"
               "in pounds and kilograms, as the healthy-weight dialog shows them. The 1996 range does not depend\n"
               "on the age group.\n\n"
               "  --height IN        height without shoes in inches; brought into 57..84\n"
               "  --sex S            male or female\n"
               "  --age-group G      19-34 or over-34\n"
               "  --json             {\"height_inches\": N, \"lines\": [{\"label\": ..., \"pounds\": [lo, hi],\n"
               "                     \"kilograms\": [lo, hi], \"text\": ...}, ...]}\n\n"
               "An option left out takes the value the dialog last stored in the settings profile\n"
               "(70 inches, male, over 34 when nothing was stored).\n";
    }
    std::vector<OptionRule> options() const override
    {
        return {{"--height", true}, {"--sex", true}, {"--age-group", true}};
    }

    int run(Context& context) override
    {
        if (!context.args().positionals().empty()) {
            throw UsageError("unexpected argument '" + context.args().positionals().front() + "'");
        }
        const HealthyWeightForm form(inputs(context));
        if (context.json()) {
            printJson(context.out(), form);
        } else {
            printText(context.out(), form);
        }
        return 0;
    }

private:
    // The stored inputs with each given option in place of its value; the profile is read only when needed.
    static HealthyWeightInputs inputs(Context& context)
    {
        const ParsedArguments& args = context.args();
        const bool allGiven = args.has("--height") && args.has("--sex") && args.has("--age-group");
        HealthyWeightInputs inputs = allGiven ? HealthyWeightInputs{} : healthyWeightInputs(context.profile());
        inputs.heightInches = static_cast<int>(args.integer("--height", INT_MIN, INT_MAX, inputs.heightInches));
        if (const std::optional<std::string> sex = args.value("--sex")) {
            inputs.female = choice(*sex, kFemale, kMale, "--sex");
        }
        if (const std::optional<std::string> group = args.value("--age-group")) {
            inputs.ageGroup19To34 = choice(*group, kAgeGroup19To34, kAgeGroupOver34, "--age-group");
        }
        return inputs;
    }

    // True for the first word, false for the second, a UsageError for anything else.
    static bool choice(const std::string& text, std::string_view yes, std::string_view no, const std::string& option)
    {
        if (text == yes || text == no) {
            return text == yes;
        }
        throw UsageError(option + " must be " + std::string(no) + " or " + std::string(yes) + ", not '" + text + "'");
    }

    static void printText(std::ostream& out, const HealthyWeightForm& form)
    {
        for (const HealthyWeightLine& line : form.lines()) {
            out << line.label << ' ' << line.text << '\n';
        }
    }

    static void printJson(std::ostream& out, const HealthyWeightForm& form)
    {
        JsonWriter json(out);
        json.beginObject();
        json.key("height_inches").value(form.heightInches());
        json.key("lines").beginArray();
        for (const HealthyWeightLine& line : form.lines()) {
            json.beginObject();
            json.key("label").value(line.label);
            json.key("pounds").beginArray().value(line.range.lowPounds).value(line.range.highPounds).endArray();
            json.key("kilograms")
                .beginArray()
                .value(line.range.lowKilograms)
                .value(line.range.highKilograms)
                .endArray();
            json.key("text").value(line.text);
            json.endObject();
        }
        json.endArray();
        json.endObject();
        out << '\n';
    }
};

} // namespace

std::unique_ptr<Command> makeHealthyWeightCommand()
{
    return std::make_unique<HealthyWeightCommand>();
}

} // namespace mw::cli
