#pragma once

#include "calc/intake_preferences.h"
#include "model/day_totals.h"
#include "model/nutrient_vector.h"
#include "model/settings_keys.h"

#include <array>
#include <optional>
#include <span>

namespace mw {

class FoodOperations;

// Every conversion of a real value to a whole number here truncates toward zero and saturates: a value
// beyond the int range gives the range's end and NaN gives 0.

// ---- Numbers shown ----------------------------------------------------------------------------------------

// A value as a whole number: its first decimal of 5 or more goes up (2.45 -> 2, 2.5 -> 3); negative values
// lose their decimals (-2.7 -> -2).
int displayInteger(float value);

// What the percent column measures against.
struct AnalysisGoals
{
    RequirementVector requirements; // the RDA goals (LoadStoredRequirements)
    // The stored preference table; none when the user never stored one (then there are no level classes).
    std::optional<IntakePreferences> preferences;
    bool usePersonalGoal = false; // "Use PDA": measure against the preferred upper value
    int fatWarningPercent = 30;   // "Fat Warning Percent"
};

// The goals the settings give: "Use PDA", "Fat Warning Percent" and the stored preference table, with the
// requirements the caller obtained.
AnalysisGoals analysisGoals(const Settings& settings, const RequirementVector& requirements);

// The goal of nutrient 1..27: the preferred To value when the personal goal is used, else the requirement.
float goalOf(const AnalysisGoals& goals, int nutrient);

// value x 100 / goal, truncated; none when the goal is exactly 0.
std::optional<int> percentOfGoal(float value, float goal);
// The day's percent of nutrient 1..27; none for weight.
std::optional<int> percentOfGoal(const NutrientVector& day, int nutrient, const AnalysisGoals& goals);

// The percent column draws nothing for Alcohol while it measures against the RDA.
bool percentColumnShows(int nutrient, bool usePersonalGoal);

// Where a day value lies against the preferred range, whichever goal the percent column uses.
enum class IntakeLevel
{
    kBelow,    // v < From: yellow
    kIn,       // From <= v < To: green
    kAbove,    // To <= v < To + (To - From) x 0.5: magenta
    kFarAbove, // otherwise: red
};

IntakeLevel intakeLevel(float value, float from, float to);
// None for weight and without a stored preference table.
std::optional<IntakeLevel> intakeLevel(const NutrientVector& day, int nutrient, const AnalysisGoals& goals);
RgbColor intakeLevelColor(IntakeLevel level);
// "below", "in", "above", "far-above".
std::string_view intakeLevelName(IntakeLevel level);

// ---- Calorie sources --------------------------------------------------------------------------------------

// Whole percentages of the calories from protein, carbohydrate and fat (fat at 9.3 kcal per gram); they add
// up to 100 unless a zero makes a share 0.
struct CalorieShares
{
    int protein = 0;
    int carbohydrate = 0;
    int fat = 0;
    friend bool operator==(const CalorieShares&, const CalorieShares&) = default;
};

// 0 without fat; 100 when fat is all there is; 99 without calories; else fat x 930 / calories, at most 99
// (and at least 0 should a value be negative).
int fatShare(const NutrientVector& v);
// 0 without protein; else protein x (100 - fat share) / (protein + carbohydrate), within 0..100 - fat share.
int proteinShare(const NutrientVector& v, int fatShare);
// 0 without carbohydrate; else what protein and fat leave.
int carbohydrateShare(const NutrientVector& v, int fatShare, int proteinShare);
CalorieShares calorieShares(const NutrientVector& v);

// The panel paints the fat bar white from the warning level on; the printed report marks a meal or the day
// only above it.
enum class FatWarningPlace
{
    kPanel,
    kReport,
};
bool fatWarning(int fatShare, int warningPercent, FatWarningPlace place);
bool fatWarning(const NutrientVector& v, int warningPercent, FatWarningPlace place);

// ---- Bar lengths ------------------------------------------------------------------------------------------

// The percent bar of a cell cellWidth wide: the whole cell is 300 % and the bar stops at 200 %; none and
// negative percents give 0.
int percentBarWidth(std::optional<int> percent, int cellWidth);
// The calorie-source bar of a share in a cell cellWidth wide, whose 100 % mark is at 66 % of the cell:
// share x cellWidth x 0.0066, truncated.
int calorieShareBarWidth(int share, int cellWidth);
// Where the 100 % mark of the calorie-source scale lies: cellWidth x 0.66, truncated.
int calorieScaleLength(int cellWidth);

// ---- A whole day ------------------------------------------------------------------------------------------

// Everything the analysis shows of a day, for the command line and the printed report.
struct DayAnalysis
{
    DayTotals totals;
    std::array<CalorieShares, kMealCount> mealShares{};
    CalorieShares dayShares;
    std::array<int, kNutrientCount> display{};                      // display integers of the day
    std::array<std::optional<int>, kNutrientCount> percent{};       // none for weight and zero goals
    std::array<std::optional<IntakeLevel>, kNutrientCount> level{}; // none for weight and without a table
};

DayAnalysis analyzeDay(const DayTotals& totals, const AnalysisGoals& goals);

} // namespace mw
