#include "model/food_operations.h"

#include "core/query/fake_personal_foods.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

using test::FakePersonalFoods;

TEST(FoodOperations, OneCupOfMilk)
{
    const FoodOperations foods;
    const NutrientVector v = foods.entryNutrients(0, 244);
    EXPECT_EQ(v[kWeight], 244.0f);
    EXPECT_EQ(v[kCalories], 149.816f);
    EXPECT_EQ(v[kProtein], 8.0276f); // 329 x 244 / 10000
    EXPECT_EQ(v[kCalcium], 291.336f);
    EXPECT_EQ(v[kIron], 0.122f);
    EXPECT_EQ(v[kAlcohol], 0.0f);
    EXPECT_EQ(foods.entryServings(0, 244), 1.0f);
    const PyramidServings s = foods.entryPyramidServings(0, 244);
    EXPECT_EQ(s[kPyramidMilk], 1.0f);
    EXPECT_EQ(s[kPyramidSweets] + s[kPyramidMeat] + s[kPyramidVegetable] + s[kPyramidFruit] + s[kPyramidBread], 0.0f);
    EXPECT_EQ(foods.entryCalories(0, 244), 149.816f);
    EXPECT_EQ(foods.itemText(0), "0;Milk [1 cup]");
    EXPECT_EQ(foods.displayName(0), "Milk [1 cup]");
}

TEST(FoodOperations, AmountZeroMeansOneServingButNoServingsCounted)
{
    const FoodOperations foods;
    EXPECT_EQ(foods.entryNutrients(0, 0), foods.entryNutrients(0, 244));
    EXPECT_EQ(foods.entryServings(0, 0), 0.0f);
    EXPECT_EQ(foods.entryPyramidServings(0, 0), PyramidServings());
}

TEST(FoodOperations, LargeAmountsDoNotOverflow)
{
    const FoodOperations foods;
    // 1194 x 65535 would pass 32-bit range for larger words; the result must stay proportional.
    const NutrientVector v = foods.entryNutrients(0, 65535);
    EXPECT_FLOAT_EQ(v[kCalcium], 1194.0f * 65535.0f / 1000.0f);
    EXPECT_GT(v[kCalories], 0.0f);
}

TEST(FoodOperations, GeneratorPortionsByCalorieClass)
{
    const FoodOperations foods;
    EXPECT_EQ(foods.generatorPortion(0, 0), 195);
    EXPECT_EQ(foods.generatorPortion(0, 1), 195);
    EXPECT_EQ(foods.generatorPortion(0, 2), 244);
    EXPECT_EQ(foods.generatorPortion(0, 3), 244);
    EXPECT_EQ(foods.generatorPortion(643, 1), 0);
}

TEST(FoodOperations, PersonalFoodsScaleFromTheirReferenceWeight)
{
    FakePersonalFoods personal;
    std::array<float, kNutrientCount> values{};
    values[kWeight] = 200.0f;
    values[kCalories] = 300.0f;
    values[kIron] = 4.0f;
    personal.add("Stew [1 bowl]", values, kPyramidMeat);
    const FoodOperations foods(&personal);

    EXPECT_EQ(foods.itemText(643), "643;Stew [1 bowl]");
    EXPECT_EQ(foods.displayName(643), "Stew [1 bowl]");
    const NutrientVector half = foods.entryNutrients(643, 100);
    EXPECT_EQ(half[kWeight], 100.0f);
    EXPECT_EQ(half[kCalories], 150.0f);
    EXPECT_EQ(half[kIron], 2.0f);
    EXPECT_EQ(foods.entryNutrients(643, 0)[kCalories], 300.0f);
    EXPECT_EQ(foods.entryServings(643, 100), 0.5f);
    EXPECT_EQ(foods.entryPyramidServings(643, 100)[kPyramidMeat], 0.5f);
    EXPECT_EQ(foods.generatorPortion(643, 2), 0);
}

TEST(FoodOperations, MissingPersonalFoodIsNamedDeletedAndWeighsOneGram)
{
    FakePersonalFoods personal;
    personal.add("Stew [1 bowl]", {});
    const FoodOperations foods(&personal);
    EXPECT_TRUE(foods.exists(643));
    EXPECT_FALSE(foods.exists(644));
    EXPECT_EQ(foods.itemText(644), "9999;Food has been deleted from personal database!");
    EXPECT_EQ(foods.displayName(644), "Food has been deleted from personal database!");
    NutrientVector expected;
    expected[kWeight] = 1.0f;
    EXPECT_EQ(foods.entryNutrients(644, 100), expected);
    EXPECT_EQ(foods.entryServings(644, 100), 1.0f);
    EXPECT_EQ(foods.entryPyramidServings(644, 100), PyramidServings());

    const FoodOperations withoutPersonal;
    EXPECT_EQ(withoutPersonal.itemText(643), "9999;Food has been deleted from personal database!");
}

TEST(NutrientVector, OnlyPositiveSlotsOfTheOtherVectorCount)
{
    NutrientVector total;
    NutrientVector entry;
    entry[kWeight] = 100.0f;
    entry[kCalories] = -5.0f;
    entry[kProtein] = 2.5f;
    total.add(entry).add(entry);
    EXPECT_EQ(total[kWeight], 200.0f);
    EXPECT_EQ(total[kCalories], 0.0f);
    EXPECT_EQ(total[kProtein], 5.0f);
    total.fill(3.0f);
    EXPECT_EQ(total[27], 3.0f);
}

} // namespace
} // namespace mw
