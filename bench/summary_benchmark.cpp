// Summarising a year of day files: reading each, summing it as the panel does and averaging them.
#include "bench_support.h"

#include "calc/days_summary.h"
#include "format/day_file.h"
#include "model/day_document.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// A folder of day files of 30 entries each, a typical day's length with room to spare.
std::vector<std::filesystem::path> yearOfDays(const mw::FoodOperations& foods, int count)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "mealwright-bench-days";
    std::filesystem::create_directories(folder);
    std::vector<std::filesystem::path> files;
    const int personal = static_cast<int>(foods.personalCount());
    for (int day = 0; day < count; ++day) {
        mw::CFofDoc document(foods);
        for (int i = 0; i < 30; ++i) {
            const int k = day * 31 + i * 7;
            const auto food = static_cast<mw::FoodId>(i % 3 == 0 ? mw::kFirstPersonalFoodId + k % personal
                                                                 : k % mw::kStandardFoodCount);
            document.appendEntry(static_cast<mw::MealIndex>(i % mw::kMealCount), food,
                                 static_cast<mw::Grams>(20 + k % 300));
        }
        files.push_back(folder / ("day" + std::to_string(day) + ".ypd"));
        if (mw::saveDayFile(files.back(), document)) {
            return {};
        }
    }
    return files;
}

void BM_SummarizeDays(benchmark::State& state)
{
    const mw::bench::FullDatabase full;
    const std::vector<std::filesystem::path> files = yearOfDays(full.foods, static_cast<int>(state.range(0)));
    if (files.empty()) {
        state.SkipWithError("the day files could not be written");
        return;
    }
    for (auto _ : state) {
        const mw::DaysSummary summary = mw::summarizeDays(files, full.foods);
        benchmark::DoNotOptimize(summary.average.data());
    }
}
BENCHMARK(BM_SummarizeDays)->Arg(365)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
