#include "calc/intake_preferences.h"

#include "model/text_trim.h"

#include "calc/saturate.h"
#include "model/number_text.h"

#include <algorithm>
#include <cstddef>

namespace mw {
namespace {

// How a requirement becomes a default bound: a factor, or a fixed value for sodium and the zeros.
struct DefaultBound
{
    float factor = 0.0f;
    float fixed = 0.0f;
};

struct DefaultRule
{
    DefaultBound from;
    DefaultBound to;
};

// Formed in single precision exactly as the factors were always written.
constexpr float kNineTenths = 9 * 0.1f;
constexpr float kElevenTenths = 11 * 0.1f;
constexpr float kTwelveTenths = 12 * 0.1f;
constexpr float kFifteenTenths = 15 * 0.1f;
constexpr float kEightyHundredths = 80 * 0.01f;
constexpr float kHundredTwentyHundredths = 120 * 0.01f;

constexpr DefaultRule factors(float from, float to)
{
    return {{from, 0.0f}, {to, 0.0f}};
}

constexpr DefaultRule kVitaminsAndMinerals = factors(kEightyHundredths, kHundredTwentyHundredths);

constexpr std::array<DefaultRule, kNutrientCount> kDefaultRules = {{
    {},                                  // weight: no preference
    factors(kNineTenths, kElevenTenths), // calories
    factors(kNineTenths, kTwelveTenths), // protein
    factors(1.0f, kFifteenTenths),       // carbohydrate
    factors(0.5f, 1.0f),                 // total fat
    factors(0.5f, 1.0f),                 // saturated fat
    factors(0.5f, kFifteenTenths),       // monounsaturated fat
    factors(0.5f, 1.0f),                 // polyunsaturated fat
    factors(0.0f, 1.0f),                 // cholesterol
    kVitaminsAndMinerals,                // fiber
    kVitaminsAndMinerals,                // vitamin A
    kVitaminsAndMinerals,                // vitamin E
    kVitaminsAndMinerals,                // vitamin C
    kVitaminsAndMinerals,                // thiamin
    kVitaminsAndMinerals,                // riboflavin
    kVitaminsAndMinerals,                // niacin
    kVitaminsAndMinerals,                // vitamin B6
    kVitaminsAndMinerals,                // folate
    kVitaminsAndMinerals,                // vitamin B12
    kVitaminsAndMinerals,                // calcium
    kVitaminsAndMinerals,                // phosphorus
    kVitaminsAndMinerals,                // magnesium
    kVitaminsAndMinerals,                // iron
    kVitaminsAndMinerals,                // zinc
    kVitaminsAndMinerals,                // copper
    {{0.0f, 1100.0f}, {0.0f, 2800.0f}},  // sodium
    kVitaminsAndMinerals,                // potassium
    {},                                  // alcohol
}};

bool isPreferenceNutrient(int nutrient)
{
    return nutrient >= kFirstPreferenceNutrient && nutrient <= kLastPreferenceNutrient;
}

int defaultBound(const DefaultBound& rule, float requirement)
{
    const float value = rule.factor != 0.0f ? requirement * rule.factor : rule.fixed;
    return std::clamp(saturatingTruncate<int>(value), kMinPreferenceValue, kMaxPreferenceValue);
}

bool isSignedDigits(std::string_view text)
{
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

void IntakePreferences::assign(const PreferenceTable& table)
{
    m_from.fill(0.0f);
    m_to.fill(0.0f);
    for (int k = kFirstPreferenceNutrient; k <= kLastPreferenceNutrient; ++k) {
        const auto slot = static_cast<std::size_t>(k);
        m_from[slot] = static_cast<float>(table[slot].from);
        m_to[slot] = static_cast<float>(table[slot].to);
    }
}

float IntakePreferences::from(int nutrient) const
{
    return isPreferenceNutrient(nutrient) ? m_from[static_cast<std::size_t>(nutrient)] : 0.0f;
}

float IntakePreferences::to(int nutrient) const
{
    return isPreferenceNutrient(nutrient) ? m_to[static_cast<std::size_t>(nutrient)] : 0.0f;
}

std::optional<IntakePreferences> loadStoredIntakePreferences(const Settings& settings)
{
    if (!hasStoredPreferences(settings)) {
        return std::nullopt;
    }
    return IntakePreferences(storedPreferences(settings));
}

PreferenceRange defaultPreference(const RequirementVector& requirements, int nutrient)
{
    if (!isPreferenceNutrient(nutrient)) {
        return {};
    }
    const auto slot = static_cast<std::size_t>(nutrient);
    const DefaultRule& rule = kDefaultRules[slot];
    return {defaultBound(rule.from, requirements[slot]), defaultBound(rule.to, requirements[slot])};
}

PreferenceTable defaultPreferences(const RequirementVector& requirements)
{
    PreferenceTable table{};
    for (int k = kFirstPreferenceNutrient; k <= kLastPreferenceNutrient; ++k) {
        table[static_cast<std::size_t>(k)] = defaultPreference(requirements, k);
    }
    return table;
}

PreferenceTable preferenceDialogTable(const Settings& settings, const RequirementVector& requirements)
{
    PreferenceTable table = defaultPreferences(requirements);
    for (int k = kFirstPreferenceNutrient; k <= kLastPreferenceNutrient; ++k) {
        PreferenceRange& range = table[static_cast<std::size_t>(k)];
        range.from = storedPreferenceFrom(settings, k).value_or(range.from);
        range.to = storedPreferenceTo(settings, k).value_or(range.to);
    }
    return table;
}

const std::string& PreferenceTexts::text(PreferenceField field) const
{
    const auto slot = static_cast<std::size_t>(field.nutrient);
    return field.bound == PreferenceBound::kFrom ? from.at(slot) : to.at(slot);
}

std::string& PreferenceTexts::text(PreferenceField field)
{
    const auto slot = static_cast<std::size_t>(field.nutrient);
    return field.bound == PreferenceBound::kFrom ? from.at(slot) : to.at(slot);
}

PreferenceTexts preferenceTexts(const PreferenceTable& table)
{
    PreferenceTexts texts;
    for (int k = kFirstPreferenceNutrient; k <= kLastPreferenceNutrient; ++k) {
        const auto slot = static_cast<std::size_t>(k);
        texts.from[slot] = std::to_string(table[slot].from);
        texts.to[slot] = std::to_string(table[slot].to);
    }
    return texts;
}

PreferenceValue parsePreferenceText(std::string_view text)
{
    text = trimBlanks(text);
    if (!isSignedDigits(text)) {
        return {0, PreferenceTextError::kNotAnInteger};
    }
    // All digits but too long for a number: out of range all the same.
    const std::optional<long long> value = parseInteger(text);
    if (!value || *value < kMinPreferenceValue || *value > kMaxPreferenceValue) {
        return {0, PreferenceTextError::kOutOfRange};
    }
    return {static_cast<int>(*value), std::nullopt};
}

PreferenceTextsResult readPreferenceTexts(const PreferenceTexts& texts)
{
    PreferenceTextsResult result;
    for (int k = kFirstPreferenceNutrient; k <= kLastPreferenceNutrient; ++k) {
        PreferenceRange& range = result.table[static_cast<std::size_t>(k)];
        for (const PreferenceBound bound : {PreferenceBound::kFrom, PreferenceBound::kTo}) {
            const PreferenceField field{k, bound};
            const PreferenceValue parsed = parsePreferenceText(texts.text(field));
            if (parsed.error) {
                return {PreferenceTable{}, PreferenceFieldError{field, *parsed.error}};
            }
            (bound == PreferenceBound::kFrom ? range.from : range.to) = parsed.value;
        }
    }
    return result;
}

PreferenceApplyResult applyPreferenceTexts(Settings& settings, const PreferenceTexts& texts,
                                           IntakePreferences& analysis)
{
    PreferenceTextsResult read = readPreferenceTexts(texts);
    if (!read.ok()) {
        return {read.error, {}, {}};
    }
    normalizePreferences(read.table);
    if (const std::error_code error = storePreferences(settings, read.table)) {
        return {std::nullopt, error, {}};
    }
    analysis.assign(read.table);
    return {std::nullopt, {}, read.table};
}

} // namespace mw
