// How name search and nutrient sorting scale over every food the program can hold: 643 standard
// foods and a full personal database of 4000.
#include "bench_support.h"

#include "query/food_listing.h"
#include "query/food_search.h"
#include "query/food_sort.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using mw::bench::FullDatabase;

void globalSearchFor(benchmark::State& state, const char* typed)
{
    const FullDatabase full;
    const mw::SearchPattern pattern = *mw::parseSearchPattern(typed);
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<mw::FoodId> ids = mw::globalSearch(pattern, full.foods, full.attributes);
        found = ids.size();
        benchmark::DoNotOptimize(ids.data());
    }
    state.counters["found"] = static_cast<double>(found);
}

void BM_GlobalSearchChicken(benchmark::State& state)
{
    globalSearchFor(state, "Chicken");
}
BENCHMARK(BM_GlobalSearchChicken)->Unit(benchmark::kMicrosecond);

void BM_GlobalSearchCyrillic(benchmark::State& state)
{
    globalSearchFor(state, "БОРЩ 12");
}
BENCHMARK(BM_GlobalSearchCyrillic)->Unit(benchmark::kMicrosecond);

void BM_GlobalSearchExclusion(benchmark::State& state)
{
    globalSearchFor(state, "!e");
}
BENCHMARK(BM_GlobalSearchExclusion)->Unit(benchmark::kMicrosecond);

void BM_SortEveryFoodByNutrient(benchmark::State& state)
{
    const FullDatabase full;
    const std::vector<mw::FoodId> ids = mw::bench::everyFood(full);
    for (auto _ : state) {
        const std::vector<mw::FoodId> sorted =
            mw::sortFoodsByNutrient(ids, mw::kIron, mw::SortDirection::kDescending, full.foods);
        benchmark::DoNotOptimize(sorted.data());
    }
    state.counters["foods"] = static_cast<double>(ids.size());
}
BENCHMARK(BM_SortEveryFoodByNutrient)->Unit(benchmark::kMicrosecond);

void BM_SortEveryFoodItemByNutrient(benchmark::State& state)
{
    const FullDatabase full;
    const std::vector<mw::FoodId> foods = mw::bench::everyFood(full);
    for (auto _ : state) {
        const mw::FoodSortResult sorted = mw::sortFoodList(foods, mw::kIron, mw::SortDirection::kAscending, full.foods);
        benchmark::DoNotOptimize(sorted.foods.data());
    }
    state.counters["foods"] = static_cast<double>(foods.size());
}
BENCHMARK(BM_SortEveryFoodItemByNutrient)->Unit(benchmark::kMicrosecond);

} // namespace
