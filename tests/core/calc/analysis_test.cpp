#include "calc/analysis.h"

#include "calc/requirements.h"
#include "core/query/fake_personal_foods.h"
#include "model/food_operations.h"
#include "model/settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

namespace mw {
namespace {

NutrientVector vectorOf(std::initializer_list<std::pair<NutrientIndex, float>> values)
{
    NutrientVector v;
    for (const auto& [index, value] : values) {
        v[index] = value;
    }
    return v;
}

TEST(DisplayInteger, FirstDecimalOfFiveOrMoreGoesUpAndHugeValuesSaturate)
{
    EXPECT_EQ(displayInteger(2.45f), 2);
    EXPECT_EQ(displayInteger(2.5f), 3);
    EXPECT_EQ(displayInteger(0.0f), 0);
    EXPECT_EQ(displayInteger(0.49f), 0);
    EXPECT_EQ(displayInteger(0.5f), 1);
    EXPECT_EQ(displayInteger(149.816f), 150);
    EXPECT_EQ(displayInteger(-2.4f), -2);
    EXPECT_EQ(displayInteger(-2.7f), -2);
    EXPECT_EQ(displayInteger(1e12f), INT_MAX);
    EXPECT_EQ(displayInteger(2147483647.0f), INT_MAX);
    EXPECT_EQ(displayInteger(214748364.0f), 214748368); // the float nearest
    EXPECT_EQ(displayInteger(-1e12f), INT_MIN);
    EXPECT_EQ(displayInteger(std::numeric_limits<float>::infinity()), INT_MAX);
    EXPECT_EQ(displayInteger(-std::numeric_limits<float>::infinity()), INT_MIN);
    EXPECT_EQ(displayInteger(std::numeric_limits<float>::quiet_NaN()), 0);
}

TEST(PercentOfGoal, TruncatedAndNoneForAZeroGoal)
{
    EXPECT_EQ(percentOfGoal(2604.0f, 2604.0f), 100);
    EXPECT_EQ(percentOfGoal(6510.0f, 2604.0f), 250);
    EXPECT_EQ(percentOfGoal(2603.9f, 2604.0f), 99);
    EXPECT_EQ(percentOfGoal(0.0f, 10.0f), 0);
    EXPECT_EQ(percentOfGoal(5.0f, 0.0f), std::nullopt);
    EXPECT_EQ(percentOfGoal(5.0f, -0.0f), std::nullopt);
    EXPECT_EQ(percentOfGoal(1e30f, 1e-30f), INT_MAX);
    EXPECT_EQ(percentOfGoal(-1e30f, 1e-30f), INT_MIN);
    EXPECT_EQ(percentOfGoal(std::numeric_limits<float>::quiet_NaN(), 1.0f), 0);
}

TEST(PercentOfGoal, GoalIsTheRequirementOrThePreferredUpperValue)
{
    AnalysisGoals goals;
    goals.requirements = ComputeRequirements(40, 160, 5, kMale);
    PreferenceTable table{};
    table[kCalories] = {2000, 3000};
    table[kProtein] = {50, 0};
    goals.preferences = IntakePreferences(table);
    const NutrientVector day = vectorOf({{kWeight, 500}, {kCalories, 1302}, {kProtein, 29}, {kAlcohol, 2}});

    EXPECT_EQ(percentOfGoal(day, kCalories, goals), 50);
    EXPECT_EQ(percentOfGoal(day, kProtein, goals), 50);
    EXPECT_EQ(percentOfGoal(day, kAlcohol, goals), 200); // the requirement is 1 g
    EXPECT_EQ(percentOfGoal(day, kWeight, goals), std::nullopt);
    EXPECT_EQ(percentOfGoal(day, 28, goals), std::nullopt);

    goals.usePersonalGoal = true;
    EXPECT_EQ(goalOf(goals, kCalories), 3000.0f);
    EXPECT_EQ(percentOfGoal(day, kCalories, goals), 43);
    EXPECT_EQ(percentOfGoal(day, kProtein, goals), std::nullopt);
    EXPECT_EQ(percentOfGoal(day, kAlcohol, goals), std::nullopt);
    goals.preferences.reset();
    EXPECT_EQ(percentOfGoal(day, kCalories, goals), std::nullopt);
}

TEST(PercentOfGoal, AlcoholIsDrawnOnlyAgainstThePersonalGoal)
{
    EXPECT_FALSE(percentColumnShows(kAlcohol, false));
    EXPECT_TRUE(percentColumnShows(kAlcohol, true));
    EXPECT_TRUE(percentColumnShows(kCalories, false));
    EXPECT_TRUE(percentColumnShows(kPotassium, false));
    EXPECT_FALSE(percentColumnShows(kWeight, true));
}

TEST(IntakeLevel, ClassesAgainstFromAndTo)
{
    EXPECT_EQ(intakeLevel(9.99f, 10, 20), IntakeLevel::kBelow);
    EXPECT_EQ(intakeLevel(10.0f, 10, 20), IntakeLevel::kIn);
    EXPECT_EQ(intakeLevel(19.99f, 10, 20), IntakeLevel::kIn);
    EXPECT_EQ(intakeLevel(20.0f, 10, 20), IntakeLevel::kAbove);
    EXPECT_EQ(intakeLevel(24.9f, 10, 20), IntakeLevel::kAbove);
    EXPECT_EQ(intakeLevel(25.0f, 10, 20), IntakeLevel::kFarAbove);
    // With From = To everything at or above To is far above.
    EXPECT_EQ(intakeLevel(19.0f, 20, 20), IntakeLevel::kBelow);
    EXPECT_EQ(intakeLevel(20.0f, 20, 20), IntakeLevel::kFarAbove);
    EXPECT_EQ(intakeLevel(0.0f, 0, 0), IntakeLevel::kFarAbove);

    EXPECT_EQ(intakeLevelColor(IntakeLevel::kBelow), (RgbColor{255, 255, 0}));
    EXPECT_EQ(intakeLevelColor(IntakeLevel::kIn), (RgbColor{0, 255, 0}));
    EXPECT_EQ(intakeLevelColor(IntakeLevel::kAbove), (RgbColor{255, 0, 255}));
    EXPECT_EQ(intakeLevelColor(IntakeLevel::kFarAbove), (RgbColor{255, 0, 0}));
    EXPECT_EQ(intakeLevelName(IntakeLevel::kFarAbove), "far-above");
}

TEST(IntakeLevel, UsesThePreferencesWhateverTheGoal)
{
    AnalysisGoals goals;
    goals.requirements = ComputeRequirements(40, 160, 5, kMale);
    const NutrientVector day = vectorOf({{kCalories, 2500}});
    EXPECT_EQ(intakeLevel(day, kCalories, goals), std::nullopt);
    PreferenceTable table{};
    table[kCalories] = {2000, 2400};
    goals.preferences = IntakePreferences(table);
    EXPECT_EQ(intakeLevel(day, kCalories, goals), IntakeLevel::kAbove);
    goals.usePersonalGoal = true;
    EXPECT_EQ(intakeLevel(day, kCalories, goals), IntakeLevel::kAbove);
    EXPECT_EQ(intakeLevel(day, kWeight, goals), std::nullopt);
}

TEST(CalorieShares, EdgeCasesOfTheFatShare)
{
    EXPECT_EQ(calorieShares(vectorOf({{kCalories, 40}, {kProtein, 10}})), (CalorieShares{100, 0, 0}));
    // 10 x 930 / 90 = 103 becomes 99.
    EXPECT_EQ(fatShare(vectorOf({{kCalories, 90}, {kProtein, 1}, {kTotalFat, 10}})), 99);
    EXPECT_EQ(calorieShares(vectorOf({{kCalories, 90}, {kProtein, 1}, {kTotalFat, 10}})), (CalorieShares{1, 0, 99}));
    EXPECT_EQ(calorieShares(vectorOf({{kCalories, 884}, {kTotalFat, 100}})), (CalorieShares{0, 0, 100}));
    // Fat but no calories.
    EXPECT_EQ(calorieShares(vectorOf({{kProtein, 5}, {kTotalFat, 1}})), (CalorieShares{1, 0, 99}));
    EXPECT_EQ(calorieShares(NutrientVector()), (CalorieShares{0, 0, 0}));
    EXPECT_EQ(calorieShares(vectorOf({{kCalories, 400}, {kCarbohydrate, 100}})), (CalorieShares{0, 100, 0}));
}

TEST(CalorieShares, HugeOrNegativeValuesStayWithinZeroToAHundred)
{
    EXPECT_EQ(fatShare(vectorOf({{kCalories, 1e-30f}, {kProtein, 1}, {kTotalFat, 1e30f}})), 99);
    EXPECT_EQ(fatShare(vectorOf({{kCalories, 100}, {kProtein, 1}, {kTotalFat, -5}})), 0);
    const NutrientVector cancelling = vectorOf({{kCalories, 100}, {kProtein, 5}, {kCarbohydrate, -5}});
    EXPECT_EQ(calorieShares(cancelling), (CalorieShares{0, 100, 0}));
    const NutrientVector negative = vectorOf({{kCalories, 100}, {kProtein, 10}, {kCarbohydrate, -4}});
    const CalorieShares s = calorieShares(negative);
    EXPECT_EQ(s.protein, 100);
    EXPECT_EQ(s.carbohydrate, 0);
    const NutrientVector nan = vectorOf(
        {{kCalories, 100}, {kProtein, 1}, {kCarbohydrate, 1}, {kTotalFat, std::numeric_limits<float>::quiet_NaN()}});
    EXPECT_EQ(fatShare(nan), 0);
}

TEST(FatWarning, PanelFromTheLevelReportAboveIt)
{
    EXPECT_TRUE(fatWarning(30, 30, FatWarningPlace::kPanel));
    EXPECT_FALSE(fatWarning(30, 30, FatWarningPlace::kReport));
    EXPECT_TRUE(fatWarning(31, 30, FatWarningPlace::kReport));
    EXPECT_FALSE(fatWarning(29, 30, FatWarningPlace::kPanel));
    const NutrientVector milk = FoodOperations().entryNutrients(0, 244);
    EXPECT_TRUE(fatWarning(milk, 50, FatWarningPlace::kPanel));
    EXPECT_FALSE(fatWarning(milk, 50, FatWarningPlace::kReport));
}

TEST(BarWidths, PercentBarStopsAtTwoHundred)
{
    EXPECT_EQ(percentBarWidth(250, 300), 200);
    EXPECT_EQ(percentBarWidth(250, 90), 60);
    EXPECT_EQ(percentBarWidth(100, 100), 33);
    EXPECT_EQ(percentBarWidth(INT_MAX, 300), 200);
    EXPECT_EQ(percentBarWidth(INT_MIN, 300), 0);
    EXPECT_EQ(percentBarWidth(std::nullopt, 300), 0);
    EXPECT_EQ(percentBarWidth(0, 300), 0);
    EXPECT_EQ(percentBarWidth(150, INT_MAX), 1073741823);
    EXPECT_EQ(percentBarWidth(150, -10), 0);
}

TEST(BarWidths, CalorieBarsMeasureAgainstTwoThirdsOfTheCell)
{
    EXPECT_EQ(calorieShareBarWidth(100, 100), 66); // a whole share reaches the 100 % mark
    EXPECT_EQ(calorieShareBarWidth(100, 100), calorieScaleLength(100));
    EXPECT_EQ(calorieShareBarWidth(55, 100), 36);
    EXPECT_EQ(calorieShareBarWidth(50, 152), 50); // 50.16
    EXPECT_EQ(calorieShareBarWidth(30, 30), 5);   // a narrow cell's bar is no sliver (5.94)
    EXPECT_EQ(calorieShareBarWidth(0, 100), 0);
    EXPECT_EQ(calorieShareBarWidth(100, INT_MAX), 1417339207);
    EXPECT_EQ(calorieShareBarWidth(INT_MAX, 100), 66);
    EXPECT_EQ(calorieShareBarWidth(50, -100), 0);
    EXPECT_EQ(calorieScaleLength(-1), 0);
}

class DayTotalsTest : public ::testing::Test
{
protected:
    DayTotalsTest() : m_foods(&m_personal)
    {
        std::array<float, kNutrientCount> values{};
        values[kWeight] = 100;
        values[kCalories] = 250;
        values[kProtein] = 3.3f;
        values[kTotalFat] = -4; // a negative value in the personal database
        values[kSodium] = 0.7f;
        m_odd = m_personal.add("Test food [100 g]", values);
    }

