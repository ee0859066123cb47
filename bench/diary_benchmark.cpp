// A diary of ten years: a folder of 3,650 day files and a weight log of 3,650 daily weigh-ins.
#include "bench_support.h"

#include "calc/diary_summary.h"
#include "calc/requirements.h"
#include "calc/weight_trend.h"
#include "format/day_file.h"
#include "format/diary_folder.h"
#include "format/weight_log.h"
#include "model/day_document.h"
#include "model/settings_keys.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace {

using namespace std::chrono;

constexpr int kDiaryDays = 3650;
constexpr mw::DiaryDate kFirstDay{year{2017}, January, day{1}};

mw::DiaryDate lastDay()
{
    return mw::addDays(kFirstDay, kDiaryDays - 1);
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Days of 30 entries, a typical day's length with room to spare, and a weight for every day.
const mw::DiaryFolder& tenYearDiary(const mw::FoodOperations& foods)
{
    static const mw::DiaryFolder diary = [&] {
        const mw::DiaryFolder folder(std::filesystem::temp_directory_path() / "mealwright-bench-diary");
        std::filesystem::remove_all(folder.path());
        folder.ensureExists();
        mw::WeightLog log;
        for (int d = 0; d < kDiaryDays; ++d) {
            mw::CFofDoc document(foods);
            for (int i = 0; i < 30; ++i) {
                const int k = d * 31 + i * 7;
                document.appendEntry(static_cast<mw::MealIndex>(i % mw::kMealCount),
                                     static_cast<mw::FoodId>(k % mw::kStandardFoodCount),
                                     static_cast<mw::Grams>(20 + k % 300));
            }
            const mw::DiaryDate date = mw::addDays(kFirstDay, d);
            writeBytes(folder.dayFile(date), mw::encodeDayFile(document.meals()));
            log.set(date, 1800 - d % 90 + (d * 7) % 13);
        }
        writeBytes(folder.weightLogFile(), log.text());
        return folder;
    }();
    return diary;
}

mw::AnalysisGoals goals()
{
    mw::MemorySettings settings;
    mw::storeCaloricNeed(settings, {40, 160, 5, 0});
    return mw::analysisGoals(settings, mw::ComputeRequirements(*mw::storedCaloricNeed(settings)));
}

void BM_DiaryCalendarMonth(benchmark::State& state)
{
    const mw::bench::FullDatabase full;
    const mw::DiaryFolder& diary = tenYearDiary(full.foods);
    const mw::AnalysisGoals analysisGoals = goals();
    const mw::DateRange month = mw::monthOf(mw::addDays(kFirstDay, kDiaryDays / 2));
    for (auto _ : state) {
        const std::vector<mw::DiaryDayFigures> marks = mw::diaryDays(diary, month, full.foods, analysisGoals);
        benchmark::DoNotOptimize(marks.data());
    }
}
BENCHMARK(BM_DiaryCalendarMonth)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_DiarySummarizeLast365(benchmark::State& state)
{
    const mw::bench::FullDatabase full;
    const mw::DiaryFolder& diary = tenYearDiary(full.foods);
    for (auto _ : state) {
        const mw::DaysSummary summary = mw::summarizeDiary(diary, mw::lastDays(lastDay(), 365), full.foods);
        benchmark::DoNotOptimize(summary.average.data());
    }
}
BENCHMARK(BM_DiarySummarizeLast365)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_WeightLogTrend(benchmark::State& state)
{
    const mw::bench::FullDatabase full;
    const mw::DiaryFolder& diary = tenYearDiary(full.foods);
    for (auto _ : state) {
        const mw::WeightLogRead read = mw::readWeightLog(diary.weightLogFile());
        const mw::WeightTrend trend = mw::weightTrend(read.log.entries());
        benchmark::DoNotOptimize(trend.days.data());
    }
}
BENCHMARK(BM_WeightLogTrend)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
