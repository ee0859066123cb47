#include "format/usda_conversion.h"

#include "model/nutrient_scale.h"

#include <algorithm>
#include <array>

namespace mw {
namespace {

struct Source
{
    int column;
    std::int64_t multiplier;
};

// USDA column and unit multiplier of nutrients 1..27; vitamin A is derived from several columns.
constexpr std::array<Source, kNutrientCount> kSources = {{
    {-1, 0},
    {kUsdaEnergy, 1},
    {kUsdaProtein, 1},
    {kUsdaCarbohydrate, 1},
    {kUsdaFat, 1},
    {kUsdaSaturatedFat, 1},
    {kUsdaMonounsaturatedFat, 1},
    {kUsdaPolyunsaturatedFat, 1},
    {kUsdaCholesterol, 1},
    {kUsdaFiber, 1},
    {-1, 0},
    {kUsdaVitaminE, 1},
    {kUsdaVitaminC, 1},
    // The catalogue counts thiamin, riboflavin and vitamin B6 in micrograms.
    {kUsdaThiamin, 1000},
    {kUsdaRiboflavin, 1000},
    {kUsdaNiacin, 1},
    {kUsdaVitaminB6, 1000},
    {kUsdaFolate, 1},
    {kUsdaVitaminB12, 1},
    {kUsdaCalcium, 1},
    {kUsdaPhosphorus, 1},
    {kUsdaMagnesium, 1},
    {kUsdaIron, 1},
    {kUsdaZinc, 1},
    {kUsdaCopper, 1},
    {kUsdaSodium, 1},
    {kUsdaPotassium, 1},
    {kUsdaAlcohol, 1},
}};

constexpr std::int64_t kThousandths = 1000;

// Animal foods' vitamin A in IU converts at 3.33 IU per mcg RE, plant foods' at 10.
bool isAnimalGroup(int usdaGroup)
{
    constexpr std::array<int, 7> kAnimalGroups = {1, 5, 7, 10, 13, 15, 17};
    return std::find(kAnimalGroups.begin(), kAnimalGroups.end(), usdaGroup) != kAnimalGroups.end();
}

std::int64_t valueOr0(const UsdaValues& values, int column)
{
    const std::int32_t value = values[static_cast<std::size_t>(column)];
    return value == kUsdaMissing ? 0 : value;
}

bool has(const UsdaValues& values, int column)
{
    return values[static_cast<std::size_t>(column)] != kUsdaMissing;
}

// Retinol equivalents: retinol + beta-carotene / 6 + (alpha-carotene + beta-cryptoxanthin) / 12, or from IU
// where USDA gives none of these.
std::optional<UsdaAmount> retinolEquivalents(const UsdaValues& values, int usdaGroup)
{
    if (has(values, kUsdaRetinol) || has(values, kUsdaBetaCarotene) || has(values, kUsdaAlphaCarotene) ||
        has(values, kUsdaBetaCryptoxanthin)) {
        return UsdaAmount{12 * valueOr0(values, kUsdaRetinol) + 2 * valueOr0(values, kUsdaBetaCarotene) +
                              valueOr0(values, kUsdaAlphaCarotene) + valueOr0(values, kUsdaBetaCryptoxanthin),
                          12 * kThousandths};
    }
    if (!has(values, kUsdaVitaminAIu)) {
        return std::nullopt;
    }
    const std::int64_t iu = valueOr0(values, kUsdaVitaminAIu);
    return isAnimalGroup(usdaGroup) ? UsdaAmount{iu * 100, 333 * kThousandths} : UsdaAmount{iu, 10 * kThousandths};
}

} // namespace

std::optional<UsdaAmount> usdaNutrientAmount(const UsdaValues& values, int usdaGroup, int nutrient)
{
    if (nutrient <= kWeight || nutrient >= kNutrientCount) {
        return std::nullopt;
    }
    if (nutrient == kVitaminA) {
        return retinolEquivalents(values, usdaGroup);
    }
    const Source& source = kSources[static_cast<std::size_t>(nutrient)];
    if (!has(values, source.column)) {
        return std::nullopt;
    }
    return UsdaAmount{valueOr0(values, source.column) * source.multiplier, kThousandths};
}

std::optional<std::uint16_t> usdaStandardWord(const UsdaValues& values, int usdaGroup, int nutrient)
{
    const std::optional<UsdaAmount> amount = usdaNutrientAmount(values, usdaGroup, nutrient);
    if (!amount) {
        return std::uint16_t{0};
    }
    // Half up in whole numbers: floor(x + 1/2) = floor((2 n + d) / 2 d) for n, d >= 0.
    const std::int64_t scaled = amount->numerator * kNutrientScales[static_cast<std::size_t>(nutrient)];
    const std::int64_t word = (2 * scaled + amount->denominator) / (2 * amount->denominator);
    if (amount->numerator < 0 || word > 65535) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(word);
}

UsdaPortion usdaPortion(const UsdaValues& values, int usdaGroup, double grams)
{
    UsdaPortion portion;
    portion.values[kWeight] = static_cast<float>(grams);
    for (int nutrient = kCalories; nutrient < kNutrientCount; ++nutrient) {
        const std::optional<UsdaAmount> amount = usdaNutrientAmount(values, usdaGroup, nutrient);
        const auto slot = static_cast<std::size_t>(nutrient);
        portion.missing[slot] = !amount.has_value();
        portion.values[slot] = amount ? static_cast<float>(amount->value() * grams / 100.0) : 0.0f;
    }
    return portion;
}

} // namespace mw
