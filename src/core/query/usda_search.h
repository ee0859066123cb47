#pragma once

#include "model/usda_food.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mw {

struct UsdaGroup
{
    int code;
    std::string_view name;
};

// The filter's "all groups" and the numbers outside the 25 USDA groups (foods USDA added later).
inline constexpr int kAllUsdaGroups = 0;
inline constexpr int kOtherUsdaGroups = -1;

// The 25 USDA food groups by code.
std::span<const UsdaGroup> usdaGroups();
// The group's name; "Other" for a code outside the 25.
std::string_view usdaGroupName(int code);

// Searches the USDA foods by name with the food search's rules: case does not matter, every word must
// occur in the name, and a word typed with a leading "!" must not. Best first: names whose first word is
// the first word looked for; plain foods before brand-name, fast-food and restaurant items; the foods the
// standard table is made from, in its order; shorter names before longer.
class UsdaFoodSearch
{
public:
    // Folds every name once; the first search pays for it.
    static const UsdaFoodSearch& instance();

    UsdaFoodSearch();

    // Positions in the USDA extract (usdaFood()); an empty text finds every food of the group.
    std::vector<std::size_t> search(std::string_view text, int group = kAllUsdaGroups,
                                    std::size_t limit = std::numeric_limits<std::size_t>::max()) const;

private:
    struct Entry
    {
        std::string folded;
        std::string firstWord;
        std::uint32_t rank = 0;
        int group = 0;
    };

    std::vector<Entry> m_entries;
};

// Brand names are written in capitals ("KRAFT", "CAMPBELL'S"); "USDA" is not one.
bool hasBrandName(std::string_view name);

// The text cut to at most maxCharacters characters, at the last comma or blank that keeps it readable,
// without trailing commas or blanks; unchanged when it fits.
std::string shortenAtBoundary(std::string_view text, std::size_t maxCharacters);

// "1 cup (244 g)" for a measure taken count times.
std::string usdaMeasureLabel(const UsdaMeasureRow& measure, double count = 1.0);
// The personal food's portion text, "2 cup", at most maxCharacters long.
std::string usdaPortionText(const UsdaMeasureRow& measure, double count, std::size_t maxCharacters);
// The same for a weight in grams: "100 g".
std::string gramsPortionText(double grams);

} // namespace mw
