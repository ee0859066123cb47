#pragma once

#include "calc/analysis.h"
#include "calc/linear_congruential_random.h"
#include "model/day_document.h"
#include "model/food_entry.h"
#include "model/food_types.h"
#include "model/nutrient_vector.h"

#include <array>
#include <optional>
#include <vector>

namespace mw {

// A random menu aims at 1400 + (a draw mod 200) kcal.
inline constexpr int kRandomMenuBase = 1400;
inline constexpr int kRandomMenuSpan = 200;

// The target of a run: 0 asks for a random menu; any other request is brought into 800..3000, so a
// hand-edited setting can never ask for a meal target beyond what the portions are made for.
int generatorTarget(int requested);
// The portion class of a target: below 1400 kcal 0, below 2000 1, below 2400 2, else 3.
int calorieClass(int target);
// Percent of the day's target each meal aims at (20, 3, 30, 3, 40, 4).
int mealShare(MealIndex meal);

// The grams AddCandidate adds of a food whose generator portion has portionCalories (truncated) when
// remaining kcal are missing: a portion of more than 20 kcal that would pass the remainder is cut to
// remaining x portion / portionCalories grams, at least 1; any other portion is added whole.
Grams candidateAmount(Grams portion, int portionCalories, int remaining);

// The day's pyramid servings, entry by entry over the six meals.
PyramidServings DayServings(const CFofDoc& document);
// The pyramid group (milk 1 .. bread 5) that most needs another food; the day's fat counts towards sweets.
PyramidGroup PyramidBalance(const PyramidServings& day, float dayTotalFat);
// Fruit servings not above the meat servings.
bool FruitNeeded(const PyramidServings& day);

// One AddCandidate of a run: the meal and list it drew from and what it added.
struct GeneratorPick
{
    MealIndex meal = kBreakfast;
    int list = 0;
    bool topUp = false;
    // None when the target was already reached.
    std::optional<CFood> added;
};

struct GeneratedMenu
{
    int target = 0;
    int calorieClass = 0;
    // The meal left selected at the end: breakfast, lunch or dinner.
    MealIndex shownMeal = kBreakfast;
    std::vector<GeneratorPick> picks;
};

// Fills a day with a menu balanced on the food pyramid for a calorie target, drawing from fixed
// candidate lists. Each run starts from a clear day and its own run state.
class MenuGenerator
{
public:
    // Both must outlive the generator. It composes straight into the day, whose totals it reads as it goes.
    MenuGenerator(CFofDoc& day, RandomSource& random);

    // requested is the stored setting: 0 for a random menu of 1400..1599 kcal, else the target.
    GeneratedMenu GenerateMenu(int requested);

private:
    static constexpr int kTopUpCases = 5;

    void BuildMeal(MealIndex meal);
    void AddCandidate(int list);
    bool MealBelow(int percent) const;
    bool CaloriesRemain() const;
    PyramidServings DayServings() const;
    PyramidGroup PyramidBalance() const;
    bool FruitNeeded() const;

    void BuildBreakfast();
    void BuildLunch();
    void BuildDinner();
    void BuildSnack();
    void BuildSnacksWhileCaloriesRemain();
    void TopUpWhileCaloriesRemain();
    void TopUp();
    void SelectMeal(MealIndex meal);
    // One of the lists, each with equal chance (a list named twice has twice the chance).
    int OneOf(std::initializer_list<int> lists);
    int Draw(int count);
    int RemainingCalories() const;
    float DayCalories() const;

    CFofDoc& m_day;
    RandomSource& m_random;
    int m_target = 0;
    int m_calorieClass = 0;
    int m_mealTarget = 0;
    MealIndex m_meal = kBreakfast;
    std::array<int, kTopUpCases> m_topUpCounters{};
    std::vector<GeneratorPick> m_picks;
};

} // namespace mw
