#include "calc/analysis.h"

#include "calc/saturate.h"
#include "model/food_operations.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace mw {
namespace {

constexpr double kFatKilocaloriesPerGramTimesHundred = 930.0;
constexpr int kMaxBarPercent = 200;
constexpr int kCellPercent = 300;

bool isPreferenceNutrient(int nutrient)
{
    return nutrient >= kFirstPreferenceNutrient && nutrient <= kLastPreferenceNutrient;
}

float valueOf(const NutrientVector& v, int nutrient)
{
    return v[static_cast<std::size_t>(nutrient)];
}

} // namespace

int displayInteger(float value)
{
    // The product of a float and 10 is exact in double, so the first decimal is the true one.
    const auto tenths = saturatingTruncate<long long>(static_cast<double>(value) * 10.0);
    const long long rounded = tenths / 10 + (tenths % 10 >= 5 ? 1 : 0);
    return static_cast<int>(
        std::clamp<long long>(rounded, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

AnalysisGoals analysisGoals(const Settings& settings, const RequirementVector& requirements)
{
    AnalysisGoals goals;
    goals.requirements = requirements;
    goals.preferences = loadStoredIntakePreferences(settings);
    goals.usePersonalGoal = usePersonalPreference(settings);
    goals.fatWarningPercent = fatWarningPercent(settings);
    return goals;
}

float goalOf(const AnalysisGoals& goals, int nutrient)
{
    if (!isPreferenceNutrient(nutrient)) {
        return 0.0f;
    }
    if (goals.usePersonalGoal) {
        return goals.preferences ? goals.preferences->to(nutrient) : 0.0f;
    }
    return valueOf(goals.requirements, nutrient);
}

std::optional<int> percentOfGoal(float value, float goal)
{
    if (goal == 0.0f) {
        return std::nullopt;
    }
    return saturatingTruncate<int>(static_cast<double>(value) * 100.0 / static_cast<double>(goal));
}

std::optional<int> percentOfGoal(const NutrientVector& day, int nutrient, const AnalysisGoals& goals)
{
    if (!isPreferenceNutrient(nutrient)) {
        return std::nullopt;
    }
    return percentOfGoal(valueOf(day, nutrient), goalOf(goals, nutrient));
}

bool percentColumnShows(int nutrient, bool usePersonalGoal)
{
    return isPreferenceNutrient(nutrient) && (nutrient != kAlcohol || usePersonalGoal);
}

IntakeLevel intakeLevel(float value, float from, float to)
{
    if (value < from) {
        return IntakeLevel::kBelow;
    }
    if (value < to) {
        return IntakeLevel::kIn;
    }
    if (value < to + (to - from) * 0.5f) {
        return IntakeLevel::kAbove;
    }
    return IntakeLevel::kFarAbove;
}

std::optional<IntakeLevel> intakeLevel(const NutrientVector& day, int nutrient, const AnalysisGoals& goals)
{
    if (!isPreferenceNutrient(nutrient) || !goals.preferences) {
        return std::nullopt;
    }
    return intakeLevel(valueOf(day, nutrient), goals.preferences->from(nutrient), goals.preferences->to(nutrient));
}

RgbColor intakeLevelColor(IntakeLevel level)
{
    switch (level) {
    case IntakeLevel::kBelow:
        return {255, 255, 0};
    case IntakeLevel::kIn:
        return {0, 255, 0};
    case IntakeLevel::kAbove:
        return {255, 0, 255};
    case IntakeLevel::kFarAbove:
        break;
    }
    return {255, 0, 0};
}

std::string_view intakeLevelName(IntakeLevel level)
{
    switch (level) {
    case IntakeLevel::kBelow:
        return "below";
    case IntakeLevel::kIn:
        return "in";
    case IntakeLevel::kAbove:
        return "above";
    case IntakeLevel::kFarAbove:
        break;
    }
    return "far-above";
}

int fatShare(const NutrientVector& v)
{
    const double fat = v[kTotalFat];
    const double calories = v[kCalories];
    if (fat == 0.0) {
        return 0;
    }
    if (v[kProtein] == 0.0f && v[kCarbohydrate] == 0.0f) {
        return 100;
    }
    if (calories == 0.0) {
        return 99;
    }
    // Compared as a real number first, so a huge share cannot overflow on its way to 99.
    const double share = fat * kFatKilocaloriesPerGramTimesHundred / calories;
    if (share >= 100.0) {
        return 99;
    }
    return std::max(saturatingTruncate<int>(share), 0);
}

int proteinShare(const NutrientVector& v, int fatShare)
{
    const double protein = v[kProtein];
    const double carbohydrate = v[kCarbohydrate];
    const int rest = std::clamp(100 - fatShare, 0, 100);
    if (protein == 0.0) {
        return 0;
    }
    if (carbohydrate == 0.0) {
        return rest;
    }
    // Only negative values can make the sum 0.
    const double sum = protein + carbohydrate;
    if (sum == 0.0) {
        return 0;
    }
    return std::clamp(saturatingTruncate<int>(protein * rest / sum), 0, rest);
}

int carbohydrateShare(const NutrientVector& v, int fatShare, int proteinShare)
{
    if (v[kCarbohydrate] == 0.0f) {
        return 0;
    }
    return std::clamp(100 - fatShare - proteinShare, 0, 100);
}

CalorieShares calorieShares(const NutrientVector& v)
{
    CalorieShares shares;
    shares.fat = fatShare(v);
    shares.protein = proteinShare(v, shares.fat);
    shares.carbohydrate = carbohydrateShare(v, shares.fat, shares.protein);
    return shares;
}

bool fatWarning(int fatShare, int warningPercent, FatWarningPlace place)
{
    return place == FatWarningPlace::kPanel ? fatShare >= warningPercent : fatShare > warningPercent;
}

bool fatWarning(const NutrientVector& v, int warningPercent, FatWarningPlace place)
{
    return fatWarning(fatShare(v), warningPercent, place);
}

int percentBarWidth(std::optional<int> percent, int cellWidth)
{
    if (!percent || cellWidth <= 0) {
        return 0;
    }
    const long long shown = std::clamp(*percent, 0, kMaxBarPercent);
    return static_cast<int>(shown * cellWidth / kCellPercent);
}

int calorieShareBarWidth(int share, int cellWidth)
{
    if (cellWidth <= 0) {
        return 0;
    }
    // Truncated once, at the end: a tenth of the cell truncated first left a 100 % bar short of the 100 % mark,
    // and narrow cells' bars as slivers.
    return static_cast<int>(static_cast<long long>(std::clamp(share, 0, 100)) * cellWidth * 66 / 10000);
}

int calorieScaleLength(int cellWidth)
{
    return cellWidth <= 0 ? 0 : saturatingTruncate<int>(cellWidth * 0.66);
}

DayAnalysis analyzeDay(const DayTotals& totals, const AnalysisGoals& goals)
{
    DayAnalysis analysis;
    analysis.totals = totals;
    for (int m = 0; m < kMealCount; ++m) {
        analysis.mealShares[static_cast<std::size_t>(m)] = calorieShares(totals.meal(m));
    }
    const NutrientVector& day = totals.day();
    analysis.dayShares = calorieShares(day);
    for (int j = 0; j < kNutrientCount; ++j) {
        const auto slot = static_cast<std::size_t>(j);
        analysis.display[slot] = displayInteger(day[slot]);
        analysis.percent[slot] = percentOfGoal(day, j, goals);
        analysis.level[slot] = intakeLevel(day, j, goals);
    }
    return analysis;
}

} // namespace mw
