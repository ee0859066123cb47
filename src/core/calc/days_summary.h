#pragma once

#include "calc/analysis.h"
#include "format/day_file.h"
#include "model/nutrient_vector.h"

#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace mw {

class FoodOperations;

// One day file's totals, summed as the analysis panel sums the day.
struct SummaryDay
{
    std::filesystem::path path;
    NutrientVector totals;
    std::string name{}; // as the summary lists it: see dayNames
};

// A file left out of the summary and why.
struct UnreadableDay
{
    std::filesystem::path path;
    DayFileResult result;
    std::string name{}; // as the summary lists it: see dayNames
};

// A mean per NutrientIndex slot, in double precision.
using AverageNutrients = std::array<double, kNutrientCount>;

// Several days side by side and their average.
struct DaysSummary
{
    std::vector<SummaryDay> days;          // the readable files, in the order given
    std::vector<UnreadableDay> unreadable; // the others, in the order given
    AverageNutrients average{};            // all 0 without days
    std::size_t dayCount() const { return days.size(); }
};

// Reads every file and averages the readable ones.
DaysSummary summarizeDays(std::span<const std::filesystem::path> files, const FoodOperations& foods);
// The arithmetic mean of the days' totals; all 0 without days.
AverageNutrients averageOfDays(std::span<const SummaryDay> days);

// The average measured as the panel measures a day: % of the goal it chooses (none where the panel's
// percent column draws nothing) and the intake level (none without a preference table).
struct GoalComparison
{
    std::array<std::optional<int>, kNutrientCount> percent{};
    std::array<std::optional<IntakeLevel>, kNutrientCount> level{};
};
GoalComparison compareWithGoals(const AverageNutrients& average, const AnalysisGoals& goals);
// The % goal of nutrient 1..27 of one day, as the panel's percent column shows it.
std::optional<int> dayPercentOfGoal(const NutrientVector& day, int nutrient, const AnalysisGoals& goals);

// The calorie goal a chart draws its bars against: the preferred range when a table is stored, else the
// single goal (from == to).
struct CalorieTarget
{
    float from = 0.0f;
    float to = 0.0f;
};
CalorieTarget calorieTarget(const AnalysisGoals& goals);

// Each file's path relative to the folder all of them share ("monday.ypd", "june/monday.ypd"), or as given
// where they share none; never the base name alone, so two days of the same name stay two rows.
std::vector<std::string> dayNames(std::span<const std::filesystem::path> files);
// A day's name as the summary lists it.
inline const std::string& summaryDayName(const SummaryDay& day)
{
    return day.name;
}
// "Average of 7 days", "Average of 1 day".
std::string averageTitle(std::size_t dayCount);
// "monday.ypd: the file ends inside an entry at byte 9".
std::string unreadableDayText(const UnreadableDay& day);

} // namespace mw
