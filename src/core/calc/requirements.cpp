#include "calc/requirements.h"

#include "calc/saturate.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace mw {
namespace {

constexpr int kAgeBandCount = 8;
constexpr std::array<int, kAgeBandCount - 1> kAgeBandLowerBounds = {51, 25, 19, 15, 11, 7, 4};

// Per kilogram of ideal weight, by age band; row 0 for men and boys, row 1 for every other category.
constexpr std::array<std::array<double, kAgeBandCount>, 2> kEnergyPerKilogram = {{
    {30, 37, 40, 45, 55, 70, 90, 102},
    {30, 36, 38, 40, 47, 70, 90, 102},
}};
constexpr std::array<std::array<double, kAgeBandCount>, 2> kProteinPerKilogram = {{
    {0.8, 0.8, 0.8, 0.9, 1.0, 1.0, 1.1, 1.2},
    {0.8, 0.8, 0.8, 0.8, 1.0, 1.0, 1.1, 1.2},
}};

constexpr std::array<double, kSexCategoryCount> kExtraKilocalories = {0, 0, 300, 500, 500};
constexpr std::array<double, kSexCategoryCount> kExtraProtein = {0, 0, 10, 15, 12};

// The nutrients of the allowance table, in its column order.
constexpr std::array<NutrientIndex, 14> kAllowanceColumns = {
    kVitaminA, kVitaminE,   kVitaminC, kThiamin,    kRiboflavin, kNiacin, kVitaminB6,
    kFolate,   kVitaminB12, kCalcium,  kPhosphorus, kMagnesium,  kIron,   kZinc,
};
using AllowanceRow = std::array<int, kAllowanceColumns.size()>;

// Rows 0..7: men and boys 51+ .. 11-14, then children 7-10, 4-6, 1-3, by age band.
// Rows 8..12: women and girls 51+ .. 11-14. Then pregnant, lactating in the first and second half year.
constexpr std::array<AllowanceRow, 16> kAllowances = {{
    {1000, 10, 60, 1200, 1400, 15, 2000, 200, 2, 800, 800, 350, 10, 15},
    {1000, 10, 60, 1500, 1700, 19, 2000, 200, 2, 800, 800, 350, 10, 15},
    {1000, 10, 60, 1500, 1700, 19, 2000, 200, 2, 1200, 1200, 350, 10, 15},
    {1000, 10, 60, 1500, 1800, 20, 2000, 200, 2, 1200, 1200, 400, 12, 15},
    {1000, 10, 50, 1300, 1500, 17, 1700, 150, 2, 1200, 1200, 270, 12, 15},
    {700, 7, 45, 1000, 1200, 13, 1400, 100, 1, 800, 800, 170, 10, 10},
    {500, 7, 45, 900, 1100, 12, 1100, 75, 1, 800, 800, 120, 10, 10},
    {400, 6, 40, 700, 800, 9, 1000, 50, 1, 800, 800, 80, 10, 10},
    {800, 8, 60, 1000, 1200, 13, 1600, 180, 2, 800, 800, 280, 10, 12},
    {800, 8, 60, 1100, 1300, 15, 1600, 180, 2, 800, 800, 280, 15, 12},
    {800, 8, 60, 1100, 1300, 15, 1600, 180, 2, 1200, 1200, 280, 15, 12},
    {800, 8, 60, 1100, 1300, 15, 1500, 180, 2, 1200, 1200, 300, 15, 12},
    {800, 8, 50, 1100, 1300, 15, 1400, 150, 2, 1200, 1200, 280, 15, 12},
    {800, 10, 70, 1500, 1600, 17, 2200, 400, 2, 1200, 1200, 300, 30, 15},
    {1300, 12, 95, 1600, 1800, 20, 2100, 280, 3, 1200, 1200, 355, 15, 19},
    {1200, 11, 90, 1600, 1700, 20, 2100, 260, 3, 1200, 1200, 340, 15, 16},
}};
constexpr int kFemaleRowsStart = 8;
constexpr int kPregnantRow = 13;

// Children up to this age get 78 % of their calories as potassium.
constexpr int kPotassiumChildAge = 14;

int validCategory(int category)
{
    return category >= 0 && category < kSexCategoryCount ? category : kMale;
}

// The ranges the caloric-need dialog opens with.
CaloricNeedInputs openingValues(CaloricNeedInputs inputs)
{
    inputs.age = CaloricNeedForm::ageRange().clamp(inputs.age);
    inputs.idealWeight = initialIdealWeightRange(inputs.age).clamp(inputs.idealWeight);
    inputs.activity = activityRangeForAge(inputs.age).clamp(inputs.activity);
    inputs.sexCategory = validCategory(inputs.sexCategory);
    return inputs;
}

std::size_t allowanceRow(int age, int band, int category)
{
    if (age <= kCategoryAge || category == kMale) {
        return static_cast<std::size_t>(band);
    }
    if (category == kFemale) {
        // Ages 12 and over fall in bands 0..4.
        return static_cast<std::size_t>(kFemaleRowsStart + band);
    }
    return static_cast<std::size_t>(kPregnantRow + category - kPregnant);
}

// One arrow click on an up-down control: the value moves by delta but stays within the range.
int stepWithin(IntRange range, int value, int delta)
{
    const long long moved = static_cast<long long>(value) + delta;
    return static_cast<int>(moved < range.min ? range.min : (moved > range.max ? range.max : moved));
}

// Whole-number division of a whole number held in a double, truncating as integer division does.
double wholeDivide(double wholeNumber, double divisor)
{
    return std::trunc(wholeNumber / divisor);
}

} // namespace

