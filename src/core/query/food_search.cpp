#include "query/food_search.h"

#include "model/string_table.h"
#include "model/unicode_case.h"
#include "query/food_listing.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace mw {
namespace {

// A name as the search sees it: the id and its ";" of the item text count as blanks before it, so a
// pattern that begins with a blank also finds a name's first word, and the id's digits never match.
std::string searchCandidate(FoodId id, std::string_view name)
{
    std::string text(std::to_string(id).size() + 1, ' ');
    text += name;
    return text;
}

// A standard food's name up to its portion.
std::string_view withoutPortion(std::string_view name)
{
    return name.substr(0, name.find('['));
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
            consider(id, searchCandidate(id, withoutPortion(foods.displayName(id))));
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

std::vector<FoodId> localSearch(const SearchPattern& pattern, std::span<const FoodId> foods,
                                const FoodOperations& operations)
{
    std::vector<FoodId> kept;
    std::string buffer;
    for (const FoodId id : foods) {
        if (matchesWithBuffer(pattern, searchCandidate(id, operations.displayName(id)), buffer)) {
            kept.push_back(id);
        }
    }
    return kept;
}

} // namespace mw
