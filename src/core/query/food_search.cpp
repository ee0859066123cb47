#include "query/food_search.h"

#include "model/food_item_text.h"
#include "model/string_table.h"
#include "query/food_listing.h"
#include "query/unicode_case.h"

#include <algorithm>
#include <cctype>

namespace mw {
namespace {

// The item with everything up to and including its first ";" blanked.
std::string blankFoodId(std::string_view item)
{
    std::string text(item);
    const std::size_t semicolon = text.find(';');
    if (semicolon != std::string::npos) {
        text.replace(0, semicolon + 1, semicolon + 1, ' ');
    }
    return text;
}

// Folds into a buffer the caller keeps, so a search over thousands of foods allocates once.
bool matchesWithBuffer(const SearchPattern& pattern, std::string_view candidate, std::string& buffer)
{
    foldCaseUtf8Into(candidate, buffer);
    const bool found = buffer.find(pattern.folded) != std::string::npos;
    return found != pattern.exclude;
}

bool isWordCharacter(char c)
{
    // Bytes of multi-byte UTF-8 characters count as letters.
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || (static_cast<unsigned char>(c) & 0x80) != 0;
}

std::optional<SearchRank> rankWithBuffer(const SearchPattern& pattern, std::string_view candidate, std::string& buffer)
{
    foldCaseUtf8Into(candidate, buffer);
    std::size_t at = buffer.find(pattern.folded);
    if (at == std::string::npos) {
        return pattern.exclude ? std::optional(SearchRank::kNameStarts) : std::nullopt;
    }
    if (pattern.exclude) {
        return std::nullopt;
    }
    const std::size_t nameStart = std::min(buffer.find_first_not_of(' '), buffer.size());
    if (at == nameStart) {
        return SearchRank::kNameStarts;
    }
    for (; at != std::string::npos; at = buffer.find(pattern.folded, at + 1)) {
        if (at == 0 || !isWordCharacter(buffer[at - 1])) {
            return SearchRank::kWordStarts;
        }
    }
    return SearchRank::kAnywhere;
}

struct RankedFood
{
    SearchRank rank;
    FoodId id;
};

bool isHidden(const CFoodAttributeDatabase& attributes, FoodId id)
{
    return attributes.test(id, CFoodAttributeDatabase::kHidden) != 0;
}

} // namespace

std::optional<SearchPattern> parseSearchPattern(std::string_view typed)
{
    SearchPattern pattern;
    if (!typed.empty() && typed.front() == '!') {
        pattern.exclude = true;
        typed.remove_prefix(1);
    }
    if (typed.empty()) {
        return std::nullopt;
    }
    pattern.folded = foldCaseUtf8(typed);
    return pattern;
}

bool matchesSearch(const SearchPattern& pattern, std::string_view candidate)
{
    std::string buffer;
    return matchesWithBuffer(pattern, candidate, buffer);
}

std::string standardSearchCandidate(std::string_view item)
{
    return blankFoodId(itemSearchText(item));
}

std::string localSearchCandidate(std::string_view item)
{
    return blankFoodId(item);
}

std::optional<SearchRank> searchRank(const SearchPattern& pattern, std::string_view candidate)
{
    std::string buffer;
    return rankWithBuffer(pattern, candidate, buffer);
}

std::vector<FoodId> globalSearch(const SearchPattern& pattern, const FoodOperations& foods,
                                 const CFoodAttributeDatabase& attributes, SearchOrder order)
{
    std::vector<RankedFood> found;
    std::string buffer;
    const auto consider = [&](FoodId id, std::string_view candidate) {
        if (const std::optional<SearchRank> rank = rankWithBuffer(pattern, candidate, buffer)) {
            found.push_back({*rank, id});
        }
    };
    for (FoodId id = 0; id < kStandardFoodCount; ++id) {
        if (!isHidden(attributes, id)) {
            consider(id, standardSearchCandidate(LoadString(kFoodNameBase + id)));
        }
    }
    const PersonalFoodSource& personal = foods.personalSource();
    for (const FoodId id : listedPersonalFoods(personal.count())) {
        const PersonalFoodRecord* record = personal.record(static_cast<std::size_t>(id - kFirstPersonalFoodId));
        if (record != nullptr && !isHidden(attributes, id)) {
            consider(id, record->text);
        }
    }
    if (order == SearchOrder::kRanked) {
        std::stable_sort(found.begin(), found.end(),
                         [](const RankedFood& a, const RankedFood& b) { return a.rank < b.rank; });
    }
    std::vector<FoodId> ids(found.size());
    std::transform(found.begin(), found.end(), ids.begin(), [](const RankedFood& food) { return food.id; });
    return ids;
}

std::vector<std::size_t> localSearchMatches(const SearchPattern& pattern, std::span<const std::string> items)
{
    std::vector<std::size_t> kept;
    std::string buffer;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (matchesWithBuffer(pattern, localSearchCandidate(items[i]), buffer)) {
            kept.push_back(i);
        }
    }
    return kept;
}

std::vector<std::string> localSearch(const SearchPattern& pattern, std::span<const std::string> items)
{
    std::vector<std::string> kept;
    for (const std::size_t i : localSearchMatches(pattern, items)) {
        kept.push_back(items[i]);
    }
    return kept;
}

} // namespace mw
