// Summarising a year of day files: reading each, summing it as the panel does and averaging them, alone in their
// folder and as a year out of ten in one folder.
#include "bench_support.h"

#include "calc/days_summary.h"
#include "format/day_file.h"
#include "model/day_document.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Day number day: 30 entries, a typical day's length with room to spare.
mw::DayMeals dayOfThirtyEntries(const mw::FoodOperations& foods, int day)
{
    mw::DayMeals meals;
    const int personal = static_cast<int>(foods.personalCount());
    for (int i = 0; i < 30; ++i) {
        const int k = day * 31 + i * 7;
        const auto food =
            static_cast<mw::FoodId>(i % 3 == 0 ? mw::kFirstPersonalFoodId + k % personal : k % mw::kStandardFoodCount);
        meals[static_cast<std::size_t>(i % mw::kMealCount)].append(
            mw::CFood(food, static_cast<mw::Grams>(20 + k % 300)));
    }
    return meals;
}

// A folder of count day files.
std::vector<std::filesystem::path> yearOfDays(const mw::FoodOperations& foods, int count,
                                              const char* folderName = "mealwright-bench-days")
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / folderName;
    std::filesystem::create_directories(folder);
    std::vector<std::filesystem::path> files;
    for (int day = 0; day < count; ++day) {
        files.push_back(folder / ("day" + std::to_string(day) + ".ypd"));
        std::ofstream(files.back(), std::ios::binary | std::ios::trunc)
            << mw::encodeDayFile(dayOfThirtyEntries(foods, day));
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

// A year of days out of a diary of ten years in one folder: reading a day must not cost a look at the others.
void BM_SummarizeDaysOfAFullFolder(benchmark::State& state)
{
    const mw::bench::FullDatabase full;
    const std::vector<std::filesystem::path> folder =
        yearOfDays(full.foods, static_cast<int>(state.range(0)) * 10, "mealwright-bench-diary");
    std::vector<std::filesystem::path> files;
    for (std::size_t i = 0; i < folder.size(); i += 10) {
        files.push_back(folder[i]);
    }
    for (auto _ : state) {
        const mw::DaysSummary summary = mw::summarizeDays(files, full.foods);
        if (!summary.unreadable.empty()) {
            state.SkipWithError("a day file could not be read");
            return;
        }
        benchmark::DoNotOptimize(summary.average.data());
    }
}
BENCHMARK(BM_SummarizeDaysOfAFullFolder)->Arg(365)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
