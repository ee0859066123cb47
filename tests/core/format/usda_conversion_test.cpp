#include "format/personal_food_validation.h"
#include "format/usda_conversion.h"
#include "model/unicode_case.h"
#include "query/usda_food_name.h"
#include "query/usda_personal_food.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace mw {
namespace {

const UsdaValues& valuesOf(std::int32_t ndb)
{
    return usdaValues(findUsdaFood(ndb).value());
}

std::optional<double> per100g(std::int32_t ndb, int nutrient)
{
    const auto amount = usdaNutrientAmount(valuesOf(ndb), ndb / 1000, nutrient);
    return amount ? std::optional<double>(amount->value()) : std::nullopt;
}

// Worked by hand from the rows of data/usda/usda-sr24-foods.csv.
TEST(UsdaConversion, GivesHandCheckedFoodsInTheCatalogueUnits)
{
    struct Case
    {
        std::int32_t ndb;
        int nutrient;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {1009, kCalories, 403.0},        {1009, kVitaminA, 258.0 + 85.0 / 6.0}, // retinol + beta-carotene / 6
        {1009, kThiamin, 27.0},                                                 // 0.027 mg
        {1009, kVitaminB6, 74.0},        {1153, kVitaminA, 397.0 / 3.33},       // IU only, an animal food
        {1153, kVitaminE, std::nullopt}, {1153, kAlcohol, std::nullopt},
        {2006, kVitaminA, 0.0}, // carotenoids given as 0: the IU are not used
        {2006, kFolate, std::nullopt},   {2006, kIron, 13.97},
        {9353, kVitaminA, std::nullopt}, // neither IU nor carotenoids
    };
    for (const Case& c : cases) {
        const std::optional<double> got = per100g(c.ndb, c.nutrient);
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.ndb << " " << c.nutrient;
        if (c.expected) {
            EXPECT_NEAR(*got, *c.expected, 1e-9) << c.ndb << " " << c.nutrient;
        }
    }
    EXPECT_EQ(usdaStandardWord(valuesOf(1153), 1, kVitaminA), 119);
    EXPECT_EQ(usdaStandardWord(valuesOf(1153), 1, kVitaminE), 0);
    EXPECT_EQ(usdaStandardWord(valuesOf(2006), 2, kIron), 13970);
    // Baking powder's calcium does not fit a word: refused, never clamped.
    EXPECT_EQ(usdaStandardWord(valuesOf(18370), 18, kCalcium), std::nullopt);
}

TEST(UsdaConversion, MakesAPortionWithTheMissingValuesMarked)
{
    const UsdaPersonalFood slice = makeUsdaPersonalFood(findUsdaFood(1153).value(), 31.5, "1 fl oz");
    EXPECT_EQ(slice.name, "Milk, canned, evaporated, with added vitamin A");
    EXPECT_FLOAT_EQ(slice.portion.values[kWeight], 31.5f);
    EXPECT_FLOAT_EQ(slice.portion.values[kCalories], 134.0f * 0.315f);
    EXPECT_TRUE(slice.portion.missing[kVitaminE]);
    EXPECT_EQ(slice.portion.values[kVitaminE], 0.0f);
    EXPECT_EQ(slice.portion.missing.count(), 2u);
    EXPECT_FALSE(usdaPersonalFoodProblem(slice).has_value());

    // A cup of salt holds more sodium than the format's 9999.
    const UsdaPersonalFood salt = makeUsdaPersonalFood(findUsdaFood(2047).value(), 292, "1 cup");
    ASSERT_TRUE(usdaPersonalFoodProblem(salt).has_value());
    EXPECT_EQ(usdaPersonalFoodProblem(salt)->nutrient, kSodium);
}

// Raw and braised beef once got one name, cut at 80 characters before "cooked, braised".
TEST(UsdaConversion, PersonalNamesFitKeepThePreparationAndTellEveryFoodApart)
{
    EXPECT_EQ(makeUsdaPersonalFood(findUsdaFood(13066).value(), 100, "100 g").name,
              "Beef, flank, steak, lean+fat, trimmed to 0\" fat, choice, cooked, braised");
    std::set<std::string> names;
    for (std::size_t food = 0; food < usdaFoodCount(); ++food) {
        const std::string_view usda = usdaFood(food).name;
        const std::string name = usdaPersonalFoodName(food);
        ASSERT_LE(utf8CharacterCount(name), kMaxPersonalNameLength) << name;
        EXPECT_TRUE(names.insert(name).second) << name << " names two foods";
        std::istringstream words(foldCaseUtf8(usda));
        const std::string shortName = foldCaseUtf8(name);
        for (std::string word; std::getline(words, word, ' ');) {
            while (!word.empty() && (word.back() == ',' || word.back() == ')')) {
                word.pop_back();
            }
            if (isUsdaPreparationWord(word)) {
                EXPECT_NE(shortName.find(word), std::string::npos) << usda << " became " << name;
            }
        }
        if (usda.size() <= kMaxPersonalNameLength && name.find("(NDB ") == std::string::npos) {
            EXPECT_EQ(name, usda);
        }
    }
}

} // namespace
} // namespace mw
