#include "format/personal_food_validation.h"

#include <gtest/gtest.h>

#include <limits>

namespace mw {
namespace {

PersonalFoodValues valid()
{
    PersonalFoodValues values{};
    values[kWeight] = 100.0f;
    return values;
}

TEST(PersonalFoodValidation, RangesOfTheAddFoodDialog)
{
    EXPECT_EQ(validatePersonalFood("", "1 serving", valid()), std::nullopt);
    EXPECT_EQ(validatePersonalFood(std::string(80, 'x'), std::string(20, 'u'), valid()), std::nullopt);
    EXPECT_EQ(validatePersonalFood(std::string(81, 'x'), "", valid())->field, PersonalFoodField::kName);
    EXPECT_EQ(validatePersonalFood("x", std::string(21, 'u'), valid())->field, PersonalFoodField::kUnit);
    // Characters count, not bytes: 80 two-byte letters fit.
    std::string umlauts;
    for (int i = 0; i < 80; ++i) {
        umlauts += "\xC3\xBC";
    }
    EXPECT_EQ(validatePersonalFood(umlauts, "", valid()), std::nullopt);

    const auto refused = [](int nutrient, float value) {
        PersonalFoodValues values = valid();
        values[static_cast<std::size_t>(nutrient)] = value;
        const auto problem = validatePersonalFood("x", "y", values);
        return problem && problem->field == PersonalFoodField::kValue && problem->nutrient == nutrient;
    };
    EXPECT_TRUE(refused(kWeight, 0.0f));
    EXPECT_TRUE(refused(kWeight, 0.5f));
    EXPECT_FALSE(refused(kWeight, 1.0f));
    EXPECT_FALSE(refused(kWeight, 9999.0f));
    EXPECT_TRUE(refused(kWeight, 10000.0f));
    EXPECT_FALSE(refused(kCalories, 0.0f));
    EXPECT_TRUE(refused(kCalories, -0.1f));
    EXPECT_TRUE(refused(kAlcohol, 9999.5f));
    EXPECT_TRUE(refused(kIron, std::numeric_limits<float>::quiet_NaN()));
}

} // namespace
} // namespace mw
