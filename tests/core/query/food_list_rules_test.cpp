#include "query/food_list_rules.h"

#include "fake_personal_foods.h"

#include "model/settings_keys.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

using test::FakePersonalFoods;

const std::string kChicken = "201;Chicken, breast, roasted [1/2 breast]"; // a name of 37 characters
const std::string kMissing = "9999;Name missing from database!";

FoodListView selecting(std::string_view item, std::size_t foodLines = 3, std::size_t mealLines = 0)
{
    return {foodLines, item, mealLines};
}

TEST(CaptionName, CutFrom36CharactersOn)
{
    EXPECT_EQ(cutCaptionName("Chicken, breast, roasted [1/2 breast]"), "Chicken, breast, roasted [1/2 br...");
    const std::string of35(35, 'x');
    EXPECT_EQ(cutCaptionName(of35), of35);
    EXPECT_EQ(cutCaptionName(of35 + "y"), std::string(32, 'x') + "...");
    EXPECT_EQ(cutCaptionName(""), "");
    // Characters, not bytes: 35 letters "é" stay whole, 36 are cut after 32 letters.
    std::string accented;
    for (int i = 0; i < 35; ++i) {
        accented += "é";
    }
    EXPECT_EQ(cutCaptionName(accented), accented);
    EXPECT_EQ(cutCaptionName(accented + "é"), accented.substr(0, 64) + "...");
}

TEST(CaptionName, AmpersandsAreDoubledAfterTheCut)
{
    EXPECT_EQ(escapeMenuAmpersands("Mac & cheese && more"), "Mac && cheese &&&& more");
    CFoodAttributeDatabase attributes;
    // The cut counts the name's own "&", then the caption doubles it.
    const std::string item = "700;" + std::string(31, 'a') + "&bcdef";
    EXPECT_EQ(hideMenuItem(HideCommand::kHide, selecting(item), attributes).caption,
              "&Hide: " + std::string(31, 'a') + "&&...");
}

TEST(HideMenuItem, CaptionsAndEnabledStates)
{
    CFoodAttributeDatabase attributes;
    const FoodListView none{3, std::nullopt, 0};
    EXPECT_EQ(hideMenuItem(HideCommand::kHide, none, attributes), (MenuItemState{"&Hide: No food selected!", false}));
    EXPECT_EQ(hideMenuItem(HideCommand::kUnhide, none, attributes),
              (MenuItemState{"&Unhide: No food selected!", false}));
    EXPECT_EQ(hideMenuItem(HideCommand::kHide, selecting(kMissing), attributes),
              (MenuItemState{"Cannot &Hide: ", false}));
    EXPECT_EQ(hideMenuItem(HideCommand::kUnhide, selecting("no number;x"), attributes),
              (MenuItemState{"Cannot &Unhide: ", false}));

    EXPECT_EQ(hideMenuItem(HideCommand::kHide, selecting(kChicken), attributes),
              (MenuItemState{"&Hide: Chicken, breast, roasted [1/2 br...", true}));
    EXPECT_FALSE(hideMenuItem(HideCommand::kUnhide, selecting(kChicken), attributes).enabled);
    attributes.set(201, CFoodAttributeDatabase::kHidden);
    EXPECT_FALSE(hideMenuItem(HideCommand::kHide, selecting(kChicken), attributes).enabled);
    EXPECT_TRUE(hideMenuItem(HideCommand::kUnhide, selecting(kChicken), attributes).enabled);
    EXPECT_EQ(hideMenuItem(HideCommand::kHide, selecting("0;Milk [1 cup]"), attributes).caption, "&Hide: Milk [1 cup]");
}

TEST(HideMenuItem, ShowHiddenCountsItemOrItems)
{
    CFoodAttributeDatabase attributes;
    EXPECT_EQ(showHiddenFoodsMenuItem(attributes), (MenuItemState{"Show all hi&dden foods (0 items)", false}));
    attributes.set(4642, CFoodAttributeDatabase::kHidden);
    EXPECT_EQ(showHiddenFoodsMenuItem(attributes), (MenuItemState{"Show all hi&dden foods (1 item)", true}));
    attributes.set(0, CFoodAttributeDatabase::kHidden);
    EXPECT_EQ(showHiddenFoodsMenuItem(attributes).caption, "Show all hi&dden foods (2 items)");
    EXPECT_FALSE(canHideFoodListFoods({0, std::nullopt, 4}));
    EXPECT_TRUE(canHideFoodListFoods({1, std::nullopt, 0}));
    EXPECT_FALSE(canHideMealFoods({5, std::nullopt, 0}));
    EXPECT_TRUE(canHideMealFoods({0, std::nullopt, 1}));
}

