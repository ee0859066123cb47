#include "query/food_search.h"

#include "fake_personal_foods.h"

#include "model/food_item_text.h"
#include "model/string_table.h"
#include "model/unicode_case.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace mw {
namespace {

using test::FakePersonalFoods;

SearchPattern pattern(std::string_view typed)
{
    const std::optional<SearchPattern> parsed = parseSearchPattern(typed);
    EXPECT_TRUE(parsed.has_value()) << typed;
    return parsed.value_or(SearchPattern{"\x01", false});
}

std::vector<FoodId> standardIdsWhere(const std::function<bool(std::string_view)>& test)
{
    std::vector<FoodId> ids;
    for (FoodId id = 0; id < kStandardFoodCount; ++id) {
        if (test(LoadString(kFoodNameBase + id))) {
            ids.push_back(id);
        }
    }
    return ids;
}

TEST(SearchPattern, EmptyOrBareExclamationDoesNothing)
{
    EXPECT_FALSE(parseSearchPattern("").has_value());
    EXPECT_FALSE(parseSearchPattern("!").has_value());
    const SearchPattern exclusion = pattern("!MiLk");
    EXPECT_TRUE(exclusion.exclude);
    EXPECT_EQ(exclusion.folded, "milk");
    // Only the first "!" turns the search round; a second one is looked for.
    const SearchPattern bang = pattern("!!");
    EXPECT_TRUE(bang.exclude);
    EXPECT_EQ(bang.folded, "!");
    EXPECT_FALSE(pattern(" milk!").exclude);
}

TEST(GlobalSearch, MilkFindsEveryStandardFoodWithMilkInItsName)
{
    const FoodOperations foods;
    const CFoodAttributeDatabase attributes;
    const std::vector<FoodId> expected = standardIdsWhere([](std::string_view item) {
        const std::string_view name = itemDisplayText(item);
        return foldCaseUtf8(name.substr(0, name.find('['))).find("milk") != std::string::npos;
    });
    EXPECT_EQ(expected, (std::vector<FoodId>{0, 1, 2, 3, 4, 11, 15, 16, 17, 603}));
    for (const std::string_view typed : {"milk", "Milk", "MILK", "mIlK"}) {
        EXPECT_EQ(globalSearch(pattern(typed), foods, attributes, SearchOrder::kTable), expected) << typed;
    }
}

TEST(GlobalSearch, RanksNamesThatStartWithTheTextThenWordsThenTheRest)
{
    FakePersonalFoods personal;
    const FoodId inside = personal.add("Xzqa [1 piece]");
    const FoodId word = personal.add("Pudding, zqa [1 cup]");
    const FoodId starts = personal.add("Zqa, white [1 cup]");
    const FoodId laterWord = personal.add("Xzqa, zqa-cake [1 piece]");
    const FoodId eclair = personal.add("Crème éclair [1 piece]");
    const FoodOperations foods(&personal);
    const CFoodAttributeDatabase attributes;
    EXPECT_EQ(globalSearch(pattern("ZQA"), foods, attributes), (std::vector<FoodId>{starts, word, laterWord, inside}));
    EXPECT_EQ(globalSearch(pattern("ZQA"), foods, attributes, SearchOrder::kTable),
              (std::vector<FoodId>{inside, word, starts, laterWord}));
    EXPECT_EQ(globalSearch(pattern("ÉCLAIR"), foods, attributes), std::vector<FoodId>{eclair});
    // An exclusion keeps the table order: nothing it finds holds the text to rank.
    const std::vector<FoodId> without = globalSearch(pattern("!zqa"), foods, attributes);
    EXPECT_TRUE(std::is_sorted(without.begin(), without.end()));
    // "Pudding, rice" used to come first.
    const std::vector<FoodId> rice = globalSearch(pattern("rice"), foods, attributes);
    ASSERT_FALSE(rice.empty());
    EXPECT_EQ(foods.displayName(rice.front()).rfind("Rice", 0), 0u);
}

TEST(GlobalSearch, PortionsAreNotSearchedForStandardFoodsButArePersonal)
{
    FakePersonalFoods personal;
    personal.add("Porridge [1 cup]");
    const FoodId cupped = personal.add("Oats [1 Cup of milk]");
    const FoodOperations foods(&personal);
    const CFoodAttributeDatabase attributes;
    // 219 standard portions hold "cup"; only the cupcake has it in its name.
    EXPECT_EQ(globalSearch(pattern("cup"), foods, attributes), (std::vector<FoodId>{369, 643, cupped}));
    const std::vector<FoodId> milk = globalSearch(pattern("milk"), foods, attributes, SearchOrder::kTable);
    EXPECT_EQ(milk.back(), cupped);
}

TEST(GlobalSearch, FoodIdDigitsNeverMatch)
{
    const FoodOperations foods;
    const CFoodAttributeDatabase attributes;
    EXPECT_TRUE(globalSearch(pattern("12"), foods, attributes).empty());
    // "Milk, 1% fat" holds a 1; food 1 itself does not.
    EXPECT_EQ(globalSearch(pattern("1"), foods, attributes), (std::vector<FoodId>{2}));
    EXPECT_TRUE(globalSearch(pattern(";"), foods, attributes).empty());
}

TEST(GlobalSearch, ExclusionListsEveryVisibleFoodLackingTheText)
{
    FakePersonalFoods personal;
    const FoodId shake = personal.add("Milkshake [1 glass]");
    const FoodId stew = personal.add("Stew [1 bowl]");
    const FoodId hiddenSoup = personal.add("Soup [1 bowl]");
    const FoodOperations foods(&personal);
    CFoodAttributeDatabase attributes;
    attributes.set(hiddenSoup, CFoodAttributeDatabase::kHidden);
    attributes.set(100, CFoodAttributeDatabase::kHidden);

    const std::vector<FoodId> withMilk = globalSearch(pattern("milk"), foods, attributes);
    const std::vector<FoodId> without = globalSearch(pattern("!milk"), foods, attributes);
    EXPECT_EQ(withMilk.size() + without.size(), static_cast<std::size_t>(kStandardFoodCount - 1 + 2));
    EXPECT_EQ(std::count(withMilk.begin(), withMilk.end(), shake), 1);
    EXPECT_EQ(without.back(), stew);
    EXPECT_EQ(std::count(without.begin(), without.end(), FoodId{100}), 0);
    EXPECT_TRUE(std::is_sorted(without.begin(), without.end()));
}

TEST(GlobalSearch, HiddenPersonalFoodIsSkippedAndLaterOnesKeepTheirIds)
{
    FakePersonalFoods personal;
    personal.add("Quinoa salad [1 bowl]");
    const FoodId second = personal.add("Quinoa soup [1 bowl]");
    const FoodId third = personal.add("Quinoa stew [1 bowl]");
    const FoodOperations foods(&personal);
    CFoodAttributeDatabase attributes;
    attributes.set(643, CFoodAttributeDatabase::kHidden);
    const std::vector<FoodId> found = globalSearch(pattern("quinoa"), foods, attributes);
    EXPECT_EQ(found, (std::vector<FoodId>{second, third}));
    EXPECT_EQ(foods.itemText(found.front()), "644;Quinoa soup [1 bowl]");
}

TEST(GlobalSearch, NonAsciiPersonalNamesMatchInAnyCase)
{
    FakePersonalFoods personal;
    const FoodId creme = personal.add("Crème BRÛLÉE [1 ramekin]");
    const FoodId borscht = personal.add("БОРЩ [1 тарелка]");
    const FoodId greek = personal.add("ΣΟΥΒΛΑΚΙ [1 σουβλάκι]");
    const FoodId polish = personal.add("ŻUREK [1 bowl]");
    const FoodOperations foods(&personal);
    const CFoodAttributeDatabase attributes;
    EXPECT_EQ(globalSearch(pattern("brûlée"), foods, attributes), (std::vector<FoodId>{creme}));
    EXPECT_EQ(globalSearch(pattern("CRÈME"), foods, attributes), (std::vector<FoodId>{creme}));
    EXPECT_EQ(globalSearch(pattern("борщ"), foods, attributes), (std::vector<FoodId>{borscht}));
    EXPECT_EQ(globalSearch(pattern("ТАРЕЛКА"), foods, attributes), (std::vector<FoodId>{borscht}));
    EXPECT_EQ(globalSearch(pattern("σουβλακι"), foods, attributes), (std::vector<FoodId>{greek}));
    EXPECT_EQ(globalSearch(pattern("żurek"), foods, attributes), (std::vector<FoodId>{polish}));
}

TEST(GlobalSearch, ThePromptTextItselfFindsNothing)
{
    FakePersonalFoods personal;
    personal.add("Toast [1 slice]");
    const FoodOperations foods(&personal);
    EXPECT_TRUE(globalSearch(pattern(LoadString(kSearchPromptText)), foods, CFoodAttributeDatabase()).empty());
    EXPECT_EQ(LoadString(kNoEntryFoundText), "No entry found!");
    EXPECT_EQ(LoadString(kNotEnoughMemoryToDisplayText), "Not enough memory to display all items!");
}

TEST(LocalSearch, KeepsMatchingFoodsInOrderAndSearchesPortionsButNotIds)
{
    FakePersonalFoods personal;
    const FoodId kefir = personal.add("Kefir [1 CUP]");
    const FoodId twelve = personal.add("Bread no. 12 [1 slice]");
    const FoodOperations foods(&personal);
    const std::vector<FoodId> list = {0, 369, 12, kefir, twelve};
    EXPECT_EQ(localSearch(pattern("cup"), list, foods), (std::vector<FoodId>{0, 369, kefir}));
    EXPECT_EQ(localSearch(pattern("!cup"), list, foods), (std::vector<FoodId>{12, twelve}));
    EXPECT_EQ(localSearch(pattern("12"), list, foods), (std::vector<FoodId>{twelve}));
    EXPECT_EQ(localSearch(pattern(" milk"), list, foods), (std::vector<FoodId>{0}));
    EXPECT_TRUE(localSearch(pattern(";"), list, foods).empty());
    EXPECT_TRUE(localSearch(pattern("cup"), {}, foods).empty());
}

} // namespace
} // namespace mw
