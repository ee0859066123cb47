#pragma once

#include "model/day_document.h"
#include "model/food_types.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace mw {

enum class FindMode : int
{
    kLowest = 0,
    kHighest = 1,
};

// The find popup: a title, then the nutrient names (1..27).
inline constexpr std::string_view kFindLowestTitle = "Find food lowest in:";
inline constexpr std::string_view kFindHighestTitle = "Find food highest in:";
inline constexpr std::string_view kNoFoodInFileMessage = "There is no food in this file!";

std::string_view findPopupTitle(FindMode mode);
// The find commands are offered once the day weighs something.
bool canFindInDay(const CFofDoc& day);

struct MealEntryPosition
{
    MealIndex meal = kBreakfast;
    std::size_t entry = 0;
    friend bool operator==(const MealEntryPosition&, const MealEntryPosition&) = default;
};

// The entry lowest (highest) in nutrient k at its own amount. Meals are visited from the one after
// lastFoundMeal (-1: from breakfast) round to lastFoundMeal; only a strictly lower (higher) value
// replaces the best, so among equal values the first one met wins. A value that is not finite
// counts as 0. Nullopt when the day has no entry.
std::optional<MealEntryPosition> findExtremeEntry(const CFofDoc& day, int nutrient, FindMode mode, int lastFoundMeal);

// The find state of a view: repeated finds in one mode go on from the meal after the last one found,
// so equal values are found in each meal in turn.
class NutrientFinder
{
public:
    FindMode mode() const { return m_mode; }
    // -1 before the first find of a mode.
    int lastFoundMeal() const { return m_lastFoundMeal; }

    // A change of mode starts the next find at breakfast again.
    void setMode(FindMode mode);
    // Nullopt when the day has no entry (show kNoFoodInFileMessage).
    std::optional<MealEntryPosition> find(const CFofDoc& day, int nutrient);

private:
    FindMode m_mode = FindMode::kLowest;
    int m_lastFoundMeal = -1;
};

} // namespace mw
