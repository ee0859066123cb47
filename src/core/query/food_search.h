#pragma once

#include "format/food_attribute_database.h"
#include "model/food_operations.h"
#include "model/food_types.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mw {

// String ids of the search texts.
inline constexpr int kNotEnoughMemoryToDisplayText = 20044; // "Not enough memory to display all items!"
inline constexpr int kNoEntryFoundText = 20055;             // "No entry found!"
inline constexpr int kSearchPromptText = 20207;             // "Enter text to be searched, or !text to exclude"

// What the user typed into the search field, ready for matching.
struct SearchPattern
{
    // Case-folded; never empty.
    std::string folded;
    // Typed with a leading "!": the foods whose names lack the text.
    bool exclude = false;
};

// The pattern of a typed text; nullopt when there is nothing to look for ("" or "!"), and then the
// search does nothing.
std::optional<SearchPattern> parseSearchPattern(std::string_view typed);

// How well a name matches, best first; the order of a ranked search.
enum class SearchRank
{
    kNameStarts, // the name begins with the text
    kWordStarts, // a later word of the name begins with it
    kAnywhere,   // the text is inside a word
};

enum class SearchOrder
{
    kRanked, // by SearchRank, foods of one rank in table order
    kTable,  // standard foods in FoodId order, then the personal foods in file order
};

// The visible foods that match, hidden foods left out. A standard food is looked for in its name without
// the portion, a personal food in its stored name, portion included. An exclusion has no match to rank: every
// food lacking the text ranks first.
std::vector<FoodId> globalSearch(const SearchPattern& pattern, const FoodOperations& foods,
                                 const CFoodAttributeDatabase& attributes, SearchOrder order = SearchOrder::kRanked);

// The foods of a list that stay after a local search, in their order. It looks at a food's name with its
// portion; case does not matter, by Unicode rules.
std::vector<FoodId> localSearch(const SearchPattern& pattern, std::span<const FoodId> foods,
                                const FoodOperations& operations);

} // namespace mw
