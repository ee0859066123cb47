#include "calc/diary_summary.h"

#include "model/food_operations.h"

namespace mw {
namespace {

std::size_t entryCount(const DayMeals& meals)
{
    std::size_t count = 0;
    for (const CMeal& meal : meals) {
        count += meal.size();
    }
    return count;
}

} // namespace

DiaryDayFigures diaryDayFigures(const DiaryFolder& diary, const DiaryDate& date, const FoodOperations& foods,
                                const AnalysisGoals& goals)
{
    DiaryDayFigures figures;
    figures.date = date;
    DayMeals meals;
    const DayFileResult read = readDayFile(diary.dayFile(date), meals);
    if (!read.ok()) {
        figures.error = read;
        return figures;
    }
    const DayTotals totals = computeTotals(meals, foods);
    const NutrientVector& day = totals.day();
    figures.entries = entryCount(meals);
    figures.calories = day[kCalories];
    figures.percentGoal = dayPercentOfGoal(day, kCalories, goals);
    figures.level = intakeLevel(day, kCalories, goals);
    return figures;
}

std::vector<DiaryDayFigures> diaryDays(const DiaryFolder& diary, const DateRange& range, const FoodOperations& foods,
                                       const AnalysisGoals& goals)
{
    std::vector<DiaryDayFigures> days;
    for (const DiaryDate& date : diary.recordedDates(range)) {
        days.push_back(diaryDayFigures(diary, date, foods, goals));
    }
    return days;
}

DaysSummary summarizeDiary(const DiaryFolder& diary, const DateRange& range, const FoodOperations& foods)
{
    DaysSummary summary;
    for (const DiaryDate& date : diary.recordedDates(range)) {
        const std::filesystem::path file = diary.dayFile(date);
        DayMeals meals;
        const DayFileResult read = readDayFile(file, meals);
        if (read.ok()) {
            summary.days.push_back({file, computeTotals(meals, foods).day(), file.filename().string()});
        } else {
            summary.unreadable.push_back({file, read, file.filename().string()});
        }
    }
    summary.average = averageOfDays(summary.days);
    return summary;
}

std::vector<DayCalories> recordedCalories(const DiaryFolder& diary, const DateRange& range, const FoodOperations& foods)
{
    std::vector<DayCalories> days;
    for (const DiaryDate& date : diary.recordedDates(range)) {
        DayMeals meals;
        if (readDayFile(diary.dayFile(date), meals).ok()) {
            days.push_back({date, static_cast<double>(computeTotals(meals, foods).day()[kCalories])});
        }
    }
    return days;
}

WeightOutlook weightOutlook(const WeightLog& log, const DiaryFolder& diary, const FoodOperations& foods)
{
    WeightOutlook outlook;
    outlook.trend = weightTrend(log.entries());
    if (const std::optional<DateRange> window = outlook.trend.rateWindow()) {
        const std::vector<DayCalories> days = recordedCalories(diary, *window, foods);
        outlook.recordedDays = recordedDaysInWindow(outlook.trend, days);
        outlook.maintenance = maintenanceEstimate(outlook.trend, days);
    }
    return outlook;
}

} // namespace mw
