// How long one menu generation takes: every pick adds an entry, and each balance question recounts the
// day's pyramid servings from all entries.
#include "calc/linear_congruential_random.h"
#include "calc/menu_generator.h"
#include "model/day_document.h"
#include "model/food_operations.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

void BM_GenerateMenu(benchmark::State& state)
{
    const mw::FoodOperations foods;
    mw::CFofDoc document(foods);
    mw::LinearCongruentialRandom random;
    mw::MenuGenerator generator(document, random);
    const int target = static_cast<int>(state.range(0));
    std::uint32_t seed = 1;
    for (auto _ : state) {
        random.seed(seed++);
        benchmark::DoNotOptimize(generator.GenerateMenu(target));
    }
}
BENCHMARK(BM_GenerateMenu)->Arg(0)->Arg(800)->Arg(3000);

} // namespace
