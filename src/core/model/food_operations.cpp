#include "model/food_operations.h"

#include "model/food_item_text.h"
#include "model/nutrient_scale.h"
#include "model/standard_food_data.h"
#include "model/string_table.h"

#include <algorithm>
#include <array>

namespace mw {
namespace {

const EmptyPersonalFoodSource kNoPersonalFoods;

const StandardFoodRow& standardRow(FoodId id)
{
    return kStandardFoodRows[id];
}

} // namespace

FoodOperations::FoodOperations(const PersonalFoodSource* personal) : m_personal(personal ? personal : &kNoPersonalFoods)
{
}

const PersonalFoodRecord* FoodOperations::personalRecord(FoodId id) const
{
    if (isStandardFood(id)) {
        return nullptr;
    }
    return m_personal->record(static_cast<std::size_t>(id - kFirstPersonalFoodId));
}

bool FoodOperations::exists(FoodId id) const
{
    return isStandardFood(id) || personalRecord(id) != nullptr;
}

std::string FoodOperations::itemText(FoodId id) const
{
    if (isStandardFood(id)) {
        const std::string_view text = LoadString(kFoodNameBase + id);
        return text.empty() ? std::string(LoadString(kNameMissingText)) : std::string(text);
    }
    const PersonalFoodRecord* record = personalRecord(id);
    if (record == nullptr) {
        return std::string(LoadString(kFoodDeletedText));
    }
    return std::to_string(id) + ";" + record->text;
}

std::string FoodOperations::displayName(FoodId id) const
{
    return std::string(itemDisplayText(itemText(id)));
}

NutrientVector FoodOperations::entryNutrients(FoodId id, Grams amount) const
{
    NutrientVector v;
    if (isStandardFood(id)) {
        const auto& words = standardRow(id).nutrients;
        const Grams weight = amount != 0 ? amount : words[kWeight];
        v[kWeight] = weight;
        for (std::size_t i = 1; i < kNutrientCount; ++i) {
            // The product is formed in single precision: word x weight can exceed 32 bits' int range.
            const int divisor = kNutrientScales[i] * 100;
            v[i] = static_cast<float>(words[i]) * static_cast<float>(weight) / static_cast<float>(divisor);
        }
        return v;
    }
    const PersonalFoodRecord* record = personalRecord(id);
    if (record == nullptr) {
        v[kWeight] = 1.0f;
        return v;
    }
    const float reference = record->values[kWeight];
    const float weight = amount != 0 ? static_cast<float>(amount) : reference;
    v[kWeight] = weight;
    for (std::size_t i = 1; i < kNutrientCount; ++i) {
        v[i] = record->values[i] * weight / reference;
    }
    return v;
}

float FoodOperations::servingWeight(FoodId id) const
{
    if (isStandardFood(id)) {
        return standardRow(id).nutrients[kWeight];
    }
    const PersonalFoodRecord* record = personalRecord(id);
    return record != nullptr ? record->values[kWeight] : 0.0f;
}

float FoodOperations::entryServings(FoodId id, Grams amount) const
{
    const float serving = servingWeight(id);
    return serving > 0.0f ? static_cast<float>(amount) / serving : 1.0f;
}

PyramidServings FoodOperations::entryPyramidServings(FoodId id, Grams amount) const
{
    PyramidServings s;
    if (isStandardFood(id)) {
        const auto& words = standardRow(id).pyramid;
        for (std::size_t k = 0; k < kPyramidGroupCount; ++k) {
            if (words[k] != 0) {
                s[k] = static_cast<float>(amount) / static_cast<float>(words[k]);
            }
        }
        return s;
    }
    const PersonalFoodRecord* record = personalRecord(id);
    if (record != nullptr && record->pyramidSlot >= 0 && record->pyramidSlot < kPyramidGroupCount) {
        s[static_cast<std::size_t>(record->pyramidSlot)] = static_cast<float>(amount) / record->values[kWeight];
    }
    return s;
}

float FoodOperations::entryCalories(FoodId id, Grams amount) const
{
    return entryNutrients(id, amount)[kCalories];
}

Grams FoodOperations::generatorPortion(FoodId id, int calorieClass) const
{
    if (!isStandardFood(id)) {
        return 0;
    }
    return standardRow(id).pyramid[6 + static_cast<std::size_t>(std::clamp(calorieClass, 0, 2))];
}

} // namespace mw