TEST(HiddenFoods, HidingChangesOnlyTheHiddenBitOfNamedFoods)
{
    CFoodAttributeDatabase attributes;
    attributes.set(5, CFoodAttributeDatabase::listMask(3));
    EXPECT_TRUE(hideItemFood(attributes, "5;Yogurt [1 cup]"));
    EXPECT_EQ(attributes.words()[5], CFoodAttributeDatabase::kHidden | CFoodAttributeDatabase::listMask(3));
    EXPECT_TRUE(unhideItemFood(attributes, "5;Yogurt [1 cup]"));
    EXPECT_EQ(attributes.words()[5], CFoodAttributeDatabase::listMask(3));

    const std::vector<std::string> items = {"0;Milk [1 cup]", kMissing, "4642;Last [1]", "4643;Past [1]", "", " 7;x"};
    EXPECT_EQ(hideItemFoods(attributes, items), 3u);
    EXPECT_EQ(attributes.count(CFoodAttributeDatabase::kHidden), 3);
    EXPECT_NE(attributes.test(7, CFoodAttributeDatabase::kHidden), 0);
    EXPECT_FALSE(hideItemFood(attributes, kMissing));
    EXPECT_FALSE(hideItemFood(attributes, ";no id"));
    EXPECT_EQ(attributes.test(0, CFoodAttributeDatabase::kHidden), CFoodAttributeDatabase::kHidden);
}

TEST(HiddenFoods, ListedStandardFirstThenPersonalAndStillInTheirLists)
{
    FakePersonalFoods personal;
    personal.add("Mine [1]");
    const FoodId hiddenMine = personal.add("Also mine [1]");
    const FoodOperations foods(&personal);
    CFoodAttributeDatabase attributes;
    attributes.set(hiddenMine, CFoodAttributeDatabase::kHidden | CFoodAttributeDatabase::listMask(2));
    attributes.set(3, CFoodAttributeDatabase::kHidden);
    attributes.set(900, CFoodAttributeDatabase::kHidden); // no such personal food
    EXPECT_EQ(hiddenFoodItems(attributes, foods),
              (std::vector<std::string>{"3;Milk, skim [1 cup]", "644;Also mine [1]"}));
    EXPECT_EQ(foodListItems(2, attributes, foods), (std::vector<std::string>{"644;Also mine [1]"}));
}

TEST(FoodListCommands, IdsMapToListAndOperation)
{
    EXPECT_EQ(foodListCommandOf(33001), (FoodListCommand{1, FoodListOperation::kAddSelected}));
    EXPECT_EQ(foodListCommandOf(33014), (FoodListCommand{14, FoodListOperation::kAddSelected}));
    EXPECT_EQ(foodListCommandOf(33110), (FoodListCommand{10, FoodListOperation::kAddAll}));
    EXPECT_EQ(foodListCommandOf(33021), (FoodListCommand{1, FoodListOperation::kAddMealFoods}));
    EXPECT_EQ(foodListCommandOf(33047), (FoodListCommand{7, FoodListOperation::kShow}));
    EXPECT_EQ(foodListCommandOf(33074), (FoodListCommand{14, FoodListOperation::kRemove}));
    for (const int unused : {33000, 33015, 33020, 33035, 33040, 33055, 33060, 33075, 33100, 33115, 32961}) {
        EXPECT_FALSE(foodListCommandOf(unused).has_value()) << unused;
    }
    for (int list = 1; list <= 14; ++list) {
        for (const FoodListOperation operation :
             {FoodListOperation::kAddSelected, FoodListOperation::kAddAll, FoodListOperation::kAddMealFoods,
              FoodListOperation::kShow, FoodListOperation::kRemove}) {
            const FoodListCommand command{list, operation};
            EXPECT_EQ(foodListCommandOf(foodListCommandId(command)), command);
        }
    }
}

TEST(FoodListNames, ProfileDefaultsAndFixedNames)
{
    MemorySettings settings;
    EXPECT_EQ(foodListDisplayName(settings, 1), "Good Carbohydrates");
    EXPECT_EQ(foodListDisplayName(settings, 7), "Omega-3 Foods");
    EXPECT_EQ(foodListDisplayName(settings, 8), "High (rapid insulin inducer) list");
    EXPECT_EQ(foodListDisplayName(settings, 10), "Low (reduced insulin secretion) list");
    EXPECT_EQ(foodListDisplayName(settings, 14), "Food List 14");
    EXPECT_EQ(foodListDisplayName(settings, 0), "");
    EXPECT_EQ(foodListDisplayName(settings, 15), "");
    ASSERT_FALSE(settings.writeText("foodgroups", "3", "Fish & Chips"));
    EXPECT_EQ(foodListDisplayName(settings, 3), "Fish & Chips");
    ASSERT_FALSE(settings.writeText("FoodGroups", "3", ""));
    EXPECT_EQ(foodListDisplayName(settings, 3), "Antioxidant Best Bets");
}

