#include "calc/healthy_weight.h"

#include <cstddef>

namespace mw {
namespace {

constexpr int kInchesPerFoot = 12;
constexpr double kCentimetresPerInch = 2.54;
constexpr std::string_view kOr = "  or  ";

// The factors of one table of the guidelines: the 1996 guideline and the 1989 one for ages 19 to 34 share the
// first, the 1989 one over 34 uses the second.
struct WeightFactors
{
    double poundsPerInch;
    int basePounds; // at 57 inches
    double upperFactor;
};

constexpr WeightFactors kYoungerFactors = {3.722, 86, 1.31};
constexpr WeightFactors kOlderFactors = {4.111, 96, 1.28};
constexpr double kMaleLowerFactor = 1.05;
constexpr double kFemaleUpperFactor = 0.95;

const WeightFactors& weightFactors(const HealthyWeightInputs& inputs, WeightGuideline guideline)
{
    const bool younger = guideline == WeightGuideline::k1996 || inputs.ageGroup19To34;
    return younger ? kYoungerFactors : kOlderFactors;
}

int truncated(double value)
{
    return static_cast<int>(value);
}

int kilograms(int pounds)
{
    return truncated(PoundsToKilograms(pounds));
}

} // namespace

std::string_view guidelineLabel(WeightGuideline guideline)
{
    return guideline == WeightGuideline::k1996 ? kGuidelines1996Label : kGuidelines1989Label;
}

int heightCentimetres(int heightInches)
{
    return truncated(kHeightInchesRange.clamp(heightInches) * kCentimetresPerInch);
}

std::string heightText(int heightInches)
{
    const int height = kHeightInchesRange.clamp(heightInches);
    return std::to_string(height / kInchesPerFoot) + "'" + std::to_string(height % kInchesPerFoot) + "\"" +
           std::string(kOr) + std::to_string(heightCentimetres(height)) + " cm";
}

HealthyWeightRange healthyWeightRange(const HealthyWeightInputs& inputs, WeightGuideline guideline)
{
    const WeightFactors& factors = weightFactors(inputs, guideline);
    const int height = kHeightInchesRange.clamp(inputs.heightInches);
    const int base = truncated(factors.poundsPerInch * (height - kMinHeightInches)) + factors.basePounds;

    HealthyWeightRange range;
    range.lowPounds = inputs.female ? base : truncated(base * kMaleLowerFactor);
    range.highPounds = truncated(base * factors.upperFactor);
    if (inputs.female) {
        range.highPounds = truncated(range.highPounds * kFemaleUpperFactor);
    }
    range.lowKilograms = kilograms(range.lowPounds);
    range.highKilograms = kilograms(range.highPounds);
    return range;
}

std::string healthyWeightRangeText(const HealthyWeightRange& range)
{
    return std::to_string(range.lowPounds) + " - " + std::to_string(range.highPounds) + " lbs" + std::string(kOr) +
           std::to_string(range.lowKilograms) + " - " + std::to_string(range.highKilograms) + " kg";
}

std::array<HealthyWeightLine, 2> healthyWeightLines(const HealthyWeightInputs& inputs)
{
    std::array<HealthyWeightLine, 2> lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        HealthyWeightLine& line = lines[i];
        line.guideline = kWeightGuidelines[i];
        line.label = guidelineLabel(line.guideline);
        line.range = healthyWeightRange(inputs, line.guideline);
        line.text = healthyWeightRangeText(line.range);
    }
    return lines;
}

HealthyWeightForm::HealthyWeightForm(const HealthyWeightInputs& inputs) : m_inputs(inputs)
{
    m_inputs.heightInches = kHeightInchesRange.clamp(m_inputs.heightInches);
}

HealthyWeightForm HealthyWeightForm::fromSettings(const Settings& settings)
{
    return HealthyWeightForm(healthyWeightInputs(settings));
}

void HealthyWeightForm::stepHeight(int delta)
{
    const int step = delta > 0 ? 1 : (delta < 0 ? -1 : 0);
    m_inputs.heightInches = kHeightInchesRange.clamp(m_inputs.heightInches + step);
}

} // namespace mw
