#include "query/food_listing.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

TEST(FoodListing, GroupsLeaveOutHiddenFoods)
{
    CFoodAttributeDatabase attributes;
    EXPECT_EQ(visibleFoodsOfGroup(29, attributes).size(), 10u);
    attributes.set(633, CFoodAttributeDatabase::kHidden);
    attributes.set(642, CFoodAttributeDatabase::listMask(1));
    const std::vector<FoodId> wine = visibleFoodsOfGroup(29, attributes);
    EXPECT_EQ(wine.size(), 9u);
    EXPECT_EQ(wine.front(), 634);
    EXPECT_EQ(wine.back(), 642);
    EXPECT_TRUE(visibleFoodsOfGroup(30, attributes).empty());
    EXPECT_TRUE(visibleFoodsOfGroup(-1, attributes).empty());
}

TEST(FoodListing, FlaggedFoodsStandardFirstThenListedPersonal)
{
    CFoodAttributeDatabase attributes;
    const std::uint16_t list = CFoodAttributeDatabase::listMask(3);
    attributes.set(700, list);
    attributes.set(5, list);
    attributes.set(644, list);
    attributes.set(5, CFoodAttributeDatabase::kHidden);
    EXPECT_EQ(foodsWithFlag(list, attributes, 100), (std::vector<FoodId>{5, 644, 700}));
    // Personal foods past the end of the database are not listed.
    EXPECT_EQ(foodsWithFlag(list, attributes, 2), (std::vector<FoodId>{5, 644}));
    EXPECT_EQ(foodsWithFlag(CFoodAttributeDatabase::kHidden, attributes, 100), (std::vector<FoodId>{5}));
}

TEST(FoodListing, PersonalListingStopsAtFourThousand)
{
    EXPECT_TRUE(listedPersonalFoods(0).empty());
    const std::vector<FoodId> all = listedPersonalFoods(5000);
    ASSERT_EQ(all.size(), 4000u);
    EXPECT_EQ(all.front(), 643);
    EXPECT_EQ(all.back(), 4642);
}

} // namespace
} // namespace mw
