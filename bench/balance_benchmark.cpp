// How long Balance the Day takes to its proven optimum over 643 standard and 1,000 personal foods: K = 3
// with the amounts fixed on a generated 1,600-kcal day, and K = 8 with changing amounts on a 40-entry day.
// The personal foods are recipes like the standard foods (each a standard candidate's values, scaled nutrient
// by nutrient by 0.7..1.3, in the same pyramid slot), which makes many near-equal choices for the search.
#include "calc/balance_day.h"
#include "calc/linear_congruential_random.h"
#include "calc/menu_generator.h"
#include "format/food_attribute_database.h"
#include "format/personal_food_database.h"
#include "format/userfood_line.h"
#include "model/day_document.h"
#include "model/food_operations.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

using namespace mw;

constexpr int kPersonalRecipes = 1000;
// The intake preferences of a 40-year-old man of 160 lbs, activity 5 (From and To of nutrients 1..27).
constexpr PreferenceRange kPreferences[] = {
    {2343, 2864}, {52, 69},   {325, 487}, {43, 86},     {14, 28},     {13, 39}, {13, 26},     {0, 300},     {24, 36},
    {800, 1200},  {8, 12},    {48, 72},   {1200, 1800}, {1360, 2040}, {15, 22}, {1600, 2400}, {160, 240},   {1, 2},
    {640, 960},   {640, 960}, {280, 420}, {8, 12},      {12, 18},     {1, 2},   {1100, 2800}, {2000, 3000}, {0, 0},
};

IntakePreferences benchmarkPreferences()
{
    PreferenceTable table{};
    for (int j = 1; j < kNutrientCount; ++j) {
        table[static_cast<std::size_t>(j)] = kPreferences[j - 1];
    }
    return IntakePreferences(table);
}

// The first pyramid slot (1..5) a food counts toward.
int firstSlot(const PyramidServings& servings)
{
    for (int slot = kPyramidMilk; slot < kPyramidGroupCount; ++slot) {
        if (servings[static_cast<std::size_t>(slot)] > 0.0f) {
            return slot;
        }
    }
    return -1;
}

const std::filesystem::path& recipeFolder()
{
    static const std::filesystem::path folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "mealwright-benchmark-balance-1000";
        std::filesystem::create_directories(path);
        const FoodOperations standard;
        const CFoodAttributeDatabase noFlags;
        const std::vector<FoodId> candidates = balanceCandidates(standard, noFlags, BalanceOptions{});
        std::ofstream out(path / "userfood.txt", std::ios::binary | std::ios::trunc);
        std::mt19937 random(11);
        std::uniform_real_distribution<float> factor(0.7f, 1.3f);
        for (int i = 0; i < kPersonalRecipes; ++i) {
            const FoodId model = candidates[static_cast<std::size_t>(i) % candidates.size()];
            const NutrientVector serving = standard.entryNutrients(model, 0);
            PersonalFoodValues values{};
            values[kWeight] = serving[kWeight];
            for (std::size_t n = 1; n < values.size(); ++n) {
                values[n] = serving[n] * factor(random);
            }
            const int slot = firstSlot(standard.entryPyramidServings(model, 100));
            std::string line = buildUserfoodLine("Recipe " + std::to_string(i), "1 serving", values);
            out << line << slot + 1 << ", " << kUserfoodLineEnd;
        }
        return path;
    }();
    return folder;
}

struct BalanceBench
{
    BalanceBench() : foods(&database), day(foods)
    {
        database.open(recipeFolder(), PersonalFoodDatabase::Access::kReadOnly);
    }

    PersonalFoodDatabase database;
    FoodOperations foods;
    CFoodAttributeDatabase attributes;
    CFofDoc day;
};

// The menu generator's day for a calorie target.
void generateDay(BalanceBench& bench, int calories)
{
    LinearCongruentialRandom random(7);
    MenuGenerator(bench.day, random).GenerateMenu(calories);
}

// 40 entries from the menu generator's 800-kcal menus (seeds 1, 2, ...), their amounts scaled to about
// 2,000 kcal together: a day of many small portions, neither far below nor far above the ranges.
void fortyEntryDay(BalanceBench& bench)
{
    std::size_t entries = 0;
    for (std::uint32_t seed = 1; entries < 40; ++seed) {
        CFofDoc menu(bench.foods);
        LinearCongruentialRandom random(seed);
        MenuGenerator(menu, random).GenerateMenu(800);
        for (int m = 0; m < kMealCount && entries < 40; ++m) {
            for (std::size_t k = 0; k < menu.entryCount(static_cast<MealIndex>(m)) && entries < 40; ++k, ++entries) {
                const CFood& entry = menu.entry(static_cast<MealIndex>(m), k);
                bench.day.appendEntry(static_cast<MealIndex>(m), entry.foodId(), entry.amount());
            }
        }
    }
    const double scale = 2000.0 / bench.day.dayNutrients()[kCalories];
    for (int m = 0; m < kMealCount; ++m) {
        const auto meal = static_cast<MealIndex>(m);
        for (std::size_t k = 0; k < bench.day.entryCount(meal); ++k) {
            const double grams = std::max(1.0, std::round(bench.day.entry(meal, k).amount() * scale));
            bench.day.setAmount(meal, k, static_cast<Grams>(grams));
        }
    }
}

void runBalance(benchmark::State& state, BalanceBench& bench, const BalanceOptions& options)
{
    const std::optional<IntakePreferences> preferences = benchmarkPreferences();
    BalanceResult result;
    for (auto _ : state) {
        result = balanceDay(bench.day.meals(), bench.foods, bench.attributes, preferences, options);
        benchmark::DoNotOptimize(result.objective);
    }
    state.counters["optimal"] = result.optimal ? 1 : 0;
    state.counters["objective"] = result.objective;
    state.counters["before"] = result.objectiveBefore;
    state.counters["in_range"] = result.inRangeAfter;
    state.counters["foods"] = static_cast<double>(result.plan.additions.size());
    state.counters["changes"] = static_cast<double>(result.plan.changes.size());
}

void BM_BalanceDayThreeFoods(benchmark::State& state)
{
    BalanceBench bench;
    generateDay(bench, 1600);
    BalanceOptions options;
    options.maxFoods = 3;
    options.seconds = 30.0; // time to the proven optimum, not to the limit
    runBalance(state, bench, options);
}
BENCHMARK(BM_BalanceDayThreeFoods)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BalanceDayEightFoodsChangingAmounts(benchmark::State& state)
{
    BalanceBench bench;
    fortyEntryDay(bench);
    BalanceOptions options;
    options.maxFoods = 8;
    options.changeAmounts = true;
    options.seconds = static_cast<double>(state.range(0));
    runBalance(state, bench, options);
}
// Within 60 s to the proven optimum, and within the default 2 s as a user sees it.
BENCHMARK(BM_BalanceDayEightFoodsChangingAmounts)->Arg(60)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
