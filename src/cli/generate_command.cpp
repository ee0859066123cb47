#include "command.h"
#include "dated_day.h"
#include "json_writer.h"

#include "calc/analysis.h"
#include "calc/linear_congruential_random.h"
#include "calc/menu_generator.h"
#include "format/day_file.h"
#include "format/diary_folder.h"
#include "model/day_document.h"
#include "model/settings_keys.h"

#include <cstdint>
#include <limits>
#include <string>

namespace mw::cli {
namespace {

int caloriesOption(const ParsedArguments& args)
{
    const std::string text = args.required("--calories");
    const auto calories = static_cast<int>(parseIntegerArgument(text, 0, kMaxMenuTargetCalories, "--calories"));
    if (calories != 0 && calories < kMinMenuTargetCalories) {
        throw UsageError("--calories must be 0 (a random menu) or lie in " + std::to_string(kMinMenuTargetCalories) +
                         ".." + std::to_string(kMaxMenuTargetCalories) + ", not " + text);
    }
    return calories;
}

std::uint32_t seedOption(const ParsedArguments& args)
{
    if (!args.has("--seed")) {
        return clockSeed();
    }
    return static_cast<std::uint32_t>(args.integer("--seed", 0, std::numeric_limits<std::uint32_t>::max(), 0));
}

std::size_t entryCount(const CFofDoc& document)
{
    std::size_t count = 0;
    for (const CMeal& meal : document.meals()) {
        count += meal.size();
    }
    return count;
}

class GenerateCommand final : public Command
{
public:
    std::string_view name() const override { return "generate"; }
    std::string_view summary() const override { return "compose a balanced day with the menu generator"; }
    std::string_view help() const override
    {
        return "Usage: mealwright-cli generate --calories N [--seed S] -o FILE|--date DATE\n\n"
               "Fills a new day with a menu balanced on the food pyramid and writes it to FILE.\n\n"
               "  --calories N   the day's target in kcal, 800..3000; 0 for a random target of 1400..1599\n"
               "  --seed S       0..4294967295: the same seed and food data give the same day\n"
               "                 (default: a seed from the clock, printed so the day can be made again)\n"
               "  -o FILE        the day file to write; - writes it to standard output\n"
               "  --date DATE    write the diary's day of DATE instead (YYYY-MM-DD, today, yesterday, -N)\n"
               "  --json         {\"file\", \"target\", \"seed\", \"calories\", \"entries\"}\n";
    }
    std::vector<OptionRule> options() const override
    {
        return {{"--calories", true}, {"--seed", true}, {"-o", true}, kDateOption};
    }

    int run(Context& context) override
    {
        const ParsedArguments& args = context.args();
        if (!args.positionals().empty()) {
            throw UsageError("unexpected argument '" + args.positionals().front() + "'");
        }
        const int calories = caloriesOption(args);
        const std::uint32_t seed = seedOption(args);
        if (args.has("-o") && args.has(kDateOption.name)) {
            throw UsageError("give -o FILE or --date DATE, not both");
        }
        const DayArgument day = args.has(kDateOption.name) ? dayArgument(context) : DayArgument{outputOption(args)};
        const std::string& file = day.file;

        CFofDoc document(context.foods());
        LinearCongruentialRandom random(seed);
        const GeneratedMenu menu = MenuGenerator(document, random).GenerateMenu(calories);
        prepareToSave(context, day);
        std::unique_ptr<RewriteTurn> turn;
        if (day.dated) {
            turn = std::make_unique<RewriteTurn>(file);
            CFofDoc existing(context.foods());
            loadDayArgument(day, existing); // a dated file that cannot be read is never written over
        }
        writeOutput(context, file, encodeDayFile(document.meals()));
        if (file == "-") {
            return 0; // standard output holds the day
        }
        report(context, file, seed, menu, document.dayNutrients()[kCalories], entryCount(document));
        return 0;
    }

private:
    static void report(Context& context, const std::string& file, std::uint32_t seed, const GeneratedMenu& menu,
                       float dayCalories, std::size_t entries)
    {
        if (context.json()) {
            JsonWriter json(context.out());
            json.beginObject().key("file").value(file).key("target").value(menu.target);
            json.key("seed").value(static_cast<long long>(seed)).key("calories").value(dayCalories);
            json.key("entries").value(static_cast<long long>(entries)).endObject();
            context.out() << '\n';
            return;
        }
        context.out() << file << ": a " << menu.target << "-calorie menu of " << entries << " foods, "
                      << displayInteger(dayCalories) << " kcal (seed " << seed << ")\n";
    }
};

} // namespace

std::unique_ptr<Command> makeGenerateCommand()
{
    return std::make_unique<GenerateCommand>();
}

} // namespace mw::cli
