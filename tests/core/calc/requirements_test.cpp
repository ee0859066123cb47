#include "calc/requirements.h"

#include "model/settings.h"
#include "model/settings_keys.h"

#include <gtest/gtest.h>

#include <climits>

namespace mw {
namespace {

// Requirement slots of the vitamin and mineral table, in its column order.
constexpr NutrientIndex kAllowanceColumns[] = {kVitaminA,   kVitaminE,  kVitaminC, kThiamin,    kRiboflavin,
                                               kNiacin,     kVitaminB6, kFolate,   kVitaminB12, kCalcium,
                                               kPhosphorus, kMagnesium, kIron,     kZinc};

void expectAllowanceRow(const RequirementVector& r, std::initializer_list<int> row)
{
    const int* value = row.begin();
    for (const NutrientIndex n : kAllowanceColumns) {
        EXPECT_EQ(r[n], static_cast<float>(*value++)) << "nutrient " << n;
    }
}

TEST(Requirements, ManOfFortyAt160Pounds)
{
    const RequirementVector r = ComputeRequirements(40, 160, 5, kMale);
    EXPECT_EQ(r[kCalories], 2604.0f);
    EXPECT_EQ(energyKilojoules(r[kCalories]), 10936);
    EXPECT_EQ(r[kProtein], 58.0f);
    EXPECT_EQ(r[kCarbohydrate], 325.0f);
    EXPECT_EQ(r[kTotalFat], 86.0f);
    EXPECT_EQ(r[kSaturatedFat], 28.0f);
    EXPECT_EQ(r[kMonounsaturatedFat], 26.0f);
    EXPECT_EQ(r[kPolyunsaturatedFat], 26.0f);
    EXPECT_EQ(r[kPotassium], 2500.0f);
    expectAllowanceRow(r, {1000, 10, 60, 1500, 1700, 19, 2000, 200, 2, 800, 800, 350, 10, 15});
    EXPECT_EQ(r[kWeight], 1.0f);
    EXPECT_EQ(r[kCholesterol], 300.0f);
    EXPECT_EQ(r[kFiber], 30.0f);
    EXPECT_EQ(r[kCopper], 2.0f);
    EXPECT_EQ(r[kSodium], 2400.0f);
    EXPECT_EQ(r[kAlcohol], 1.0f);
}

TEST(Requirements, CategoriesChooseFactorsAdditionsAndRows)
{
    const RequirementVector woman = ComputeRequirements(30, 130, 3, kFemale);
    EXPECT_EQ(woman[kCalories], 1825.0f);
    EXPECT_EQ(woman[kProtein], 47.0f);
    expectAllowanceRow(woman, {800, 8, 60, 1100, 1300, 15, 1600, 180, 2, 800, 800, 280, 15, 12});

    const RequirementVector pregnant = ComputeRequirements(28, 140, 4, kPregnant);
    EXPECT_EQ(pregnant[kCalories], 2391.0f); // 2091 + 300
    EXPECT_EQ(pregnant[kProtein], 60.0f);    // 50 + 10
    EXPECT_EQ(pregnant[kFolate], 400.0f);
    EXPECT_EQ(pregnant[kIron], 30.0f);

    const RequirementVector first = ComputeRequirements(28, 140, 4, kLactatingFirstHalfYear);
    EXPECT_EQ(first[kCalories], 2591.0f);
    EXPECT_EQ(first[kProtein], 65.0f);
    expectAllowanceRow(first, {1300, 12, 95, 1600, 1800, 20, 2100, 280, 3, 1200, 1200, 355, 15, 19});
    const RequirementVector second = ComputeRequirements(28, 140, 4, kLactatingSecondHalfYear);
    EXPECT_EQ(second[kCalories], 2591.0f);
    EXPECT_EQ(second[kProtein], 62.0f);
    expectAllowanceRow(second, {1200, 11, 90, 1600, 1700, 20, 2100, 260, 3, 1200, 1200, 340, 15, 16});
}

TEST(Requirements, ChildrenGetChildRowsAndPotassiumFromCalories)
{
    const RequirementVector boy = ComputeRequirements(5, 40, 5, kMale);
    EXPECT_EQ(boy[kCalories], 1583.0f);
    EXPECT_EQ(boy[kProtein], 19.0f);
    EXPECT_EQ(boy[kPotassium], 1234.0f); // 78 x 1583 / 100
    expectAllowanceRow(boy, {500, 7, 45, 900, 1100, 12, 1100, 75, 1, 800, 800, 120, 10, 10});
    // Category does not matter for the row of a child.
    const RequirementVector girl = ComputeRequirements(5, 40, 5, kFemale);
    expectAllowanceRow(girl, {500, 7, 45, 900, 1100, 12, 1100, 75, 1, 800, 800, 120, 10, 10});

    const RequirementVector teen = ComputeRequirements(13, 100, 6, kFemale);
    EXPECT_EQ(teen[kCalories], 2185.0f);
    EXPECT_EQ(teen[kPotassium], 1704.0f);
    expectAllowanceRow(teen, {800, 8, 50, 1100, 1300, 15, 1400, 150, 2, 1200, 1200, 280, 15, 12});
    // From 15 on potassium is fixed.
    EXPECT_EQ(ComputeRequirements(14, 100, 6, kFemale)[kPotassium], 1704.0f);
    EXPECT_EQ(ComputeRequirements(15, 100, 6, kFemale)[kPotassium], 2500.0f);
}

TEST(Requirements, ElevenYearOldGirlGetsFemaleEnergyButTheBoysRow)
{
    const RequirementVector r = ComputeRequirements(11, 80, 5, kFemale);
    EXPECT_EQ(r[kCalories], 1654.0f);
    EXPECT_NE(r[kCalories], ComputeRequirements(11, 80, 5, kMale)[kCalories]);
    expectAllowanceRow(r, {1000, 10, 50, 1300, 1500, 17, 1700, 150, 2, 1200, 1200, 270, 12, 15});
    // At 12 the female row applies.
    EXPECT_EQ(ComputeRequirements(12, 80, 5, kFemale)[kVitaminA], 800.0f);
}

TEST(Requirements, ActivityFactorRunsFromThreeQuartersTo1245)
{
    EXPECT_EQ(ComputeRequirements(40, 160, 1, kMale)[kCalories], 2013.0f);
    EXPECT_EQ(ComputeRequirements(40, 160, 10, kMale)[kCalories], 3343.0f);
    EXPECT_EQ(ComputeRequirements(1, 10, 4, kMale)[kCalories], 423.0f);
    EXPECT_EQ(energyKilojoules(423), 1776); // 1776.6
    EXPECT_EQ(energyKilojoules(0), 0);
    EXPECT_DOUBLE_EQ(PoundsToKilograms(160), 72.57472); // in double precision
}

TEST(Requirements, AgeBandsStartAtTheirLowerBounds)
{
    const std::pair<int, int> firstAges[] = {{99, 0}, {51, 0}, {50, 1}, {25, 1}, {24, 2}, {19, 2}, {18, 3}, {15, 3},
                                             {14, 4}, {11, 4}, {10, 5}, {7, 5},  {6, 6},  {4, 6},  {3, 7},  {1, 7}};
    for (const auto& [age, band] : firstAges) {
        EXPECT_EQ(AgeBand(age), band) << age;
    }
    EXPECT_EQ(AgeBand(0), 7);
    EXPECT_EQ(AgeBand(INT_MIN), 7);
    EXPECT_EQ(AgeBand(INT_MAX), 0);
}

TEST(Requirements, InputsOutsideTheDialogsRangesNeverReachPastATable)
{
    // A hand-edited age below 1 counts as 1, a category outside 0..4 as male.
    EXPECT_EQ(ComputeRequirements(-3, 20, 5, kMale), ComputeRequirements(1, 20, 5, kMale));
    EXPECT_EQ(ComputeRequirements(40, 160, 5, 7), ComputeRequirements(40, 160, 5, kMale));
    EXPECT_EQ(ComputeRequirements(40, 160, 5, -1), ComputeRequirements(40, 160, 5, kMale));
    // Extreme weights and activities saturate nothing and stay whole numbers.
    const RequirementVector huge = ComputeRequirements(INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    EXPECT_GT(huge[kCalories], 1e18f);
    EXPECT_EQ(energyKilojoules(huge[kCalories]), LLONG_MAX);
    const RequirementVector negative = ComputeRequirements(INT_MIN, INT_MIN, INT_MIN, INT_MIN);
    EXPECT_GT(negative[kCalories], 0.0f); // negative weight times negative factor
    EXPECT_EQ(ComputeRequirements(40, -160, 5, kMale)[kCalories], -2604.0f);
    EXPECT_EQ(ComputeRequirements(40, -160, 5, kMale)[kCarbohydrate], -325.0f); // truncated toward zero
}

TEST(StoredRequirements, NeedAgeAndIdealWeightInRange)
{
    MemorySettings settings;
    EXPECT_FALSE(LoadStoredRequirements(settings));
    settings.writeInt(setting::kAge.section, setting::kAge.key, 40);
    settings.writeInt(setting::kDialogWeight.section, setting::kDialogWeight.key,
                      160); // the dialog's key, not the loader's
    EXPECT_FALSE(LoadStoredRequirements(settings));
    settings.writeInt(setting::kIdealWeight.section, setting::kIdealWeight.key, 160);
    settings.writeInt(setting::kActivity.section, setting::kActivity.key, 5);
    const std::optional<RequirementVector> r = LoadStoredRequirements(settings);
    ASSERT_TRUE(r);
    EXPECT_EQ(*r, ComputeRequirements(40, 160, 5, kMale));

    // Hand-edited inputs are brought into range.
    settings.writeInt(setting::kAge.section, setting::kAge.key, 150);
    settings.writeInt(setting::kIdealWeight.section, setting::kIdealWeight.key, 900);
    settings.writeInt(setting::kActivity.section, setting::kActivity.key, 40);
    settings.writeInt(setting::kSexCategory.section, setting::kSexCategory.key, 7);
    EXPECT_EQ(LoadStoredRequirements(settings), ComputeRequirements(99, 300, 10, kMale));
}

TEST(StoredRequirements, WhatTheFormStoresLoadsBack)
{
    MemorySettings settings;
    CaloricNeedForm form = CaloricNeedForm::fromSettings(settings);
    EXPECT_EQ(form.inputs(), (CaloricNeedInputs{40, 160, 5, kMale}));
    form.setSexCategory(kFemale);
    form.stepAge(-1);
    ASSERT_FALSE(form.store(settings));
    EXPECT_EQ(LoadStoredRequirements(settings), ComputeRequirements(39, 160, 5, kFemale));
    EXPECT_EQ(CaloricNeedForm::fromSettings(settings).inputs(), form.inputs());

    settings.failWritesWith(std::make_error_code(std::errc::read_only_file_system));
    form.stepAge(-1);
    EXPECT_TRUE(form.store(settings));
    EXPECT_EQ(CaloricNeedForm::fromSettings(settings).age(), 39);
}

TEST(CaloricNeedForm, OpensWithTheRangesForTheAge)
{
    const CaloricNeedForm adult(CaloricNeedInputs{40, 40, 0, kMale});
    EXPECT_EQ(adult.idealWeightRange(), (IntRange{70, 300}));
    EXPECT_EQ(adult.idealWeightPounds(), 70);
    EXPECT_EQ(adult.activityRange(), (IntRange{1, 10}));
    EXPECT_EQ(adult.activity(), 1);
    EXPECT_TRUE(adult.categoryEnabled());

    const CaloricNeedForm child(CaloricNeedInputs{5, 140, 9, kFemale});
    EXPECT_EQ(child.idealWeightRange(), (IntRange{10, 150})); // wider than the 4-6 row until the age changes
    EXPECT_EQ(child.idealWeightPounds(), 140);
    EXPECT_EQ(child.activityRange(), (IntRange{4, 7}));
    EXPECT_EQ(child.activity(), 7);
    EXPECT_FALSE(child.categoryEnabled());
    EXPECT_EQ(child.sexCategory(), kFemale);     // kept while disabled
    EXPECT_EQ(child.idealWeightKilograms(), 63); // 63.5 truncated

    const CaloricNeedForm edited(CaloricNeedInputs{-3, 0, 0, 7});
    EXPECT_EQ(edited.inputs(), (CaloricNeedInputs{1, 10, 4, kMale}));
}

TEST(CaloricNeedForm, AgeStepsSetTheRangesForTheNewAge)
{
    CaloricNeedForm form(CaloricNeedInputs{5, 140, 5, kFemale});
    form.stepAge(-1);
    EXPECT_EQ(form.age(), 4);
    EXPECT_EQ(form.idealWeightRange(), (IntRange{20, 110}));
    EXPECT_EQ(form.idealWeightPounds(), 110);
    form.stepAge(-1);
    EXPECT_EQ(form.idealWeightRange(), (IntRange{10, 70}));
    EXPECT_EQ(form.idealWeightPounds(), 70);
    // At the lower end the age stays but the ranges are set again.
    form.stepAge(-1);
    form.stepAge(-1);
    form.stepAge(-1);
    EXPECT_EQ(form.age(), 1);
    EXPECT_EQ(form.idealWeightRange(), (IntRange{10, 70}));

    CaloricNeedForm growing(CaloricNeedInputs{10, 30, 7, kFemale});
    growing.stepAge(+1);
    EXPECT_EQ(growing.age(), 11);
    EXPECT_TRUE(growing.categoryEnabled());
    EXPECT_EQ(growing.idealWeightPounds(), 70);
    EXPECT_EQ(growing.activityRange(), (IntRange{4, 7}));
    growing.stepAge(+1);
    EXPECT_EQ(growing.activityRange(), (IntRange{1, 10}));
    EXPECT_EQ(growing.activity(), 7);
    growing.stepAge(-1);
    growing.stepAge(-1);
    EXPECT_FALSE(growing.categoryEnabled());
    EXPECT_EQ(growing.idealWeightRange(), (IntRange{30, 150}));

    CaloricNeedForm old(CaloricNeedInputs{99, 160, 5, kMale});
    old.stepAge(+1);
    EXPECT_EQ(old.age(), 99);
}

TEST(CaloricNeedForm, StepsPastTheEndChangeNothing)
{
    CaloricNeedForm child(CaloricNeedInputs{5, 40, 4, kMale});
    const RequirementVector before = child.requirements();
    child.stepActivity(-1);
    EXPECT_EQ(child.activity(), 4);
    EXPECT_EQ(child.requirements(), before);
    child.stepActivity(+1);
    EXPECT_EQ(child.activity(), 5);
    EXPECT_NE(child.requirements(), before);

    CaloricNeedForm adult(CaloricNeedInputs{40, 300, 10, kMale});
    adult.stepIdealWeight(+1);
    adult.stepActivity(+1);
    EXPECT_EQ(adult.idealWeightPounds(), 300);
    EXPECT_EQ(adult.activity(), 10);
    adult.stepIdealWeight(INT_MIN);
    EXPECT_EQ(adult.idealWeightPounds(), 70);
    adult.setSexCategory(5);
    EXPECT_EQ(adult.sexCategory(), kMale);
    adult.setSexCategory(kPregnant);
    EXPECT_EQ(adult.sexCategory(), kPregnant);
    EXPECT_EQ(adult.energyKilojoules(), energyKilojoules(adult.requirements()[kCalories]));
}

} // namespace
} // namespace mw
