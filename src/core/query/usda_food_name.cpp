#include "query/usda_food_name.h"

#include "format/personal_food_validation.h"
#include "model/unicode_case.h"
#include "model/usda_food.h"
#include "query/usda_search.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace mw {
namespace {

struct Abbreviation
{
    std::string_view from;
    std::string_view to;
};

// Tried in this order, each only as far as needed; whole words only.
constexpr std::array<Abbreviation, 37> kAbbreviations = {{
    {" (formerly ROSS)", ""},
    {" (formerly WYETH-AYERST)", ""},
    {"separable lean and fat", "lean+fat"},
    {"separable lean only", "lean"},
    {"separable fat", "fat"},
    {"USDA choice", "choice"},
    {"USDA select", "select"},
    {"with added", "w/ added"},
    {"without", "w/o"},
    {"with", "w/"},
    {"and", "&"},
    {"vitamin", "vit"},
    {"Vitamin", "vit"},
    {"ready-to-eat", "RTE"},
    {"ready-to-serve", "RTS"},
    {"ready-to-feed", "RTF"},
    {"ready to feed", "RTF"},
    {"ready-to-cook", "RTC"},
    {"commercially prepared", "commercial"},
    {"prepared from recipe", "home recipe"},
    {"year round average", "year round avg"},
    {"trimmed to", "trim"},
    {"boneless", "bnls"},
    {"all grades", "all grd"},
    {"Restaurant", "Rest."},
    {"Fast foods", "Fast food"},
    {"Infant formula", "Inf. formula"},
    {"Babyfood", "Baby"},
    {"Cereals ready-to-eat", "Cereal RTE"},
    {"powder", "pwd"},
    {"concentrate", "conc"},
    {"Company", "Co."},
    {"composite of trimmed retail cuts", "retail cuts"},
    {"imported", "imp."},
    {"domestic", "dom."},
    {"unsweetened", "unsweet"},
    {"unenriched", "unenr"},
}};

constexpr std::array<std::string_view, 34> kPreparationWords = {
    "raw",        "cooked",    "boiled",        "braised", "roasted",    "baked",      "fried",
    "broiled",    "grilled",   "stewed",        "steamed", "simmered",   "microwaved", "poached",
    "scrambled",  "toasted",   "smoked",        "dried",   "dehydrated", "canned",     "frozen",
    "unprepared", "prepared",  "reconstituted", "heated",  "unheated",   "blanched",   "drained",
    "rotisserie", "barbecued", "heat",          "sauteed", "pickled",    "fermented",
};

constexpr std::string_view kPartSeparator = ", ";
constexpr std::size_t kNdbSuffixLength = 12; // " (NDB 01009)"

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Replaces from by to wherever it stands as whole words.
void replaceWords(std::string& text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
        const std::size_t end = at + from.size();
        const bool startsWord = !isLetter(from.front()) || at == 0 || !isLetter(text[at - 1]);
        const bool endsWord = !isLetter(from.back()) || end == text.size() || !isLetter(text[end]);
        const bool whole = startsWord && endsWord;
        if (whole) {
            text.replace(at, from.size(), to);
            at += to.size();
        } else {
            ++at;
        }
    }
}

std::string fullyAbbreviated(std::string_view name)
{
    std::string text(name);
    for (const Abbreviation& abbreviation : kAbbreviations) {
        replaceWords(text, abbreviation.from, abbreviation.to);
    }
    return text;
}

std::vector<std::string> partsOf(std::string_view text)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(kPartSeparator, start);
        parts.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + kPartSeparator.size();
    }
}

std::string joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) {
            text += kPartSeparator;
        }
        text += part;
    }
    return text;
}

