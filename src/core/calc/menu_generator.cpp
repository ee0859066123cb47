#include "calc/menu_generator.h"

#include "calc/candidate_lists.h"
#include "calc/saturate.h"
#include "model/food_operations.h"
#include "model/settings_keys.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <span>
#include <utility>

namespace mw {
namespace {

constexpr int kCalorieClassLimits[] = {1400, 2000, 2400};
constexpr std::array<int, kMealCount> kMealShares = {20, 3, 30, 3, 40, 4};
// CaloriesRemain holds while more than this is missing.
constexpr float kCaloriesLeftOver = 10.0f;
// Portions of this many kcal or fewer are never cut.
constexpr int kWholePortionCalories = 20;

constexpr bool isSnack(MealIndex meal)
{
    return meal == kMorningSnack || meal == kAfternoonSnack || meal == kEveningSnack;
}

bool contains(std::initializer_list<int> lists, int list)
{
    return std::find(lists.begin(), lists.end(), list) != lists.end();
}

// The meal each top-up case goes to on its k-th use, and the list it takes from there.
MealIndex topUpMeal(PyramidGroup group, int k)
{
    static constexpr MealIndex kMilkMeals[] = {kLunch, kMorningSnack, kDinner, kAfternoonSnack};
    static constexpr MealIndex kMeatMeals[] = {kDinner, kLunch};
    static constexpr MealIndex kVegetableMeals[] = {kLunch, kDinner};
    static constexpr MealIndex kFruitMeals[] = {kMorningSnack, kAfternoonSnack, kEveningSnack, kDinner, kLunch};
    static constexpr MealIndex kBreadMeals[] = {kEveningSnack, kAfternoonSnack, kMorningSnack};
    const auto pick = [k](const auto& meals) { return meals[static_cast<std::size_t>(k) % std::size(meals)]; };
    switch (group) {
    case kPyramidMilk:
        return pick(kMilkMeals);
    case kPyramidMeat:
        return pick(kMeatMeals);
    case kPyramidVegetable:
        return pick(kVegetableMeals);
    case kPyramidFruit:
        return pick(kFruitMeals);
    default:
        return pick(kBreadMeals);
    }
}

int topUpList(PyramidGroup group, MealIndex meal)
{
    switch (group) {
    case kPyramidMilk:
        return isSnack(meal) ? 126 : 67; // frozen yogurt; milk, yogurt, cheese
    case kPyramidMeat:
        return 35; // fish
    case kPyramidVegetable:
        return 117; // mixed salad greens
    case kPyramidFruit:
        return 44; // mandarin orange and tangelo
    default:
        return 47; // English muffin and bagel
    }
}

} // namespace

int generatorTarget(int requested)
{
    return requested == 0 ? 0 : std::clamp(requested, kMinMenuTargetCalories, kMaxMenuTargetCalories);
}

int calorieClass(int target)
{
    int calorieClass = 0;
    for (const int limit : kCalorieClassLimits) {
        if (target >= limit) {
            ++calorieClass;
        }
    }
    return calorieClass;
}

int mealShare(MealIndex meal)
{
    return kMealShares.at(static_cast<std::size_t>(meal));
}

Grams candidateAmount(Grams portion, int portionCalories, int remaining)
{
    if (portionCalories <= remaining || portionCalories <= kWholePortionCalories) {
        return portion;
    }
    const long long cut = static_cast<long long>(std::max(remaining, 0)) * portion / portionCalories;
    return static_cast<Grams>(std::max(cut, 1LL));
}

PyramidServings DayServings(const CFofDoc& document)
{
    PyramidServings total;
    for (const CMeal& meal : document.meals()) {
        for (const CFood& entry : meal) {
            total.add(document.entryPyramidServings(entry));
        }
    }
    return total;
}

PyramidGroup PyramidBalance(const PyramidServings& day, float dayTotalFat)
{
    const float milk = day[kPyramidMilk];
    const float meat = day[kPyramidMeat];
    const float vegetable = day[kPyramidVegetable];
    const float fruit = day[kPyramidFruit];
    // Fat eaten beyond the foods' own servings counts as sweets: a fortieth of a serving per gram.
    const auto sweets = static_cast<float>(day[kPyramidSweets] + 0.025 * dayTotalFat);
    const float halfSweets = sweets * 0.5f;
    const float halfBread = day[kPyramidBread] * 0.5f;
    if (halfBread <= fruit || halfBread <= vegetable || halfBread <= milk || halfBread <= meat) {
        return kPyramidBread;
    }
    if (vegetable <= milk) {
        return kPyramidVegetable;
    }
    if (fruit <= meat) {
        return kPyramidFruit;
    }
    if (milk <= halfSweets) {
        return kPyramidMilk;
    }
    if (meat <= halfSweets) {
        return kPyramidMeat;
    }
    if (2.0f * fruit <= halfBread) {
        return kPyramidFruit;
    }
    if (2.0f * milk <= vegetable) {
        return kPyramidMilk;
    }
    if (2.0f * vegetable <= halfBread) {
        return kPyramidVegetable;
    }
    return kPyramidBread;
}

bool FruitNeeded(const PyramidServings& day)
{
    return day[kPyramidFruit] <= day[kPyramidMeat];
}

MenuGenerator::MenuGenerator(CFofDoc& day, RandomSource& random) : m_day(day), m_random(random)
{
}

GeneratedMenu MenuGenerator::GenerateMenu(int requested)
{
    const int target = generatorTarget(requested);
    m_target = target != 0 ? target : kRandomMenuBase + Draw(kRandomMenuSpan);
    m_calorieClass = calorieClass(m_target);
    m_picks.clear();
    m_day.clearDay();

    BuildMeal(kBreakfast);
    BuildMeal(kLunch);
    BuildMeal(kDinner);
    BuildSnacksWhileCaloriesRemain();
    TopUpWhileCaloriesRemain();

    static constexpr MealIndex kShownMeals[] = {kBreakfast, kLunch, kDinner};
    const MealIndex shown = kShownMeals[Draw(3)];
    SelectMeal(shown);

    GeneratedMenu menu;
    menu.target = m_target;
    menu.calorieClass = m_calorieClass;
    menu.shownMeal = shown;
    menu.picks = std::move(m_picks);
    m_picks.clear();
    return menu;
}

void MenuGenerator::BuildSnacksWhileCaloriesRemain()
{
    for (const MealIndex snack : {kAfternoonSnack, kEveningSnack, kMorningSnack}) {
        if (!CaloriesRemain()) {
            return;
        }
        BuildMeal(snack);
    }
}

void MenuGenerator::TopUpWhileCaloriesRemain()
{
    m_topUpCounters.fill(0);
    while (CaloriesRemain()) {
        const int before = RemainingCalories();
        TopUp();
        // A candidate without calories would never let the loop end.
        if (RemainingCalories() >= before) {
            return;
        }
    }
}

void MenuGenerator::TopUp()
{
    const PyramidGroup group = PyramidBalance();
    int& counter = m_topUpCounters[static_cast<std::size_t>(group - kPyramidMilk)];
    const int k = counter++;
    const MealIndex meal = topUpMeal(group, k);
    SelectMeal(meal);
    AddCandidate(topUpList(group, meal));
    m_picks.back().topUp = true;
}

void MenuGenerator::BuildMeal(MealIndex meal)
{
    // The run's target stands for the request, so a random menu shares out its drawn target.
    m_mealTarget = m_target * mealShare(meal) / 100;
    SelectMeal(meal);
    switch (meal) {
    case kBreakfast:
        BuildBreakfast();
        break;
    case kLunch:
        BuildLunch();
        break;
    case kDinner:
        BuildDinner();
        break;
    default:
        BuildSnack();
        break;
    }
}

void MenuGenerator::BuildBreakfast()
{
    const int main = OneOf({33, 25, 71, 1, 76, 31, 15});
    AddCandidate(main);
    AddCandidate(main == 25 ? 66 : OneOf({125, 17, 27})); // milk with cereals, else yogurt or cheese
    if (main == 33 || main == 25) {
        AddCandidate(8);
    }
    if (main == 33 && MealBelow(50)) {
        AddCandidate(0);
    }
    if (m_target < kCalorieClassLimits[0]) {
        AddCandidate(45);
    } else if (MealBelow(70)) {
        AddCandidate(OneOf({23, 55, 7, 42, 7}));
    }
    if (MealBelow(50)) {
        AddCandidate(OneOf({9, 106}));
    }
    AddCandidate(OneOf({109, 24}));
}

void MenuGenerator::BuildLunch()
{
    const int cc = m_calorieClass;
    const int s13 = cc < 2 ? 95 : 94;
    const int s14 = cc < 2 ? 51 : (cc == 2 ? 49 : 50);
    const int s15 = cc < 2 ? 20 : 5;
    const int s16 = cc < 2 ? 39 : 38;
    const int s17 = cc == 0 ? 11 : 10;
    const int s18 = cc == 0 ? 61 : 58;
    const int s21 = cc == 3 ? 89 : 95;
    const int s9 = cc < 2 ? 7 : 81;
    const int s10 = cc < 2 ? 41 : 70;
    const int s11 = cc < 2 ? 41 : 13;
    const int s12 = cc < 2 ? 52 : 53;
    const int s6 = cc == 3 ? 101 : 123;

    const int main = OneOf({s13, s14, s15, s16, s17, s18, 82, 48, s21, 65, 105});
    AddCandidate(main);
    if (MealBelow(30)) {
        AddCandidate(102);
    }
    // Sandwiches and burgers bring their own bread.
    if (MealBelow(70) && !contains({94, 95, 49, 51}, main)) {
        AddCandidate(OneOf({8, 30}));
    }
    if (MealBelow(80)) {
        AddCandidate(OneOf({92, 119}));
    }
    if (MealBelow(80)) {
        AddCandidate(OneOf({41, 88, s9, s10, s11, s12}));
    }
    if (PyramidBalance() == kPyramidMilk && MealBelow(90)) {
        AddCandidate(66);
    } else {
        AddCandidate(OneOf({109, 24, s6}));
    }
}

void MenuGenerator::BuildDinner()
{
    const int cc = m_calorieClass;
    const int d2 = cc >= 2 && CaloriesRemain() ? 101 : 123;
    const int d13 = cc <= 2 ? 41 : 81;
    const int d14 = cc < 2 ? 41 : 70;
    const int d15 = cc == 0 ? 41 : 13;
    const int d16 = cc == 0 ? 45 : 52;
    const int d22 = cc < 2 ? 4 : 6;

    AddCandidate(OneOf({5, 36, 57, 60, 20, d22, 122, 56, 85, 100, 113, 84, 19, 32, 99, 98, 114, 111, 59}));
    AddCandidate(OneOf({90, 77, 104, 91}));
    if (MealBelow(40)) {
        AddCandidate(102);
    }
    if (MealBelow(50) && CaloriesRemain()) {
        AddCandidate(30);
    }
    AddCandidate(OneOf({115, 110}));
    if (MealBelow(60) && CaloriesRemain()) {
        const PyramidGroup group = PyramidBalance();
        if (group == kPyramidBread) {
            AddCandidate(72);
        } else if (group == kPyramidVegetable) {
            AddCandidate(OneOf({86, 112}));
        }
    }
    if (MealBelow(80) && CaloriesRemain()) {
        AddCandidate(FruitNeeded() ? 41 : OneOf({7, 88, d13, d14, d15, d16}));
    }
    AddCandidate(OneOf({109, 24, d2}));
}

void MenuGenerator::BuildSnack()
{
    const PyramidGroup group = PyramidBalance();
    if (group == kPyramidBread) {
        AddCandidate(OneOf({83, 28}));
    } else if (group == kPyramidFruit || FruitNeeded()) {
        AddCandidate(OneOf({55, 41}));
    } else if (group == kPyramidMilk) {
        AddCandidate(OneOf({17, 66, 22}));
    } else if (group == kPyramidMeat) {
        AddCandidate(73);
    } else if (group == kPyramidVegetable) {
        AddCandidate(OneOf({120, 118}));
    }
}

void MenuGenerator::AddCandidate(int list)
{
    GeneratorPick pick;
    pick.meal = m_meal;
    pick.list = list;
    const int remaining = RemainingCalories();
    const std::span<const FoodId> foods = candidateList(list);
    if (remaining > 0 && !foods.empty()) {
        const FoodId food = foods[static_cast<std::size_t>(Draw(static_cast<int>(foods.size())))];
        const FoodOperations& operations = m_day.foods();
        const Grams portion = operations.generatorPortion(food, m_calorieClass);
        const int calories = saturatingTruncate<int>(operations.entryCalories(food, portion));
        const Grams amount = candidateAmount(portion, calories, remaining);
        m_day.appendEntry(m_meal, food, amount);
        pick.added = CFood(food, amount);
    }
    m_picks.push_back(pick);
}

bool MenuGenerator::MealBelow(int percent) const
{
    const float mealCalories = m_day.totals().meal(m_meal)[kCalories];
    return static_cast<float>(percent * m_mealTarget / 100) > mealCalories;
}

bool MenuGenerator::CaloriesRemain() const
{
    return static_cast<float>(m_target) - DayCalories() > kCaloriesLeftOver;
}

PyramidServings MenuGenerator::DayServings() const
{
    return mw::DayServings(m_day);
}

PyramidGroup MenuGenerator::PyramidBalance() const
{
    return mw::PyramidBalance(DayServings(), m_day.totals().day()[kTotalFat]);
}

bool MenuGenerator::FruitNeeded() const
{
    return mw::FruitNeeded(DayServings());
}

void MenuGenerator::SelectMeal(MealIndex meal)
{
    m_meal = meal;
}

int MenuGenerator::OneOf(std::initializer_list<int> lists)
{
    return lists.begin()[Draw(static_cast<int>(lists.size()))];
}

int MenuGenerator::Draw(int count)
{
    return std::clamp(m_random.next(), 0, RandomSource::kMaxValue) % count;
}

int MenuGenerator::RemainingCalories() const
{
    return m_target - saturatingTruncate<int>(DayCalories());
}

float MenuGenerator::DayCalories() const
{
    return m_day.totals().day()[kCalories];
}

} // namespace mw
