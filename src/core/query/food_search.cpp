#include "query/food_search.h"

#include "model/string_table.h"
#include "query/food_listing.h"
#include "query/unicode_case.h"

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
                                 const CFoodAttributeDatabase& attributes)
{
    std::vector<FoodId> found;
    std::string buffer;
    for (FoodId id = 0; id < kStandardFoodCount; ++id) {
        if (!isHidden(attributes, id) &&
            matchesWithBuffer(pattern, searchCandidate(id, withoutPortion(foods.displayName(id))), buffer)) {
            found.push_back(id);
        }
    }
    const PersonalFoodSource& personal = foods.personalSource();
    for (const FoodId id : listedPersonalFoods(personal.count())) {
        const PersonalFoodRecord* record = personal.record(static_cast<std::size_t>(id - kFirstPersonalFoodId));
        if (record != nullptr && !isHidden(attributes, id) && matchesWithBuffer(pattern, record->text, buffer)) {
            found.push_back(id);
        }
    }
    return found;
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
