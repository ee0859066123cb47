#include "commands.h"
#include "dated_day.h"
#include "json_writer.h"

#include "format/diary_folder.h"
#include "format/file_lock.h"
#include "model/amount_text.h"
#include "model/catalogue.h"
#include "model/meal_editing.h"

#include <string>

namespace mw::cli {
namespace {

std::size_t entryOption(const ParsedArguments& args, const CFofDoc& document, MealIndex meal)
{
    const std::size_t count = document.entryCount(meal);
    if (count == 0) {
        throw UsageError(std::string(mealTitle(meal)) + " has no entries");
    }
    return static_cast<std::size_t>(args.requiredInteger("--entry", 0, static_cast<long long>(count) - 1));
}

FoodId foodOption(const ParsedArguments& args, const FoodOperations& foods)
{
    const auto id = static_cast<FoodId>(args.requiredInteger("--food", 0, kLastUsableFoodId));
    if (!foods.exists(id)) {
        throw UsageError("there is no food " + std::to_string(id));
    }
    return id;
}

// The grams of --amount TEXT ("2 cups", "100 g") for the food; a text it cannot read is a usage error.
Grams amountOption(const ParsedArguments& args, const FoodOperations& foods, FoodId food)
{
    if (args.has("--grams")) {
        throw UsageError("give --grams or --amount, not both");
    }
    const AmountReading reading = readAmount(args.required("--amount"), foods, food);
    if (!reading.grams) {
        throw UsageError("--amount: " + reading.problem);
    }
    return *reading.grams;
}

// Reads the day, lets the edit change it, and writes it back only when the edit succeeded. The day's
// lock is held throughout, so edits of other runs wait instead of being overwritten.
template <typename Edit>
int editDay(Context& context, Edit edit)
{
    const DayArgument day = dayArgument(context);
    CFofDoc document(context.foods());
    prepareToSave(context, day);
    const RewriteTurn turn(day.file);
    loadDayArgument(day, document);
    edit(document);
    saveDay(day.file, document);
    return 0;
}

class NewCommand final : public Command
{
public:
    std::string_view name() const override { return "new"; }
    std::string_view summary() const override { return "write an empty day file"; }
    std::string_view help() const override
    {
        return "Usage: mealwright-cli new FILE|--date DATE\n\n"
               "Writes an empty day (six empty meals) to FILE or the diary's day of DATE, replacing it.\n";
    }
    std::vector<OptionRule> options() const override { return {kDateOption}; }
    int run(Context& context) override
    {
        const DayArgument day = dayArgument(context);
        CFofDoc document(context.foods());
        prepareToSave(context, day);
        const RewriteTurn turn(day.file);
        if (day.dated) {
            loadDayArgument(day, document); // a dated file that cannot be read is never written over
            document.clearDay();
        }
        saveDay(day.file, document);
        return 0;
    }
};

class ShowCommand final : public Command
{
public:
    std::string_view name() const override { return "show"; }
    std::string_view summary() const override { return "list the meals of a day file"; }
    std::string_view help() const override
    {
        return "Usage: mealwright-cli show FILE|--date DATE\n\n"
               "Lists the six meals of the day in FILE with their entries (food and grams).\n\n"
               "  --json   {\"meals\": [{\"title\", \"entries\": [{\"id\", \"grams\", \"text\"}]}, ...six]}\n";
    }
    std::vector<OptionRule> options() const override { return {kDateOption}; }
    int run(Context& context) override
    {
        CFofDoc document(context.foods());
        loadDayArgument(dayArgument(context), document);
        if (context.json()) {
            printJson(context, document);
        } else {
            printText(context, document);
        }
        return 0;
    }

private:
    static void printText(Context& context, const CFofDoc& document)
    {
        for (int m = 0; m < kMealCount; ++m) {
            const auto meal = static_cast<MealIndex>(m);
            context.out() << mealTitle(meal) << '\n';
            for (std::size_t k = 0; k < document.entryCount(meal); ++k) {
                const CFood& entry = document.entry(meal, k);
                context.out() << "  " << k << ": " << visibleText(context.foods().itemText(entry.foodId())) << ", "
                              << entry.amount() << " g\n";
            }
        }
    }

