#include "calc/days_summary.h"

#include "calc/saturate.h"
#include "model/day_document.h"

namespace mw {

DaysSummary summarizeDays(std::span<const std::filesystem::path> files, const FoodOperations& foods)
{
    DaysSummary summary;
    summary.days.reserve(files.size());
    CFofDoc document(foods);
    for (const std::filesystem::path& file : files) {
        const DayFileResult read = loadDayFile(file, document);
        if (read.ok()) {
            summary.days.push_back({file, document.dayNutrients()});
        } else {
            summary.unreadable.push_back({file, read});
        }
    }
    summary.average = averageOfDays(summary.days);
    return summary;
}

AverageNutrients averageOfDays(std::span<const SummaryDay> days)
{
    AverageNutrients sums{};
    for (const SummaryDay& day : days) {
        for (std::size_t n = 0; n < sums.size(); ++n) {
            sums[n] += static_cast<double>(day.totals[n]);
        }
    }
    if (!days.empty()) {
        for (double& sum : sums) {
            sum /= static_cast<double>(days.size());
        }
    }
    return sums;
}

GoalComparison compareWithGoals(const AverageNutrients& average, const AnalysisGoals& goals)
{
    GoalComparison comparison;
    for (int j = kFirstPreferenceNutrient; j <= kLastPreferenceNutrient; ++j) {
        const auto slot = static_cast<std::size_t>(j);
        const float goal = goalOf(goals, j);
        if (percentColumnShows(j, goals.usePersonalGoal) && goal != 0.0f) {
            comparison.percent[slot] = saturatingTruncate<int>(average[slot] * 100.0 / static_cast<double>(goal));
        }
        if (goals.preferences) {
            comparison.level[slot] =
                intakeLevel(static_cast<float>(average[slot]), goals.preferences->from(j), goals.preferences->to(j));
        }
    }
    return comparison;
}

std::optional<int> dayPercentOfGoal(const NutrientVector& day, int nutrient, const AnalysisGoals& goals)
{
    return percentColumnShows(nutrient, goals.usePersonalGoal) ? percentOfGoal(day, nutrient, goals) : std::nullopt;
}

CalorieTarget calorieTarget(const AnalysisGoals& goals)
{
    if (goals.preferences) {
        return {goals.preferences->from(kCalories), goals.preferences->to(kCalories)};
    }
    const float goal = goalOf(goals, kCalories);
    return {goal, goal};
}

std::string summaryDayName(const std::filesystem::path& path)
{
    return path.filename().string();
}

std::string averageTitle(std::size_t dayCount)
{
    return "Average of " + std::to_string(dayCount) + (dayCount == 1 ? " day" : " days");
}

std::string unreadableDayText(const UnreadableDay& day)
{
    return summaryDayName(day.path) + ": " + describeDayFileError(day.result);
}

} // namespace mw
