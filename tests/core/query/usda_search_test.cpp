#include "query/usda_search.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

std::int32_t firstNdb(std::string_view text, int group = kAllUsdaGroups)
{
    const std::vector<std::size_t> found = UsdaFoodSearch::instance().search(text, group, 1);
    return found.empty() ? 0 : usdaFood(found.front()).ndb;
}

TEST(UsdaSearch, PutsWhatAPersonMostLikelyMeansFirst)
{
    const std::pair<std::string_view, std::int32_t> cases[] = {
        {"milk", 1077},            // whole cow's milk, not sheep's or a cereal bar
        {"cheddar", 1009},         // "Cheese, cheddar"
        {"CHEDDAR cheese", 1009},  // case does not matter, every word must occur
        {"cheddar !cheese", 3959}, // a baby food before a brand of crackers
        {"salt table", 2047},
        {"xyzzy", 0},
    };
    for (const auto& [text, ndb] : cases) {
        EXPECT_EQ(firstNdb(text), ndb) << text;
    }
    // Brand names, fast food and restaurant foods come after every plain food.
    bool brandSeen = false;
    for (const std::size_t food : UsdaFoodSearch::instance().search("cheddar")) {
        const UsdaFoodRow row = usdaFood(food);
        const bool brand = row.group == 21 || row.group == 36 || hasBrandName(row.name);
        EXPECT_FALSE(brandSeen && !brand) << row.name;
        brandSeen = brandSeen || brand;
    }
    EXPECT_TRUE(brandSeen);
}

TEST(UsdaSearch, FiltersByGroup)
{
    const std::vector<std::size_t> fastFood = UsdaFoodSearch::instance().search("", 21);
    EXPECT_EQ(fastFood.size(), 404u);
    EXPECT_EQ(firstNdb("cheddar", 1), 1009);
    EXPECT_EQ(firstNdb("milk", kOtherUsdaGroups) / 1000, 43); // "Milk, imitation, non-soy"
    EXPECT_EQ(UsdaFoodSearch::instance().search("").size(), usdaFoodCount());
    EXPECT_EQ(usdaGroups().size(), 25u);
    EXPECT_EQ(usdaGroupName(36), "Restaurant Foods");
}

TEST(UsdaSearch, ShortensNamesAtACommaOrBlank)
{
    const std::tuple<std::string_view, std::size_t, std::string_view> cases[] = {
        {"Cheese, cheddar", 80, "Cheese, cheddar"},
        {"Milk, dry, whole, with added vitamin D", 20, "Milk, dry, whole"},
        {"Milk, dry, whole, with added vitamin D", 17, "Milk, dry, whole"},
        {"Beverages, chocolate-flavored", 20, "Beverages"},
        {"1 piece, cooked, excluding refuse", 20, "1 piece, cooked"},
        {"Abcdefghijklmnopqrstuvwxyz", 10, "Abcdefghij"},
    };
    for (const auto& [text, limit, expected] : cases) {
        EXPECT_EQ(shortenAtBoundary(text, limit), expected) << text;
    }
    const UsdaMeasureRow slice{1000, 28000, "slice (1 oz)"};
    EXPECT_EQ(usdaMeasureLabel(slice), "1 slice (1 oz) (28 g)");
    EXPECT_EQ(usdaMeasureLabel({500, 44000, "cup"}, 3), "1.5 cup (132 g)");
    EXPECT_EQ(usdaPortionText(slice, 2, 20), "2 slice (1 oz)");
    EXPECT_EQ(gramsPortionText(100), "100 g");
}

} // namespace
} // namespace mw
