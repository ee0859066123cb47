// Reading and writing the largest days, and recomputing what the panel shows after an edit.
#include "bench_support.h"

#include "calc/analysis.h"
#include "format/day_file.h"
#include "model/day_document.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <utility>

namespace {

// Entries spread over the six meals, standard and personal foods alternating, amounts varied. The meals are
// put in place whole, as a file's are: each append recomputes its meal's totals, which would make filling a
// day of 100,000 entries one by one take minutes.
void fillDay(mw::CFofDoc& document, int entries)
{
    mw::DayMeals meals;
    for (int i = 0; i < entries; ++i) {
        const auto food = static_cast<mw::FoodId>(i % 2 == 0 ? i % mw::kStandardFoodCount
                                                             : mw::kFirstPersonalFoodId + i % mw::kMaxPersonalFoods);
        meals[static_cast<std::size_t>(i % mw::kMealCount)].append(
            mw::CFood(food, static_cast<mw::Grams>(1 + i % 500)));
    }
    document.replaceMeals(std::move(meals));
}

std::filesystem::path dayFilePath(const char* name)
{
    return std::filesystem::temp_directory_path() / name;
}

void BM_EncodeDay(benchmark::State& state)
{
    const mw::bench::FullDatabase full;
    mw::CFofDoc document(full.foods);
    fillDay(document, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const std::string bytes = mw::encodeDayFile(document.meals());
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_EncodeDay)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_DecodeDay(benchmark::State& state)
{
    const mw::bench::FullDatabase full;
    mw::CFofDoc document(full.foods);
    fillDay(document, static_cast<int>(state.range(0)));
    const std::string bytes = mw::encodeDayFile(document.meals());
    for (auto _ : state) {
        mw::DayMeals meals;
        benchmark::DoNotOptimize(mw::decodeDayFile(bytes, meals).ok());
    }
}
BENCHMARK(BM_DecodeDay)->Arg(100000)->Unit(benchmark::kMillisecond);

// The whole save: encode, write a temporary file, flush it to the disk and rename it over the old one.
void BM_SaveDayFile(benchmark::State& state)
{
    const mw::bench::FullDatabase full;
    mw::CFofDoc document(full.foods);
    fillDay(document, static_cast<int>(state.range(0)));
    const std::filesystem::path path = dayFilePath("mealwright-benchmark-save.ypd");
    for (auto _ : state) {
        if (mw::saveDayFile(path, document)) {
            state.SkipWithError("the day could not be saved");
            break;
        }
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveDayFile)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole open: read the file and replace the document's meals.
void BM_LoadDayFile(benchmark::State& state)
{
    const mw::bench::FullDatabase full;
    mw::CFofDoc written(full.foods);
    fillDay(written, static_cast<int>(state.range(0)));
    const std::filesystem::path path = dayFilePath("mealwright-benchmark-load.ypd");
    if (mw::saveDayFile(path, written)) {
        state.SkipWithError("the day could not be written");
        return;
    }
    for (auto _ : state) {
        mw::CFofDoc document(full.foods);
        if (!mw::loadDayFile(path, document).ok()) {
            state.SkipWithError("the day could not be read");
            break;
        }
        benchmark::DoNotOptimize(document.meals().data());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadDayFile)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Everything the panel needs after a change: the totals summed anew, then percentages, levels and shares.
void BM_RecomputeDay(benchmark::State& state)
{
    const mw::bench::FullDatabase full;
    mw::CFofDoc document(full.foods);
    fillDay(document, static_cast<int>(state.range(0)));
    const mw::AnalysisGoals goals;
    for (auto _ : state) {
        const mw::DayAnalysis analysis = mw::analyzeDay(mw::computeTotals(document.meals(), full.foods), goals);
        benchmark::DoNotOptimize(analysis.display.data());
    }
}
BENCHMARK(BM_RecomputeDay)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace
