#pragma once

// What Balance the Day may do to a day: the goals it measures against, the foods it may add and in which
// portions, the amounts it may change, and the pyramid limits it keeps. Everything is worked out from the
// day as it is and the user's choices, before any solver runs.

#include "calc/intake_preferences.h"
#include "model/food_types.h"
#include "model/meal.h"
#include "model/nutrient_vector.h"

#include <array>
#include <cstddef>
#include <vector>

namespace mw {

class CFoodAttributeDatabase;
class FoodOperations;

inline constexpr int kMaxBalanceFoods = 8;
inline constexpr int kDefaultBalanceFoods = 3;
inline constexpr double kDefaultBalanceSeconds = 2.0;
// An added food comes in quarter servings, from half a serving to three.
inline constexpr int kMinAddedQuarters = 2;
inline constexpr int kMaxAddedQuarters = 12;
// A changed entry takes quarters of its amount, from half to double.
inline constexpr int kMinChangedQuarters = 2;
inline constexpr int kMaxChangedQuarters = 8;
// The largest amount an entry may have; the amount edit turns anything above into 100 g.
inline constexpr int kMaxBalanceGrams = 10000;
// The upper ends of the food-guide pyramid's servings: milk, meat, vegetable, fruit, bread (sweets have none).
inline constexpr std::array<float, kPyramidGroupCount> kPyramidServingCaps = {0.0f, 3.0f, 3.0f, 5.0f, 4.0f, 11.0f};
// How much one added kilocalorie weighs, per kilocalorie of the Calories range's From, so the lighter of
// two equally good plans wins.
inline constexpr double kAddedCalorieWeight = 0.0001;

enum class BalanceFoodSource
{
    kAllVisible, // every visible food
    kFoodList,   // the visible foods of one of the food lists 1..7
    kPersonal,   // the visible personal foods
};

struct BalanceOptions
{
    int maxFoods = kDefaultBalanceFoods; // 0..8
    MealIndex meal = kBreakfast;         // where added foods go
    BalanceFoodSource source = BalanceFoodSource::kAllVisible;
    int foodList = 1; // 1..7, with kFoodList
    bool changeAmounts = false;
    double seconds = kDefaultBalanceSeconds;
};

// A nutrient with a range to reach: its To lies above its From.
struct BalanceGoal
{
    int nutrient = kCalories;
    float from = 0.0f;
    float to = 0.0f;
};

std::vector<BalanceGoal> balanceGoals(const IntakePreferences& preferences);

// How far a value lies outside the goal's range, in widths of the range; 0 inside it.
double goalDeviation(const BalanceGoal& goal, double value);

// A visible food without alcohol that counts toward a pyramid slot other than sweets: a standard food in
// none of the sweets and at least one other slot, or a personal food whose line names such a slot.
bool isBalanceCandidate(FoodId id, const FoodOperations& foods, const CFoodAttributeDatabase& attributes);
// The candidates the options allow, standard foods first, each in FoodId order.
std::vector<FoodId> balanceCandidates(const FoodOperations& foods, const CFoodAttributeDatabase& attributes,
                                      const BalanceOptions& options);

using NutrientChange = std::array<double, kNutrientCount>;
using PyramidChange = std::array<double, kPyramidGroupCount>;

// One way to add a food: quarters x serving / 4, rounded to whole grams.
struct AdditionOption
{
    FoodId food = 0;
    int quarters = 0;
    Grams grams = 0;
    NutrientVector nutrients;
    PyramidServings pyramid;
};

// One way to change an entry's amount: quarters x amount / 4 (an amount of 0 counting as one serving),
// rounded to whole grams; the differences it makes to the day.
struct ChangeOption
{
    MealIndex meal = kBreakfast;
    std::size_t entry = 0;
    FoodId food = 0;
    int quarters = 0;
    Grams before = 0;
    Grams after = 0;
    NutrientChange nutrients{};
    PyramidChange pyramid{};
};

struct BalanceProblem
{
    std::vector<BalanceGoal> goals;
    NutrientVector before;         // the day's totals
    PyramidServings pyramidBefore; // the day's pyramid servings
    // The most servings each slot may hold after the plan: its cap, or what the day has when that is more.
    std::array<double, kPyramidGroupCount> pyramidLimit{};
    std::vector<AdditionOption> additions; // grouped by food, in candidate order
    std::vector<ChangeOption> changes;     // grouped by entry, in day order
    int maxFoods = kDefaultBalanceFoods;
    MealIndex meal = kBreakfast;
    double calorieWeight = 0.0; // the objective's weight of one added kilocalorie
};

// The day's pyramid servings, summed over every entry as the food pyramid figure counts them.
PyramidServings dayPyramidServings(const DayMeals& meals, const FoodOperations& foods);

// Slots the day holds more of than the cap: added foods may bring none of them.
bool slotIsFull(const BalanceProblem& problem, int slot);

BalanceProblem makeBalanceProblem(const DayMeals& meals, const FoodOperations& foods,
                                  const CFoodAttributeDatabase& attributes, const IntakePreferences& preferences,
                                  const BalanceOptions& options);

// The objective of a day after a plan: the goals' deviations plus the weighted calories the plan added.
double balanceObjective(const BalanceProblem& problem, const NutrientVector& after);

} // namespace mw