double PoundsToKilograms(double pounds)
{
    return pounds * 453.592 * 0.001;
}

int AgeBand(int age)
{
    for (std::size_t band = 0; band < kAgeBandLowerBounds.size(); ++band) {
        if (age >= kAgeBandLowerBounds[band]) {
            return static_cast<int>(band);
        }
    }
    return kAgeBandCount - 1;
}

RequirementVector ComputeRequirements(int age, int idealWeightPounds, int activity, int sexCategory)
{
    age = IntRange{kMinAge, kMaxAge}.clamp(age);
    const int category = validCategory(sexCategory);
    const auto band = static_cast<std::size_t>(AgeBand(age));
    const std::size_t factorRow = category == kMale ? 0 : 1;
    const auto categorySlot = static_cast<std::size_t>(category);

    const double kilograms = PoundsToKilograms(idealWeightPounds);
    const double activityFactor = 0.75 + 0.055 * (static_cast<double>(activity) - 1.0);
    const double kcal =
        std::trunc(kilograms * activityFactor * kEnergyPerKilogram[factorRow][band]) + kExtraKilocalories[categorySlot];
    const double protein =
        std::trunc(static_cast<double>(static_cast<float>(kilograms)) * kProteinPerKilogram[factorRow][band]) +
        kExtraProtein[categorySlot];

    RequirementVector r;
    r[kWeight] = 1.0f;
    r[kCalories] = static_cast<float>(kcal);
    r[kProtein] = static_cast<float>(protein);
    r[kCarbohydrate] = static_cast<float>(wholeDivide(kcal, 8));
    r[kTotalFat] = static_cast<float>(wholeDivide(kcal, 30));
    r[kSaturatedFat] = static_cast<float>(wholeDivide(kcal, 90));
    r[kMonounsaturatedFat] = static_cast<float>(wholeDivide(kcal, 100));
    r[kPolyunsaturatedFat] = static_cast<float>(wholeDivide(kcal, 100));
    r[kCholesterol] = 300.0f;
    r[kFiber] = 30.0f;
    r[kCopper] = 2.0f;
    r[kSodium] = 2400.0f;
    r[kPotassium] = age <= kPotassiumChildAge ? static_cast<float>(wholeDivide(78 * kcal, 100)) : 2500.0f;
    r[kAlcohol] = 1.0f;

    const AllowanceRow& row = kAllowances[allowanceRow(age, static_cast<int>(band), category)];
    for (std::size_t column = 0; column < kAllowanceColumns.size(); ++column) {
        r[static_cast<std::size_t>(kAllowanceColumns[column])] = static_cast<float>(row[column]);
    }
    return r;
}

RequirementVector ComputeRequirements(const CaloricNeedInputs& inputs)
{
    return ComputeRequirements(inputs.age, inputs.idealWeight, inputs.activity, inputs.sexCategory);
}

long long energyKilojoules(double kilocalories)
{
    return saturatingTruncate<long long>(kilocalories * 4.2);
}

IntRange initialIdealWeightRange(int age)
{
    return age < kCategoryAge ? IntRange{10, 150} : IntRange{70, 300};
}

IntRange idealWeightRangeForAge(int age)
{
    if (age >= kCategoryAge) {
        return {70, 300};
    }
    if (age >= 7) {
        return {30, 150};
    }
    if (age >= 4) {
        return {20, 110};
    }
    return {10, 70};
}

IntRange activityRangeForAge(int age)
{
    return age <= kCategoryAge ? IntRange{4, 7} : IntRange{kMinActivity, kMaxActivity};
}

std::optional<RequirementVector> LoadStoredRequirements(const Settings& settings)
{
    const std::optional<CaloricNeedInputs> stored = storedCaloricNeed(settings);
    if (!stored) {
        return std::nullopt;
    }
    return ComputeRequirements(*stored);
}

CaloricNeedForm::CaloricNeedForm(const CaloricNeedInputs& inputs)
    : m_inputs(openingValues(inputs)), m_weightRange(initialIdealWeightRange(m_inputs.age)),
      m_activityRange(activityRangeForAge(m_inputs.age))
{
}

CaloricNeedForm CaloricNeedForm::fromSettings(const Settings& settings)
{
    return CaloricNeedForm(caloricNeedDialogInputs(settings));
}

int CaloricNeedForm::idealWeightKilograms() const
{
    return saturatingTruncate<int>(PoundsToKilograms(m_inputs.idealWeight));
}

void CaloricNeedForm::stepAge(int delta)
{
    m_inputs.age = stepWithin(ageRange(), m_inputs.age, delta);
    m_weightRange = idealWeightRangeForAge(m_inputs.age);
    m_inputs.idealWeight = m_weightRange.clamp(m_inputs.idealWeight);
    m_activityRange = activityRangeForAge(m_inputs.age);
    m_inputs.activity = m_activityRange.clamp(m_inputs.activity);
}

void CaloricNeedForm::stepIdealWeight(int delta)
{
    m_inputs.idealWeight = stepWithin(m_weightRange, m_inputs.idealWeight, delta);
}

void CaloricNeedForm::stepActivity(int delta)
{
    m_inputs.activity = stepWithin(m_activityRange, m_inputs.activity, delta);
}

void CaloricNeedForm::setSexCategory(int category)
{
    if (category >= 0 && category < kSexCategoryCount) {
        m_inputs.sexCategory = category;
    }
}

long long CaloricNeedForm::energyKilojoules() const
{
    return mw::energyKilojoules(requirements()[kCalories]);
}

} // namespace mw
