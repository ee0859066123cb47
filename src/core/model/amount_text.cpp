#include "model/amount_text.h"

#include "model/meal_editing.h"
#include "model/number_text.h"
#include "model/text_trim.h"
#include "model/unicode_case.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>
#include <vector>

namespace mw {
namespace {

constexpr double kGramsPerOunce = 28.349523125;
constexpr double kGramsPerPound = 453.59237;

constexpr std::array<std::pair<std::string_view, double>, 13> kWeightUnits = {{
    {"g", 1.0},
    {"gram", 1.0},
    {"grams", 1.0},
    {"kg", 1000.0},
    {"kilogram", 1000.0},
    {"kilograms", 1000.0},
    {"oz", kGramsPerOunce},
    {"ounce", kGramsPerOunce},
    {"ounces", kGramsPerOunce},
    {"lb", kGramsPerPound},
    {"lbs", kGramsPerPound},
    {"pound", kGramsPerPound},
    {"pounds", kGramsPerPound},
}};

constexpr std::array<std::pair<std::string_view, double>, 15> kFractionCharacters = {{
    {"½", 1.0 / 2},
    {"⅓", 1.0 / 3},
    {"⅔", 2.0 / 3},
    {"¼", 1.0 / 4},
    {"¾", 3.0 / 4},
    {"⅕", 1.0 / 5},
    {"⅖", 2.0 / 5},
    {"⅗", 3.0 / 5},
    {"⅘", 4.0 / 5},
    {"⅙", 1.0 / 6},
    {"⅚", 5.0 / 6},
    {"⅛", 1.0 / 8},
    {"⅜", 3.0 / 8},
    {"⅝", 5.0 / 8},
    {"⅞", 7.0 / 8},
}};

struct Quantity
{
    double value = 0.0;
    // Written with a fraction ("1/2", "1½"), which a bare amount reads as servings.
    bool fraction = false;
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view takeWhile(std::string_view& text, bool (*keep)(char))
{
    std::size_t end = 0;
    while (end < text.size() && keep(text[end])) {
        ++end;
    }
    const std::string_view taken = text.substr(0, end);
    text.remove_prefix(end);
    return taken;
}

std::optional<double> takeFractionCharacter(std::string_view& text)
{
    for (const auto& [character, value] : kFractionCharacters) {
        if (text.starts_with(character)) {
            text.remove_prefix(character.size());
            return value;
        }
    }
    return std::nullopt;
}

// "a/b" with whole a and b > 0.
std::optional<double> takeSlashFraction(std::string_view& text)
{
    std::string_view rest = text;
    const std::optional<long long> top = parseInteger(takeWhile(rest, isDigit));
    if (!top || !rest.starts_with('/')) {
        return std::nullopt;
    }
    rest.remove_prefix(1);
    const std::optional<long long> bottom = parseInteger(takeWhile(rest, isDigit));
    if (!bottom || *bottom == 0) {
        return std::nullopt;
    }
    text = rest;
    return static_cast<double>(*top) / static_cast<double>(*bottom);
}

// The fraction that may follow a whole number: "1½", "1 ½", "1 1/2".
std::optional<double> takeFractionPart(std::string_view& text)
{
    std::string_view rest = text;
    while (!rest.empty() && isBlank(rest.front())) {
        rest.remove_prefix(1);
    }
    std::optional<double> part = takeFractionCharacter(rest);
    if (!part) {
        part = takeSlashFraction(rest);
    }
    if (part) {
        text = rest;
    }
    return part;
}

// A number at the start of the text: "2", "1.5", ".5", "1/2", "1 1/2", "1½", "½".
std::optional<Quantity> takeQuantity(std::string_view& text)
{
    if (const std::optional<double> alone = takeFractionCharacter(text)) {
        return Quantity{*alone, true};
    }
    if (const std::optional<double> fraction = takeSlashFraction(text)) {
        return Quantity{*fraction, true};
    }
    const std::string_view number = takeWhile(text, [](char c) { return isDigit(c) || c == '.'; });
    const std::optional<double> value = number.empty() ? std::nullopt : parseDouble(number);
    if (!value) {
        return std::nullopt;
    }
    if (number.find('.') == std::string_view::npos) {
        if (const std::optional<double> part = takeFractionPart(text)) {
            return Quantity{*value + *part, true};
        }
    }
    return Quantity{*value, false};
}

std::vector<std::string_view> wordsOf(std::string_view text)
{
    std::vector<std::string_view> words;
    while (!(text = trimBlanks(text)).empty()) {
        std::size_t end = 0;
        while (end < text.size() && !isBlank(text[end])) {
            ++end;
        }
        words.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return words;
}

// The word without a plural ending, in every way it might have one: "slices", "patties", "glasses".
std::vector<std::string> stemsOf(std::string_view word)
{
    std::vector<std::string> stems{std::string(word)};
    if (word.ends_with('s')) {
        stems.emplace_back(word.substr(0, word.size() - 1));
    }
    if (word.ends_with("es")) {
        stems.emplace_back(word.substr(0, word.size() - 2));
    }
    if (word.ends_with("ies")) {
        stems.push_back(std::string(word.substr(0, word.size() - 3)) + "y");
    }
    return stems;
}

// The same word, singular or plural.
bool sameWord(std::string_view a, std::string_view b)
{
    for (const std::string& stemA : stemsOf(a)) {
        for (const std::string& stemB : stemsOf(b)) {
            if (stemA == stemB) {
                return true;
            }
        }
    }
    return false;
}

// A portion text such as "1 cup", "1/2 cup slices", "12 fl oz" or "6-8 nachos" taken apart.
struct PortionUnit
{
    double count = 0.0;
    std::string text;
    std::vector<std::string> words; // owned: the unit is copied and moved after it is read
};

std::optional<PortionUnit> portionUnitOf(std::string_view portion)
{
    PortionUnit unit;
    unit.text = foldCaseUtf8(trimBlanks(portion));
    std::string_view rest = unit.text;
    std::optional<Quantity> count = takeQuantity(rest);
    if (count && rest.starts_with('-')) {
        // A range counts as its middle.
        rest.remove_prefix(1);
        const std::optional<Quantity> upper = takeQuantity(rest);
        count = upper ? std::optional(Quantity{(count->value + upper->value) / 2.0, true}) : std::nullopt;
    }
    for (const std::string_view word : wordsOf(rest)) {
        unit.words.emplace_back(word);
    }
    if (!count || !(count->value > 0.0) || unit.words.empty()) {
        return std::nullopt;
    }
    unit.count = count->value;
    return unit;
}

// "cups" for "cup" and "2 cup slices", the same unit, or just its first or last word: "cups" for
// "1 cup sliced", "pitas" for "1 large pita".
bool isPortionUnit(const std::vector<std::string_view>& typed, const PortionUnit& unit)
{
    const auto sameWords = [](const std::vector<std::string_view>& a, const std::vector<std::string>& b) {
        if (a.size() != b.size()) {
            return false;
        }
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (!sameWord(a[i], b[i])) {
                return false;
            }
        }
        return true;
    };
    if (sameWords(typed, unit.words)) {
        return true;
    }
    return typed.size() == 1 && (sameWord(typed[0], unit.words.front()) || sameWord(typed[0], unit.words.back()));
}

std::optional<double> gramsPerUnit(std::string_view unit)
{
    for (const auto& [name, grams] : kWeightUnits) {
        if (unit == name) {
            return grams;
        }
    }
    return std::nullopt;
}

std::string plural(std::string_view word)
{
    const bool abbreviation = word.find_first_of("aeiou") == std::string_view::npos;
    if (abbreviation || word.ends_with('s')) {
        return std::string(word);
    }
    if (word.ends_with("ch") || word.ends_with("sh") || word.ends_with('x')) {
        return std::string(word) + "es";
    }
    if (word.size() > 1 && word.ends_with('y') &&
        std::string_view("aeiou").find(word[word.size() - 2]) == std::string_view::npos) {
        return std::string(word.substr(0, word.size() - 1)) + "ies";
    }
    return std::string(word) + "s";
}

// "2 cups" for a food whose portion is "1 cup".
std::string portionExample(const PortionUnit& unit)
{
    if (unit.words.size() == 1) {
        return "2 " + plural(unit.words.front());
    }
    std::string example = "2";
    for (const std::string& word : unit.words) {
        example += ' ';
        example += word;
    }
    return example;
}

AmountReading unreadable(std::string_view typed, const std::optional<PortionUnit>& unit)
{
    std::string problem = "\"" + std::string(trimBlanks(typed)) +
                          "\" is not an amount: type grams (\"150\" or \"150 g\"), a weight (\"3 oz\", \"0.5 lb\"), "
                          "servings (\"1.5 servings\", \"1/2 serving\", \"1½\")";
    if (unit) {
        problem += ", or the food's own unit (\"" + portionExample(*unit) + "\" for its portion of " + unit->text + ")";
    }
    return {std::nullopt, problem + "."};
}

AmountReading outOfRange(std::string_view typed, double grams)
{
    // One decimal, never in exponent form: "0.3", "4880000".
    char shown[64];
    const auto [end, error] =
        std::to_chars(shown, shown + sizeof shown, std::round(grams * 10.0) / 10.0, std::chars_format::fixed);
    const std::string weight = error == std::errc() ? std::string(shown, end) : std::string("too much");
    return {std::nullopt, "\"" + std::string(trimBlanks(typed)) + "\" weighs " + weight +
                              " g; an amount must weigh 1 to " + std::to_string(kMaxEntryAmount) + " g."};
}

} // namespace

FoodPortion foodPortion(const FoodOperations& foods, FoodId id)
{
    if (!foods.exists(id)) {
        return {};
    }
    const std::string name = foods.displayName(id);
    const std::size_t open = name.rfind('[');
    const std::size_t close = open == std::string::npos ? open : name.find(']', open);
    if (close == std::string::npos) {
        return {foods.servingWeight(id), std::string()};
    }
    return {foods.servingWeight(id), name.substr(open + 1, close - open - 1)};
}

AmountReading readAmount(std::string_view typed, const FoodPortion& portion)
{
    const std::optional<PortionUnit> unit = portionUnitOf(portion.text);
    const std::string folded = foldCaseUtf8(trimBlanks(typed));
    std::string_view rest = folded;
    const std::optional<Quantity> quantity = takeQuantity(rest);
    if (!quantity) {
        return unreadable(typed, unit);
    }
    const std::vector<std::string_view> words = wordsOf(rest);
    double grams = 0.0;
    if (words.empty()) {
        grams = quantity->fraction ? quantity->value * portion.grams : quantity->value;
    } else if (const std::optional<double> perUnit = words.size() == 1 ? gramsPerUnit(words[0]) : std::nullopt) {
        grams = quantity->value * *perUnit;
    } else if (words.size() == 1 && sameWord(words[0], "serving")) {
        grams = quantity->value * portion.grams;
    } else if (unit && isPortionUnit(words, *unit)) {
        grams = quantity->value / unit->count * portion.grams;
    } else {
        return unreadable(typed, unit);
    }
    if (!(grams >= 1.0 && grams <= kMaxEntryAmount)) {
        return outOfRange(typed, grams);
    }
    return {static_cast<Grams>(std::lround(grams)), std::string()};
}

AmountReading readAmount(std::string_view typed, const FoodOperations& foods, FoodId id)
{
    return readAmount(typed, foodPortion(foods, id));
}

} // namespace mw