    test::FakePersonalFoods m_personal;
    FoodOperations m_foods;
    FoodId m_odd = 0;
};

TEST_F(DayTotalsTest, ComputeAddsEveryEntryOfEveryMeal)
{
    DayMeals meals;
    meals[kBreakfast].append(CFood(0, 244));
    meals[kBreakfast].append(CFood(m_odd, 50));
    meals[kDinner].append(CFood(0, 0));
    const DayTotals totals = computeTotals(meals, m_foods);

    NutrientVector breakfast = m_foods.entryNutrients(0, 244);
    breakfast.add(m_foods.entryNutrients(m_odd, 50));
    EXPECT_EQ(totals.meal(kBreakfast), breakfast);
    EXPECT_EQ(totals.meal(kDinner), m_foods.entryNutrients(0, 244));
    EXPECT_EQ(totals.meal(kLunch), NutrientVector());
    EXPECT_EQ(totals.day()[kWeight], 538.0f);
    EXPECT_EQ(totals.day()[kTotalFat], 2 * m_foods.entryNutrients(0, 244)[kTotalFat]);
    EXPECT_EQ(sumEntries(meals[kBreakfast].entries(), m_foods), breakfast);
}

TEST_F(DayTotalsTest, RecomputingAfterEachEditMatchesAFreshComputation)
{
    DayMeals meals;
    for (Grams g = 1; g < 40; ++g) {
        meals[kLunch].append(CFood(static_cast<FoodId>(g * 7), static_cast<Grams>(g * 13)));
    }
    meals[kLunch].append(CFood(m_odd, 33));
    DayTotals totals = computeTotals(meals, m_foods);

    meals[kLunch].setAmount(5, 999);
    totals.recomputeMeal(kLunch, meals[kLunch].entries(), m_foods);
    EXPECT_EQ(totals, computeTotals(meals, m_foods));
    meals[kLunch].remove(0);
    totals.recomputeMeal(kLunch, meals[kLunch].entries(), m_foods);
    EXPECT_EQ(totals, computeTotals(meals, m_foods));

    // Deleting every entry gives exact zeros, whatever the entries held.
    while (!meals[kLunch].empty()) {
        meals[kLunch].remove(meals[kLunch].size() - 1);
        totals.recomputeMeal(kLunch, meals[kLunch].entries(), m_foods);
    }
    EXPECT_EQ(totals.meal(kLunch), NutrientVector());
    EXPECT_EQ(totals.day(), NutrientVector());
}

TEST(AnalysisGoals, ComeFromTheSettings)
{
    MemorySettings settings;
    const RequirementVector r = ComputeRequirements(40, 160, 5, kMale);
    AnalysisGoals goals = analysisGoals(settings, r);
    EXPECT_FALSE(goals.usePersonalGoal);
    EXPECT_EQ(goals.fatWarningPercent, 30);
    EXPECT_FALSE(goals.preferences);
    EXPECT_EQ(goals.requirements, r);

    settings.writeInt(setting::kUsePersonalGoal.section, setting::kUsePersonalGoal.key, 1);
    settings.writeInt(setting::kFatWarningPercent.section, setting::kFatWarningPercent.key, 40);
    settings.writeText(setting::kNip, "F1", "2000");
    goals = analysisGoals(settings, r);
    EXPECT_TRUE(goals.usePersonalGoal);
    EXPECT_EQ(goals.fatWarningPercent, 40);
    ASSERT_TRUE(goals.preferences);
    EXPECT_EQ(goals.preferences->from(kCalories), 2000.0f);
}

TEST(AnalyzeDay, GathersEveryNumberOfTheDay)
{
    DayMeals meals;
    meals[kBreakfast].append(CFood(0, 244));
    const FoodOperations foods;
    AnalysisGoals goals;
    goals.requirements = ComputeRequirements(40, 160, 5, kMale);
    const DayAnalysis analysis = analyzeDay(computeTotals(meals, foods), goals);

    EXPECT_EQ(analysis.display[kWeight], 244);
    EXPECT_EQ(analysis.display[kCalories], 150);
    EXPECT_EQ(analysis.percent[kWeight], std::nullopt);
    EXPECT_EQ(analysis.percent[kCalories], 5); // 149.816 x 100 / 2604
    EXPECT_EQ(analysis.percent[kCalcium], 36); // 291.336 x 100 / 800
    EXPECT_EQ(analysis.percent[kAlcohol], 0);
    EXPECT_EQ(analysis.level[kCalories], std::nullopt);
    // 8.1496 g fat in 149.816 kcal: 50 %; protein 8.0276, carbohydrate 11.3704 share the other 50.
    EXPECT_EQ(analysis.mealShares[kBreakfast], (CalorieShares{20, 30, 50}));
    EXPECT_EQ(analysis.mealShares[kLunch], CalorieShares{});
    EXPECT_EQ(analysis.dayShares, analysis.mealShares[kBreakfast]);

    goals.preferences = IntakePreferences(defaultPreferences(goals.requirements));
    const DayAnalysis withLevels = analyzeDay(computeTotals(meals, foods), goals);
    EXPECT_EQ(withLevels.level[kWeight], std::nullopt);
    EXPECT_EQ(withLevels.level[kCalories], IntakeLevel::kBelow);
    EXPECT_EQ(withLevels.level[kCholesterol], IntakeLevel::kIn);
    EXPECT_EQ(withLevels.level[kAlcohol], IntakeLevel::kFarAbove); // 0 to 0
}

} // namespace
} // namespace mw
