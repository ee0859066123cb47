#include "query/usda_search.h"

#include "model/number_text.h"
#include "model/unicode_case.h"
#include "query/food_search.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

namespace mw {
namespace {

constexpr std::array<UsdaGroup, 25> kGroups = {{
    {1, "Dairy and Egg Products"},
    {2, "Spices and Herbs"},
    {3, "Baby Foods"},
    {4, "Fats and Oils"},
    {5, "Poultry Products"},
    {6, "Soups, Sauces, and Gravies"},
    {7, "Sausages and Luncheon Meats"},
    {8, "Breakfast Cereals"},
    {9, "Fruits and Fruit Juices"},
    {10, "Pork Products"},
    {11, "Vegetables and Vegetable Products"},
    {12, "Nut and Seed Products"},
    {13, "Beef Products"},
    {14, "Beverages"},
    {15, "Finfish and Shellfish Products"},
    {16, "Legumes and Legume Products"},
    {17, "Lamb, Veal, and Game Products"},
    {18, "Baked Products"},
    {19, "Sweets"},
    {20, "Cereal Grains and Pasta"},
    {21, "Fast Foods"},
    {22, "Meals, Entrees, and Side Dishes"},
    {25, "Snacks"},
    {35, "American Indian/Alaska Native Foods"},
    {36, "Restaurant Foods"},
}};

constexpr int kFastFoodGroup = 21;
constexpr int kRestaurantGroup = 36;

bool isKnownGroup(int code)
{
    return std::any_of(kGroups.begin(), kGroups.end(), [code](const UsdaGroup& group) { return group.code == code; });
}

bool isWordCharacter(char c)
{
    // Bytes of multi-byte UTF-8 characters count as letters.
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || (static_cast<unsigned char>(c) & 0x80) != 0;
}

std::string firstWordOf(std::string_view folded)
{
    std::size_t end = 0;
    while (end < folded.size() && isWordCharacter(folded[end])) {
        ++end;
    }
    return std::string(folded.substr(0, end));
}

// Lower is better: plain foods, then the standard table's order, then length. Fits 32 bits: 1 + 11 + 20.
std::uint32_t rankOf(const UsdaFoodRow& food)
{
    const bool branded = food.group == kFastFoodGroup || food.group == kRestaurantGroup || hasBrandName(food.name);
    const std::uint32_t standard = food.standardFood >= 0 ? static_cast<std::uint32_t>(food.standardFood) : 2047u;
    const auto length = static_cast<std::uint32_t>(std::min<std::size_t>(utf8CharacterCount(food.name), 0xFFFFF));
    return (branded ? 1u << 31 : 0u) | standard << 20 | length;
}

std::vector<SearchPattern> searchWords(std::string_view text)
{
    std::vector<SearchPattern> words;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        if (auto pattern = parseSearchPattern(text.substr(start, end - start))) {
            words.push_back(std::move(*pattern));
        }
        start = end + 1;
    }
    return words;
}

std::string numberText(double value)
{
    return formatDouble(std::round(value * 1000.0) / 1000.0);
}

} // namespace

std::span<const UsdaGroup> usdaGroups()
{
    return kGroups;
}

std::string_view usdaGroupName(int code)
{
    for (const UsdaGroup& group : kGroups) {
        if (group.code == code) {
            return group.name;
        }
    }
    return "Other";
}

const UsdaFoodSearch& UsdaFoodSearch::instance()
{
    static const UsdaFoodSearch search;
    return search;
}

UsdaFoodSearch::UsdaFoodSearch()
{
    m_entries.reserve(usdaFoodCount());
    for (std::size_t i = 0; i < usdaFoodCount(); ++i) {
        const UsdaFoodRow food = usdaFood(i);
        Entry entry;
        entry.group = food.group;
        entry.folded = foldCaseUtf8(food.name);
        entry.firstWord = firstWordOf(entry.folded);
        entry.rank = rankOf(food);
        m_entries.push_back(std::move(entry));
    }
}

std::vector<std::size_t> UsdaFoodSearch::search(std::string_view text, int group, std::size_t limit) const
{
    const std::vector<SearchPattern> words = searchWords(text);
    const auto firstIncluded =
        std::find_if(words.begin(), words.end(), [](const SearchPattern& word) { return !word.exclude; });

    // The first-word tier goes into the top bit of a 64-bit key above the food's own rank and position.
    std::vector<std::uint64_t> keys;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const int foodGroup = m_entries[i].group;
        if (group == kOtherUsdaGroups ? isKnownGroup(foodGroup) : group != kAllUsdaGroups && group != foodGroup) {
            continue;
        }
        const Entry& entry = m_entries[i];
        const bool matches = std::all_of(words.begin(), words.end(), [&entry](const SearchPattern& word) {
            return (entry.folded.find(word.folded) != std::string::npos) != word.exclude;
        });
        if (matches) {
            const bool firstWordMatches = firstIncluded != words.end() && entry.firstWord == firstIncluded->folded;
            keys.push_back(std::uint64_t{firstWordMatches ? 0u : 1u} << 63 | std::uint64_t{entry.rank} << 16 | i);
        }
    }
    const std::size_t kept = std::min(limit, keys.size());
    std::partial_sort(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(kept), keys.end());
    std::vector<std::size_t> found(kept);
    std::transform(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(kept), found.begin(),
                   [](std::uint64_t key) { return static_cast<std::size_t>(key & 0xFFFF); });
    return found;
}

bool hasBrandName(std::string_view name)
{
    std::size_t start = 0;
    while (start < name.size()) {
        std::size_t end = start;
        std::size_t capitals = 0;
        bool lower = false;
        while (end < name.size() && name[end] != ' ' && name[end] != ',') {
            const auto c = static_cast<unsigned char>(name[end]);
            capitals += std::isupper(c) != 0 ? 1 : 0;
            lower = lower || std::islower(c) != 0;
            ++end;
        }
        if (capitals >= 3 && !lower && name.substr(start, end - start) != "USDA") {
            return true;
        }
        start = end + 1;
    }
    return false;
}

std::string shortenAtBoundary(std::string_view text, std::size_t maxCharacters)
{
    if (utf8CharacterCount(text) <= maxCharacters) {
        return std::string(text);
    }
    std::string_view kept = utf8Prefix(text, maxCharacters);
    const bool cutAtBoundary = text[kept.size()] == ' ' || text[kept.size()] == ',';
    if (!cutAtBoundary) {
        // A comma ends a part of a USDA name; take it unless that drops more than half the room.
        const std::size_t comma = kept.rfind(',');
        const std::size_t blank = kept.rfind(' ');
        if (comma != std::string_view::npos && comma >= kept.size() / 2) {
            kept = kept.substr(0, comma);
        } else if (blank != std::string_view::npos && blank > 0) {
            kept = kept.substr(0, blank);
        }
    }
    while (!kept.empty() && (kept.back() == ' ' || kept.back() == ',')) {
        kept.remove_suffix(1);
    }
    return std::string(kept);
}

std::string usdaMeasureLabel(const UsdaMeasureRow& measure, double count)
{
    return numberText(measure.amount / 1000.0 * count) + " " + std::string(measure.measure) + " (" +
           numberText(measure.grams / 1000.0 * count) + " g)";
}

std::string usdaPortionText(const UsdaMeasureRow& measure, double count, std::size_t maxCharacters)
{
    return shortenAtBoundary(numberText(measure.amount / 1000.0 * count) + " " + std::string(measure.measure),
                             maxCharacters);
}

std::string gramsPortionText(double grams)
{
    return numberText(grams) + " g";
}

} // namespace mw