    static void printJson(Context& context, const CFofDoc& document)
    {
        JsonWriter json(context.out());
        json.beginObject().key("meals").beginArray();
        for (int m = 0; m < kMealCount; ++m) {
            const auto meal = static_cast<MealIndex>(m);
            json.beginObject().key("title").value(mealTitle(meal)).key("entries").beginArray();
            for (const CFood& entry : document.meal(meal)) {
                json.beginObject().key("id").value(static_cast<int>(entry.foodId()));
                json.key("grams").value(static_cast<int>(entry.amount()));
                json.key("text").value(context.foods().itemText(entry.foodId())).endObject();
            }
            json.endArray().endObject();
        }
        json.endArray().endObject();
        context.out() << '\n';
    }
};

class AddCommand final : public Command
{
public:
    std::string_view name() const override { return "add"; }
    std::string_view summary() const override { return "add a food to a meal of a day file"; }
    std::string_view help() const override
    {
        return "Usage: mealwright-cli add FILE|--date DATE --meal M --food ID [--grams G | --amount TEXT]\n\n"
               "Appends G grams of food ID to meal M (0 breakfast .. 5 evening snack) of the day in FILE.\n\n"
               "  --grams G      0..10000; 0 or absent stores one serving's weight in whole grams\n"
               "  --amount TEXT  an amount with its unit, 1..10000 g: \"2 cups\" in the food's own portion\n"
               "                 unit, \"1.5 servings\", \"1/2 serving\", \"100 g\", \"3 oz\", \"0.5 lb\", or a\n"
               "                 bare number of grams\n";
    }
    std::vector<OptionRule> options() const override
    {
        return {{"--meal", true}, {"--food", true}, {"--grams", true}, {"--amount", true}, kDateOption};
    }
    int run(Context& context) override
    {
        const MealIndex meal = mealOption(context.args());
        const FoodId food = foodOption(context.args(), context.foods());
        const auto grams = context.args().has("--amount")
                               ? amountOption(context.args(), context.foods(), food)
                               : static_cast<Grams>(context.args().integer("--grams", 0, kMaxEntryAmount, 0));
        return editDay(context, [&](CFofDoc& document) {
            document.appendEntry(meal, food, amountForNewEntry(context.foods(), food, grams));
        });
    }
};

class SetAmountCommand final : public Command
{
public:
    std::string_view name() const override { return "set-amount"; }
    std::string_view summary() const override { return "change the grams of a meal entry"; }
    std::string_view help() const override
    {
        return "Usage: mealwright-cli set-amount FILE|--date DATE --meal M --entry K --grams G | --amount TEXT\n\n"
               "Sets entry K (from 0) of meal M to G grams; 0 or more than 10000 becomes 100, as in the\n"
               "amount edit of the desktop program.\n\n"
               "  --amount TEXT  the amount with its unit instead, 1..10000 g: \"2 cups\" in the food's own\n"
               "                 portion unit, \"1.5 servings\", \"1/2 serving\", \"100 g\", \"3 oz\", \"0.5 lb\",\n"
               "                 or a bare number of grams\n";
    }
    std::vector<OptionRule> options() const override
    {
        return {{"--meal", true}, {"--entry", true}, {"--grams", true}, {"--amount", true}, kDateOption};
    }
    int run(Context& context) override
    {
        const ParsedArguments& args = context.args();
        const MealIndex meal = mealOption(args);
        const bool byText = args.has("--amount");
        const Grams grams = byText ? Grams{0} : acceptedAmount(args.requiredInteger("--grams", 0, 65535));
        return editDay(context, [&](CFofDoc& document) {
            const std::size_t entry = entryOption(args, document, meal);
            const FoodId food = document.entry(meal, entry).foodId();
            document.setAmount(meal, entry, byText ? amountOption(args, context.foods(), food) : grams);
        });
    }
};

class RemoveCommand final : public Command
{
public:
    std::string_view name() const override { return "remove"; }
    std::string_view summary() const override { return "remove one entry from a meal"; }
    std::string_view help() const override
    {
        return "Usage: mealwright-cli remove FILE|--date DATE --meal M --entry K\n\nRemoves entry K (from 0) of meal "
               "M.\n";
    }
    std::vector<OptionRule> options() const override { return {{"--meal", true}, {"--entry", true}, kDateOption}; }
    int run(Context& context) override
    {
        const MealIndex meal = mealOption(context.args());
        return editDay(context, [&](CFofDoc& document) {
            document.removeEntry(meal, entryOption(context.args(), document, meal));
        });
    }
};

class ClearCommand final : public Command
{
public:
    std::string_view name() const override { return "clear"; }
    std::string_view summary() const override { return "remove every entry of a meal"; }
    std::string_view help() const override
    {
        return "Usage: mealwright-cli clear FILE|--date DATE --meal M\n\nRemoves all entries of meal M.\n";
    }
    std::vector<OptionRule> options() const override { return {{"--meal", true}, kDateOption}; }
    int run(Context& context) override
    {
        const MealIndex meal = mealOption(context.args());
        return editDay(context, [&](CFofDoc& document) { document.clearMeal(meal); });
    }
};

} // namespace

std::unique_ptr<Command> makeNewCommand()
{
    return std::make_unique<NewCommand>();
}

std::unique_ptr<Command> makeShowCommand()
{
    return std::make_unique<ShowCommand>();
}

std::unique_ptr<Command> makeAddCommand()
{
    return std::make_unique<AddCommand>();
}

std::unique_ptr<Command> makeSetAmountCommand()
{
    return std::make_unique<SetAmountCommand>();
}

std::unique_ptr<Command> makeRemoveCommand()
{
    return std::make_unique<RemoveCommand>();
}

std::unique_ptr<Command> makeClearCommand()
{
    return std::make_unique<ClearCommand>();
}

} // namespace mw::cli
