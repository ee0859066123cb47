#include "query/food_search.h"

#include "fake_personal_foods.h"

#include "model/string_table.h"
#include "query/unicode_case.h"

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

TEST(SearchCandidates, IdAndPortionNeverMatch)
{
    EXPECT_EQ(standardSearchCandidate("12;Cereal [1 cup with milk]"), "   Cereal ");
    EXPECT_EQ(standardSearchCandidate("5;No portion"), "  No portion");
    EXPECT_EQ(localSearchCandidate("12;Cereal [1 cup with milk]"), "   Cereal [1 cup with milk]");
    EXPECT_EQ(localSearchCandidate("no id at all"), "no id at all");
    EXPECT_FALSE(matchesSearch(pattern("milk"), standardSearchCandidate("12;Cereal [1 cup with milk]")));
    EXPECT_TRUE(matchesSearch(pattern("milk"), localSearchCandidate("12;Cereal [1 cup with milk]")));
    EXPECT_FALSE(matchesSearch(pattern("12"), localSearchCandidate("12;Cereal [1 cup]")));
    EXPECT_TRUE(matchesSearch(pattern("!12"), localSearchCandidate("12;Cereal [1 cup]")));
}

TEST(GlobalSearch, MilkFindsEveryStandardFoodWithMilkInItsName)
{
    const FoodOperations foods;
    const CFoodAttributeDatabase attributes;
    const std::vector<FoodId> expected = standardIdsWhere([](std::string_view item) {
        return foldCaseUtf8(standardSearchCandidate(item)).find("milk") != std::string::npos;
    });
    EXPECT_EQ(expected, (std::vector<FoodId>{0, 1, 2, 3, 4, 11, 15, 16, 17, 603}));
    for (const std::string_view typed : {"milk", "Milk", "MILK", "mIlK"}) {
        EXPECT_EQ(globalSearch(pattern(typed), foods, attributes, SearchOrder::kTable), expected) << typed;
    }
}

TEST(GlobalSearch, RanksNamesThatStartWithTheTextThenWordsThenTheRest)
{
    const struct
    {
        const char* typed;
        const char* candidate;
        std::optional<SearchRank> rank;
    } cases[] = {
        {"rice", "   Rice, white ", SearchRank::kNameStarts},
        {"rice", "   Pudding, rice ", SearchRank::kWordStarts},
        {"rice", "Licorice, rice-cake", SearchRank::kWordStarts},
        {"rice", "   Licorice ", SearchRank::kAnywhere},
        {"ÉCLAIR", "Crème éclair", SearchRank::kWordStarts},
        {"rice", "   Bread ", std::nullopt},
        {"!rice", "   Bread ", SearchRank::kNameStarts},
        {"!rice", "Rice", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(searchRank(pattern(c.typed), c.candidate), c.rank) << c.typed << " in " << c.candidate;
    }
    FakePersonalFoods personal;
    const FoodId licorice = personal.add("Quarklicorice [1 piece]");
    const FoodId pudding = personal.add("Pudding, quark [1 cup]");
    const FoodId quark = personal.add("Quark [1 cup]");
    const FoodOperations foods(&personal);
    const CFoodAttributeDatabase attributes;
    EXPECT_EQ(globalSearch(pattern("QUARK"), foods, attributes), (std::vector<FoodId>{licorice, quark, pudding}));
    // "Pudding, rice" used to come first.
    const std::vector<FoodId> rice = globalSearch(pattern("rice"), foods, attributes);
    ASSERT_FALSE(rice.empty());
    EXPECT_EQ(foods.foodName(rice.front()).find(";Rice"), foods.foodName(rice.front()).find(';'));
    EXPECT_TRUE(std::is_sorted(rice.begin(), rice.end(), [&](FoodId a, FoodId b) {
        return searchRank(pattern("rice"), standardSearchCandidate(foods.foodName(a))) <
               searchRank(pattern("rice"), standardSearchCandidate(foods.foodName(b)));
    }));
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
    EXPECT_EQ(foods.foodName(found.front()), "644;Quinoa soup [1 bowl]");
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

TEST(LocalSearch, KeepsMatchingItemsInOrderAndSearchesPortions)
{
    const std::vector<std::string> items = {"0;Milk [1 cup]", "369;Cupcake, chocolate, creme-filled [1 cupcake]",
                                            "12;Cheese [1 oz]", "9999;Name missing from database!",
                                            "700;Kefir [1 CUP]"};
    EXPECT_EQ(localSearchMatches(pattern("cup"), items), (std::vector<std::size_t>{0, 1, 4}));
    EXPECT_EQ(localSearch(pattern("!cup"), items),
              (std::vector<std::string>{"12;Cheese [1 oz]", "9999;Name missing from database!"}));
    EXPECT_TRUE(localSearch(pattern("9999"), items).empty());
    EXPECT_TRUE(localSearch(pattern("zzz"), items).empty());
    EXPECT_TRUE(localSearch(pattern("cup"), {}).empty());
}

} // namespace
} // namespace mw
