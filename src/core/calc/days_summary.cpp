#include "calc/days_summary.h"

#include "calc/saturate.h"
#include "model/day_document.h"

#include <algorithm>
#include <cstdint>

namespace mw {

DaysSummary summarizeDays(std::span<const std::filesystem::path> files, const FoodOperations& foods)
{
    DaysSummary summary;
    summary.days.reserve(files.size());
    const std::vector<std::string> names = dayNames(files);
    CFofDoc document(foods);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const DayFileResult read = loadDayFile(files[i], document);
        if (read.ok()) {
            summary.days.push_back({files[i], document.dayNutrients(), names[i]});
        } else {
            summary.unreadable.push_back({files[i], read, names[i]});
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

std::vector<std::string> dayNames(std::span<const std::filesystem::path> files)
{
    std::vector<std::vector<std::filesystem::path>> folders;
    std::size_t shared = SIZE_MAX;
    for (const std::filesystem::path& file : files) {
        const std::filesystem::path folder = file.lexically_normal().parent_path();
        folders.emplace_back(folder.begin(), folder.end());
        const std::vector<std::filesystem::path>& first = folders.front();
        const auto differ = std::mismatch(first.begin(), first.end(), folders.back().begin(), folders.back().end());
        shared = std::min(shared, static_cast<std::size_t>(differ.first - first.begin()));
    }
    std::vector<std::string> names;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::filesystem::path normal = files[i].lexically_normal();
        if (!normal.has_filename()) {
            names.push_back(files[i].string());
            continue;
        }
        std::filesystem::path name;
        for (std::size_t k = shared; k < folders[i].size(); ++k) {
            name /= folders[i][k];
        }
        names.push_back((name / normal.filename()).string());
    }
    return names;
}

std::string averageTitle(std::size_t dayCount)
{
    return "Average of " + std::to_string(dayCount) + (dayCount == 1 ? " day" : " days");
}

std::string unreadableDayText(const UnreadableDay& day)
{
    return day.name + ": " + describeDayFileError(day.result);
}

} // namespace mw
