// The cost of one entry's nutrients, the innermost step of every total, sort and search by nutrient.
#include "bench_support.h"

#include "query/food_listing.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <numeric>
#include <vector>

namespace {

// Cycles through the foods and a few amounts so that neither the food nor the amount stays in a register.
void entryNutrientsOf(benchmark::State& state, const mw::FoodOperations& foods, const std::vector<mw::FoodId>& ids)
{
    const mw::Grams amounts[] = {1, 37, 100, 150, 250, 999, 2000};
    std::size_t food = 0;
    std::size_t amount = 0;
    for (auto _ : state) {
        const mw::NutrientVector nutrients = foods.entryNutrients(ids[food], amounts[amount]);
        benchmark::DoNotOptimize(nutrients);
        food = food + 1 == ids.size() ? 0 : food + 1;
        amount = amount + 1 == std::size(amounts) ? 0 : amount + 1;
    }
}

void BM_EntryNutrientsStandardFood(benchmark::State& state)
{
    const mw::FoodOperations foods;
    std::vector<mw::FoodId> ids(mw::kStandardFoodCount);
    std::iota(ids.begin(), ids.end(), mw::FoodId{0});
    entryNutrientsOf(state, foods, ids);
}
BENCHMARK(BM_EntryNutrientsStandardFood);

void BM_EntryNutrientsPersonalFood(benchmark::State& state)
{
    const mw::bench::FullDatabase full;
    entryNutrientsOf(state, full.foods, mw::listedPersonalFoods(full.database.count()));
}
BENCHMARK(BM_EntryNutrientsPersonalFood);

} // namespace