bool tellsPreparation(std::string_view part)
{
    const std::string folded = foldCaseUtf8(part);
    std::size_t start = 0;
    while (start < folded.size()) {
        const std::size_t end = std::min(folded.find_first_of(" -/()", start), folded.size());
        if (isUsdaPreparationWord(std::string_view(folded).substr(start, end - start))) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

bool fits(std::string_view text, std::size_t maxCharacters)
{
    return utf8CharacterCount(text) <= maxCharacters;
}

// How many foods have each part after their first one, per first part: the parts most foods of a kind
// share tell the least about one of them. Kept by hash, since only the order of the counts matters.
class PartCounts
{
public:
    void add(std::string_view name)
    {
        std::vector<std::string> parts = partsOf(fullyAbbreviated(name));
        std::sort(parts.begin() + 1, parts.end());
        parts.erase(std::unique(parts.begin() + 1, parts.end()), parts.end());
        for (std::size_t i = 1; i < parts.size(); ++i) {
            ++m_counts[key(parts[0], parts[i])];
        }
    }

    std::uint32_t count(std::string_view first, std::string_view part) const
    {
        const auto found = m_counts.find(key(first, part));
        return found == m_counts.end() ? 0 : found->second;
    }

private:
    static std::uint64_t key(std::string_view first, std::string_view part)
    {
        const std::hash<std::string_view> hash;
        return hash(first) * 1099511628211u ^ hash(part);
    }

    std::unordered_map<std::uint64_t, std::uint32_t> m_counts;
};

std::string shortened(std::string_view name, std::size_t maxCharacters, const PartCounts& counts)
{
    if (fits(name, maxCharacters)) {
        return std::string(name);
    }
    std::string text(name);
    for (const Abbreviation& abbreviation : kAbbreviations) {
        replaceWords(text, abbreviation.from, abbreviation.to);
        if (fits(text, maxCharacters)) {
            return text;
        }
    }
    std::vector<std::string> parts = partsOf(text);
    while (!fits(joined(parts), maxCharacters)) {
        std::size_t drop = 0;
        for (std::size_t i = 1; i < parts.size(); ++i) {
            if (!tellsPreparation(parts[i]) &&
                (drop == 0 || counts.count(parts[0], parts[i]) >= counts.count(parts[0], parts[drop]))) {
                drop = i;
            }
        }
        if (drop == 0) {
            break;
        }
        parts.erase(parts.begin() + static_cast<std::ptrdiff_t>(drop));
    }
    text = joined(parts);
    if (fits(text, maxCharacters)) {
        return text;
    }
    // Still too long: cut what the preparation parts leave room for, and keep those whole.
    std::vector<std::string> head{parts[0]};
    std::vector<std::string> preparation;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        (tellsPreparation(parts[i]) ? preparation : head).push_back(parts[i]);
    }
    const std::string tail = joined(preparation);
    const std::size_t tailLength = utf8CharacterCount(tail) + kPartSeparator.size();
    if (preparation.empty() || tailLength + 10 > maxCharacters) {
        return shortenAtBoundary(text, maxCharacters);
    }
    return shortenAtBoundary(joined(head), maxCharacters - tailLength) + std::string(kPartSeparator) + tail;
}

// The names that differ from the USDA names, by position in the extract.
using ChangedNames = std::vector<std::pair<std::size_t, std::string>>;

ChangedNames makeNames()
{
    PartCounts counts;
    for (std::size_t i = 0; i < usdaFoodCount(); ++i) {
        counts.add(usdaFood(i).name);
    }
    ChangedNames changed;
    for (std::size_t i = 0; i < usdaFoodCount(); ++i) {
        const std::string_view usda = usdaFood(i).name;
        if (!fits(usda, kMaxPersonalNameLength)) {
            changed.emplace_back(i, shortened(usda, kMaxPersonalNameLength, counts));
        }
    }
    // Names that stand for more than one food, whether USDA gave them or shortening made them.
    std::vector<std::pair<std::string_view, std::size_t>> names;
    names.reserve(usdaFoodCount());
    auto next = changed.begin();
    for (std::size_t i = 0; i < usdaFoodCount(); ++i) {
        const bool isChanged = next != changed.end() && next->first == i;
        names.emplace_back(isChanged ? std::string_view(next->second) : usdaFood(i).name, i);
        next += isChanged ? 1 : 0;
    }
    std::sort(names.begin(), names.end());
    std::vector<std::size_t> shared;
    for (std::size_t k = 0; k < names.size(); ++k) {
        const bool sameAsPrevious = k > 0 && names[k].first == names[k - 1].first;
        const bool sameAsNext = k + 1 < names.size() && names[k].first == names[k + 1].first;
        if (sameAsPrevious || sameAsNext) {
            shared.push_back(names[k].second);
        }
    }
    for (const std::size_t i : shared) {
        const UsdaFoodRow food = usdaFood(i);
        std::string name = shortened(food.name, kMaxPersonalNameLength - kNdbSuffixLength, counts) + " (NDB " +
                           usdaNdbText(food.ndb) + ")";
        const auto at = std::lower_bound(changed.begin(), changed.end(), i,
                                         [](const auto& entry, std::size_t index) { return entry.first < index; });
        if (at != changed.end() && at->first == i) {
            at->second = std::move(name);
        } else {
            changed.emplace(at, i, std::move(name));
        }
    }
    changed.shrink_to_fit();
    return changed;
}

} // namespace

std::string usdaPersonalFoodName(std::size_t food)
{
    // Whether a name must carry its NDB number depends on every other food, so all are named once.
    static const ChangedNames changed = makeNames();
    if (food >= usdaFoodCount()) {
        return std::string();
    }
    const auto at = std::lower_bound(changed.begin(), changed.end(), food,
                                     [](const auto& entry, std::size_t index) { return entry.first < index; });
    return at != changed.end() && at->first == food ? at->second : std::string(usdaFood(food).name);
}

bool isUsdaPreparationWord(std::string_view word)
{
    return std::find(kPreparationWords.begin(), kPreparationWords.end(), word) != kPreparationWords.end();
}

} // namespace mw
