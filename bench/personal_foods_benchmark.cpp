// How opening, listing, sorting and analysing scale with a full personal food database (4000 foods).
#include "bench_support.h"

#include "calc/analysis.h"
#include "model/day_document.h"
#include "query/food_listing.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using mw::bench::FullDatabase;

void BM_OpenDatabase(benchmark::State& state)
{
    for (auto _ : state) {
        mw::PersonalFoodDatabase database;
        database.open(mw::bench::fullPersonalFoodFolder(), mw::PersonalFoodDatabase::Access::kReadOnly);
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
            items.push_back(full.foods.itemText(id));
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
