#pragma once

#include "model/nutrient_vector.h"
#include "model/settings_keys.h"

#include <optional>
#include <system_error>

namespace mw {

// Who the requirements are for; the caloric-need dialog's list shows them in this order.
enum SexCategory : int
{
    kMale = 0,
    kFemale,
    kPregnant,
    kLactatingFirstHalfYear,
    kLactatingSecondHalfYear,
};
static_assert(kLactatingSecondHalfYear + 1 == kSexCategoryCount);

inline constexpr int kMinActivity = 1;
inline constexpr int kMaxActivity = 10;
// Below this age the category list is disabled (the category still counts).
inline constexpr int kCategoryAge = 11;

// An inclusive range of whole numbers, as an up-down control holds it.
struct IntRange
{
    int min = 0;
    int max = 0;

    constexpr int clamp(int value) const { return value < min ? min : (value > max ? max : value); }
    constexpr bool contains(int value) const { return value >= min && value <= max; }
    friend constexpr bool operator==(const IntRange&, const IntRange&) = default;
};

// pounds x 453.592 x 0.001.
double PoundsToKilograms(double pounds);

// 0 for 51 and over, 1 for 25-50, 2 for 19-24, 3 for 15-18, 4 for 11-14, 5 for 7-10, 6 for 4-6, 7 for 1-3
// (and for ages below 1).
int AgeBand(int age);

// The daily requirement of every nutrient, in the catalogue's units; every value is a whole number.
// Any integers are accepted: an age below 1 counts as 1 and a category outside 0..4 as male (0), as the
// settings do, so no input reaches past a table; weight and activity are used as they are.
RequirementVector ComputeRequirements(int age, int idealWeightPounds, int activity, int sexCategory);
RequirementVector ComputeRequirements(const CaloricNeedInputs& inputs);

// The energy of a whole number of kilocalories in kilojoules: kcal x 4.2, truncated, saturating.
long long energyKilojoules(double kilocalories);

// The ideal-weight range the dialog opens with: 10..150 lbs below age 11, else 70..300.
IntRange initialIdealWeightRange(int age);
// The ideal-weight range once the age is changed: 10..70 (1-3), 20..110 (4-6), 30..150 (7-10), 70..300.
IntRange idealWeightRangeForAge(int age);
// 4..7 up to age 11, 1..10 from 12.
IntRange activityRangeForAge(int age);

// ComputeRequirements of the stored inputs (storedCaloricNeed); nullopt while they were never stored, in which
// case the caller runs the caloric-need dialog and asks again.
std::optional<RequirementVector> LoadStoredRequirements(const Settings& settings);

// The state of the caloric-need dialog without its controls: the four inputs, the ranges of the up-down
// controls and the live requirements.
class CaloricNeedForm
{
public:
    // The inputs are brought into the ranges the dialog opens with.
    explicit CaloricNeedForm(const CaloricNeedInputs& inputs);
    // Opens with caloricNeedDialogInputs.
    static CaloricNeedForm fromSettings(const Settings& settings);

    const CaloricNeedInputs& inputs() const { return m_inputs; }
    int age() const { return m_inputs.age; }
    int idealWeightPounds() const { return m_inputs.idealWeight; }
    int activity() const { return m_inputs.activity; }
    int sexCategory() const { return m_inputs.sexCategory; }

    static constexpr IntRange ageRange() { return {kMinAge, kMaxAge}; }
    IntRange idealWeightRange() const { return m_weightRange; }
    IntRange activityRange() const { return m_activityRange; }
    // The category list is disabled up to age 10; its selection still counts.
    bool categoryEnabled() const { return m_inputs.age >= kCategoryAge; }
    // The weight in kilograms, truncated, for the "kg" figure.
    int idealWeightKilograms() const;

    // One click of an up-down arrow (delta +1 or -1); a value already at the end of its range stays there.
    // Every age step, even one that stays at 1 or 99, sets the weight and activity ranges for the age and
    // moves both values into them.
    void stepAge(int delta);
    void stepIdealWeight(int delta);
    void stepActivity(int delta);
    // A selection outside 0..4 is ignored.
    void setSexCategory(int category);

    RequirementVector requirements() const { return ComputeRequirements(m_inputs); }
    long long energyKilojoules() const;

    // The OK: "Age", "Weight", "Ideal Weight", "Activity" and "Sex", all or none.
    std::error_code store(Settings& settings) const { return storeCaloricNeed(settings, m_inputs); }

private:
    CaloricNeedInputs m_inputs;
    IntRange m_weightRange;
    IntRange m_activityRange;
};

} // namespace mw
