#pragma once

#include "calc/requirements.h"
#include "model/settings_keys.h"

#include <array>
#include <string>
#include <string_view>
#include <system_error>

namespace mw {

// Texts of the healthy-weight dialog. They have no string ids: they are the captions of the dialog itself.
inline constexpr std::string_view kHealthyWeightTitle = "HEALTHY WEIGHT";
inline constexpr std::string_view kHeightLabel = "Your Height ( without shoes ):"; // beside the height fields
inline constexpr std::string_view kSexLabel = "Sex:";
inline constexpr std::string_view kMaleChoice = "&Male";     // sex choice
inline constexpr std::string_view kFemaleChoice = "&Female"; // sex choice
inline constexpr std::string_view kAgeGroupLabel = "Age:";
inline constexpr std::string_view kAgeGroup19To34Choice = "19 - 34"; // age group choice
inline constexpr std::string_view kAgeGroupOver34Choice = "over 34"; // age group choice
inline constexpr std::string_view kHealthyWeightGroupTitle = "Healthy Weight ( without clothes )";
inline constexpr std::string_view kGuidelines1989Label = "U.S. Guidelines 1989:"; // beside the 1989 weight range
inline constexpr std::string_view kGuidelines1996Label = "U.S. Guidelines 1996:"; // beside the 1996 weight range
inline constexpr std::string_view kHealthyWeightOk = "OK";                        // button 1

// The two guidelines the dialog shows a range for, in the order of its lines.
enum class WeightGuideline
{
    k1989,
    k1996,
};
inline constexpr std::array<WeightGuideline, 2> kWeightGuidelines = {WeightGuideline::k1989, WeightGuideline::k1996};

inline constexpr IntRange kHeightInchesRange = {kMinHeightInches, kMaxHeightInches};

struct HealthyWeightRange
{
    int lowPounds = 0;
    int highPounds = 0;
    int lowKilograms = 0;
    int highKilograms = 0;
    friend bool operator==(const HealthyWeightRange&, const HealthyWeightRange&) = default;
};

// One line of the group box: its label, the range and the range's text.
struct HealthyWeightLine
{
    WeightGuideline guideline = WeightGuideline::k1989;
    std::string_view label;
    HealthyWeightRange range;
    std::string text;
};

std::string_view guidelineLabel(WeightGuideline guideline);

// Wherever a height is taken below, one outside 57..84 counts as the nearer end, as the dialog opens with it.

// The height in whole centimetres (inches x 2.54, truncated).
int heightCentimetres(int heightInches);
// Feet and inches, then centimetres: 5'10"  or  177 cm
std::string heightText(int heightInches);

// The range of one guideline; the 1996 guideline ignores the age group.
HealthyWeightRange healthyWeightRange(const HealthyWeightInputs& inputs, WeightGuideline guideline);
// 156 - 190 lbs  or  70 - 86 kg
std::string healthyWeightRangeText(const HealthyWeightRange& range);
// Both lines, 1989 first.
std::array<HealthyWeightLine, 2> healthyWeightLines(const HealthyWeightInputs& inputs);

// The state of the healthy-weight dialog without its controls.
class HealthyWeightForm
{
public:
    // The height is brought into 57..84.
    explicit HealthyWeightForm(const HealthyWeightInputs& inputs);
    // Opens with the stored "Recommended Weight" values.
    static HealthyWeightForm fromSettings(const Settings& settings);

    const HealthyWeightInputs& inputs() const { return m_inputs; }
    int heightInches() const { return m_inputs.heightInches; }
    bool female() const { return m_inputs.female; }
    bool ageGroup19To34() const { return m_inputs.ageGroup19To34; }
    static constexpr IntRange heightRange() { return kHeightInchesRange; }

    // One click of the up-down arrow (delta +1 or -1); a height already at the end of the range stays there.
    void stepHeight(int delta);
    void setFemale(bool female) { m_inputs.female = female; }
    void setAgeGroup19To34(bool young) { m_inputs.ageGroup19To34 = young; }

    std::string heightText() const { return mw::heightText(m_inputs.heightInches); }
    std::array<HealthyWeightLine, 2> lines() const { return healthyWeightLines(m_inputs); }

    // The OK: "Height", "Age" and "Sex", all or none.
    std::error_code store(Settings& settings) const { return storeHealthyWeightInputs(settings, m_inputs); }

private:
    HealthyWeightInputs m_inputs;
};

} // namespace mw
