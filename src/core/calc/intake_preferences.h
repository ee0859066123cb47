#pragma once

#include "model/nutrient_vector.h"
#include "model/settings_keys.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace mw {

// Nutrients 1 (Calories) to 27 (Alcohol) have a preferred intake; slot 0 (weight) of every table is unused.
inline constexpr int kFirstPreferenceNutrient = kCalories;
inline constexpr int kLastPreferenceNutrient = kAlcohol;
inline constexpr int kMinPreferenceValue = 0;

// The preference table as the analysis reads it: a From and a To value per nutrient, in single precision.
// The caller owns it (one per program, shared by its views) and replaces it when the dialog's OK stores a
// new table. Without a table every value is 0.
class IntakePreferences
{
public:
    IntakePreferences() = default;
    explicit IntakePreferences(const PreferenceTable& table) { assign(table); }

    void assign(const PreferenceTable& table);

    // 0 outside nutrients 1..27.
    float from(int nutrient) const;
    float to(int nutrient) const;

    friend bool operator==(const IntakePreferences&, const IntakePreferences&) = default;

private:
    std::array<float, kNutrientCount> m_from{};
    std::array<float, kNutrientCount> m_to{};
};

// The table a view starts with: the stored one when "F1" holds a value (a missing From reads 1, a missing To
// 9999); nullopt when none was stored, in which case the caller makes sure requirements are stored, runs the
// preference dialog until it stores a table and loads again.
std::optional<IntakePreferences> loadStoredIntakePreferences(const Settings& settings);

// The default range of nutrient 1..27 derived from its requirement, truncated to whole numbers and kept within
// 0..9999 so the dialog accepts it as shown; {0, 0} for any other index. The factors are formed and applied in single
// precision: 0.9 as 9 x 0.1, 1.1 as 11 x 0.1, 1.2 (protein) as 12 x 0.1, 1.5 as 15 x 0.1, 0.8 as 80 x 0.01 and 1.2 (the
// vitamins and minerals) as 120 x 0.01; the last two come out a little under 0.8 and 1.2, so a requirement of 1000
// gives 799 to 1199.
PreferenceRange defaultPreference(const RequirementVector& requirements, int nutrient);
PreferenceTable defaultPreferences(const RequirementVector& requirements);

// What the preference dialog opens with: each stored "F"/"T" key that holds a value (brought into 0..9999),
// else the default from the requirements.
PreferenceTable preferenceDialogTable(const Settings& settings, const RequirementVector& requirements);

// ---- The dialog's fields ----------------------------------------------------------------------------------

enum class PreferenceBound
{
    kFrom,
    kTo,
};

enum class PreferenceTextError
{
    kNotAnInteger, // empty, or anything but blanks around an optionally signed decimal number
    kOutOfRange,   // a whole number outside 0..9999
};

// One of the 54 edits: nutrient 1..27 and its From or To.
struct PreferenceField
{
    int nutrient = kFirstPreferenceNutrient;
    PreferenceBound bound = PreferenceBound::kFrom;
    friend bool operator==(const PreferenceField&, const PreferenceField&) = default;
};

struct PreferenceFieldError
{
    PreferenceField field;
    PreferenceTextError error = PreferenceTextError::kNotAnInteger;
    friend bool operator==(const PreferenceFieldError&, const PreferenceFieldError&) = default;
};

// The texts of the edits by nutrient; slot 0 is unused.
struct PreferenceTexts
{
    std::array<std::string, kNutrientCount> from;
    std::array<std::string, kNutrientCount> to;

    const std::string& text(PreferenceField field) const;
    std::string& text(PreferenceField field);
};

// One edit's text as a whole number 0..9999.
struct PreferenceValue
{
    int value = 0;
    std::optional<PreferenceTextError> error;
};
PreferenceValue parsePreferenceText(std::string_view text);

// The decimal texts the edits show for a table.
PreferenceTexts preferenceTexts(const PreferenceTable& table);

// Reads all 54 edits in order (nutrient 1 From, 1 To, 2 From, ...); the first one that does not hold a
// whole number 0..9999 is reported, so the dialog can name it and give it the focus.
struct PreferenceTextsResult
{
    PreferenceTable table{};
    std::optional<PreferenceFieldError> error;
    bool ok() const { return !error; }
};
PreferenceTextsResult readPreferenceTexts(const PreferenceTexts& texts);

// The dialog's OK: reads the edits, normalises the table (normalizePreferences), stores all 54 keys and only
// then hands the table to the analysis. A field error or a failed write changes neither the settings nor
// the analysis table; the dialog stays open.
struct PreferenceApplyResult
{
    std::optional<PreferenceFieldError> fieldError;
    std::error_code storeError;
    PreferenceTable stored{}; // what was stored, on success
    bool ok() const { return !fieldError && !storeError; }
};
PreferenceApplyResult applyPreferenceTexts(Settings& settings, const PreferenceTexts& texts,
                                           IntakePreferences& analysis);

} // namespace mw