TEST(FoodListMenuItem, CaptionsCountMembers)
{
    MemorySettings settings;
    CFoodAttributeDatabase attributes;
    const FoodListView view{0, std::nullopt, 0};
    const FoodListCommand show1{1, FoodListOperation::kShow};
    EXPECT_EQ(foodListMenuItem(show1, view, settings, attributes),
              (MenuItemState{"Good Carbohydrates (0 items)", false}));
    attributes.set(700, CFoodAttributeDatabase::listMask(1));
    EXPECT_EQ(foodListMenuItem(show1, view, settings, attributes),
              (MenuItemState{"Good Carbohydrates (1 item)", true}));
    attributes.set(0, CFoodAttributeDatabase::listMask(1));
    EXPECT_EQ(foodListMenuItem(show1, view, settings, attributes).caption, "Good Carbohydrates (2 items)");
    ASSERT_FALSE(settings.writeText("FoodGroups", "2", "Fish & Chips"));
    EXPECT_EQ(foodListMenuItem({2, FoodListOperation::kAddAll}, view, settings, attributes).caption, "Fish && Chips");
    EXPECT_EQ(foodListMenuItem({9, FoodListOperation::kRemove}, view, settings, attributes).caption,
              "Medium (moderate inducer) list");
    EXPECT_EQ(foodListMenuItem({15, FoodListOperation::kShow}, view, settings, attributes), MenuItemState{});
}

TEST(FoodListMenuItem, EnabledRules)
{
    MemorySettings settings;
    CFoodAttributeDatabase attributes;
    attributes.set(0, CFoodAttributeDatabase::listMask(4));
    const auto enabled = [&](FoodListOperation operation, const FoodListView& view) {
        return foodListMenuItem({4, operation}, view, settings, attributes).enabled;
    };
    const FoodListView milk = selecting("0;Milk [1 cup]", 1);
    const FoodListView skim = selecting("3;Milk, skim [1 cup]", 1);
    const FoodListView missing = selecting(kMissing, 1);
    const FoodListView unselected{1, std::nullopt, 0};

    EXPECT_FALSE(enabled(FoodListOperation::kAddSelected, milk)); // already in the list
    EXPECT_TRUE(enabled(FoodListOperation::kAddSelected, skim));
    EXPECT_FALSE(enabled(FoodListOperation::kAddSelected, missing));
    EXPECT_FALSE(enabled(FoodListOperation::kAddSelected, unselected));
    EXPECT_TRUE(enabled(FoodListOperation::kRemove, milk));
    EXPECT_FALSE(enabled(FoodListOperation::kRemove, skim));
    EXPECT_FALSE(enabled(FoodListOperation::kRemove, missing));

    // Add all: two lines, or one selected line that names a food.
    EXPECT_TRUE(enabled(FoodListOperation::kAddAll, skim));
    EXPECT_FALSE(enabled(FoodListOperation::kAddAll, missing));
    EXPECT_FALSE(enabled(FoodListOperation::kAddAll, unselected));
    EXPECT_TRUE(enabled(FoodListOperation::kAddAll, FoodListView{2, std::nullopt, 0}));
    EXPECT_FALSE(enabled(FoodListOperation::kAddAll, FoodListView{0, std::nullopt, 0}));

    EXPECT_FALSE(enabled(FoodListOperation::kAddMealFoods, unselected));
    EXPECT_TRUE(enabled(FoodListOperation::kAddMealFoods, FoodListView{0, std::nullopt, 1}));
    EXPECT_TRUE(enabled(FoodListOperation::kShow, unselected));
    attributes.clear(0, CFoodAttributeDatabase::listMask(4));
    EXPECT_FALSE(enabled(FoodListOperation::kShow, unselected));
}

TEST(FoodListOperations, AddTakeOutAndShow)
{
    FakePersonalFoods personal;
    const FoodId mine = personal.add("My stew [1 bowl]");
    const FoodOperations foods(&personal);
    CFoodAttributeDatabase attributes;
    attributes.set(mine, CFoodAttributeDatabase::kHidden);

    EXPECT_TRUE(addItemFoodToList(attributes, "643;My stew [1 bowl]", 10));
    EXPECT_TRUE(addItemFoodToList(attributes, "643;My stew [1 bowl]", 10)); // again: no change
    EXPECT_EQ(attributes.words()[mine], CFoodAttributeDatabase::kHidden | CFoodAttributeDatabase::listMask(10));
    EXPECT_FALSE(addItemFoodToList(attributes, kMissing, 10));
    EXPECT_FALSE(addItemFoodToList(attributes, "0;Milk [1 cup]", 15));
    EXPECT_FALSE(addItemFoodToList(attributes, "0;Milk [1 cup]", 0));
    EXPECT_EQ(attributes.words()[0], 0);

    const std::vector<std::string> listed = {kMissing, "600;Candy [1]", "643;My stew [1 bowl]", "20;Cheese [1]"};
    EXPECT_EQ(addItemFoodsToList(attributes, listed, 10), 3u);
    // The personal food comes after every standard food, however it was added.
    EXPECT_EQ(foodListItems(10, attributes, foods),
              (std::vector<std::string>{foods.foodName(20), foods.foodName(600), "643;My stew [1 bowl]"}));

    EXPECT_TRUE(removeItemFoodFromList(attributes, "643;My stew [1 bowl]", 10));
    EXPECT_EQ(attributes.words()[mine], CFoodAttributeDatabase::kHidden);
    EXPECT_FALSE(removeItemFoodFromList(attributes, kMissing, 10));
    EXPECT_EQ(foodListItems(10, attributes, foods).size(), 2u);
    EXPECT_TRUE(foodListItems(11, attributes, foods).empty());
    EXPECT_TRUE(foodListItems(0, attributes, foods).empty());
}

} // namespace
} // namespace mw
