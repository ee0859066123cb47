// How the USDA food search scales over the whole extract: 8,858 foods searched as the user types.
#include "query/usda_search.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void usdaSearchFor(benchmark::State& state, const char* typed)
{
    const mw::UsdaFoodSearch& search = mw::UsdaFoodSearch::instance();
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<std::size_t> foods = search.search(typed);
        found = foods.size();
        benchmark::DoNotOptimize(foods.data());
    }
    state.counters["found"] = static_cast<double>(found);
}

void BM_UsdaSearchMilk(benchmark::State& state)
{
    usdaSearchFor(state, "milk");
}
BENCHMARK(BM_UsdaSearchMilk)->Unit(benchmark::kMicrosecond);

void BM_UsdaSearchTwoWordsAndExclusion(benchmark::State& state)
{
    usdaSearchFor(state, "cheese cheddar !low");
}
BENCHMARK(BM_UsdaSearchTwoWordsAndExclusion)->Unit(benchmark::kMicrosecond);

// Every food found, so the ranking sorts all 8,858.
void BM_UsdaSearchEveryFood(benchmark::State& state)
{
    usdaSearchFor(state, "!xyzzy");
}
BENCHMARK(BM_UsdaSearchEveryFood)->Unit(benchmark::kMicrosecond);

// What the first search pays once: folding and ranking every name.
void BM_UsdaSearchFirstUse(benchmark::State& state)
{
    for (auto _ : state) {
        const mw::UsdaFoodSearch search;
        benchmark::DoNotOptimize(&search);
    }
}
BENCHMARK(BM_UsdaSearchFirstUse)->Unit(benchmark::kMillisecond);

} // namespace
