// How listing, sorting and analysing scale with a full personal food database (4000 foods).
#include "calc/analysis.h"
#include "format/userfood_line.h"
#include "model/day_document.h"
#include "model/food_operations.h"
#include "model/personal_food_database.h"
#include "query/food_listing.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

namespace {

// A data folder holding userfood.txt with 4000 foods, written once per process.
const std::filesystem::path& fullDatabaseFolder()
{
    static const std::filesystem::path folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "mealwright-benchmark-4000";
        std::filesystem::create_directories(path);
        std::ofstream out(path / "userfood.txt", std::ios::binary | std::ios::trunc);
        std::mt19937 random(42);
        std::uniform_real_distribution<float> value(0.0f, 500.0f);
        for (int i = 0; i < mw::kMaxPersonalFoods; ++i) {
            mw::PersonalFoodValues values{};
            values[mw::kWeight] = 100.0f + static_cast<float>(i % 50);
            for (std::size_t n = 1; n < values.size(); ++n) {
                values[n] = value(random);
            }
            out << mw::buildUserfoodLine("Recipe " + std::to_string(i), "1 serving", values) << mw::kUserfoodLineEnd;
        }
        return path;
    }();
    return folder;
}

struct FullDatabase
{
    FullDatabase() : foods(&database)
    {
        database.open(fullDatabaseFolder(), mw::PersonalFoodDatabase::Access::kReadOnly);
    }
    mw::PersonalFoodDatabase database;
    mw::FoodOperations foods;
};

void BM_OpenDatabase(benchmark::State& state)
{
    for (auto _ : state) {
        mw::PersonalFoodDatabase database;
        database.open(fullDatabaseFolder(), mw::PersonalFoodDatabase::Access::kReadOnly);
        benchmark::DoNotOptimize(database.count());
    }
}
BENCHMARK(BM_OpenDatabase)->Unit(benchmark::kMillisecond);

void BM_ListPersonalFoods(benchmark::State& state)
{
    const FullDatabase full;
    for (auto _ : state) {
        std::vector<std::string> items;
        for (const mw::FoodId id : mw::listedPersonalFoods(full.database.count())) {
            items.push_back(full.foods.foodName(id));
        }
        benchmark::DoNotOptimize(items.data());
    }
}
BENCHMARK(BM_ListPersonalFoods)->Unit(benchmark::kMillisecond);

void BM_SortPersonalFoodsByNutrient(benchmark::State& state)
{
    const FullDatabase full;
    for (auto _ : state) {
        std::vector<mw::FoodId> ids = mw::listedPersonalFoods(full.database.count());
        std::stable_sort(ids.begin(), ids.end(), [&](mw::FoodId a, mw::FoodId b) {
            return full.foods.entryNutrients(a, 100)[mw::kIron] < full.foods.entryNutrients(b, 100)[mw::kIron];
        });
        benchmark::DoNotOptimize(ids.data());
    }
}
BENCHMARK(BM_SortPersonalFoodsByNutrient)->Unit(benchmark::kMillisecond);

void BM_AnalyseDayOfEveryPersonalFood(benchmark::State& state)
{
    const FullDatabase full;
    mw::CFofDoc document(full.foods);
    for (const mw::FoodId id : mw::listedPersonalFoods(full.database.count())) {
        document.appendEntry(static_cast<mw::MealIndex>(id % mw::kMealCount), id, 150);
    }
    for (auto _ : state) {
        const mw::DayTotals totals = mw::computeTotals(document.meals(), full.foods);
        benchmark::DoNotOptimize(totals.day()[mw::kCalories]);
    }
}
BENCHMARK(BM_AnalyseDayOfEveryPersonalFood)->Unit(benchmark::kMillisecond);

} // namespace
