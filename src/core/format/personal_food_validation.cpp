#include "format/personal_food_validation.h"

#include <cmath>

namespace mw {

std::size_t utf8Length(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text) {
        // Continuation bytes (10xxxxxx) belong to the character before them.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

std::optional<PersonalFoodProblem> validatePersonalFood(std::string_view name, std::string_view unit,
                                                        const PersonalFoodValues& values)
{
    if (utf8Length(name) > kMaxPersonalNameLength) {
        return PersonalFoodProblem{PersonalFoodField::kName};
    }
    if (utf8Length(unit) > kMaxPersonalUnitLength) {
        return PersonalFoodProblem{PersonalFoodField::kUnit};
    }
    for (int i = 0; i < kNutrientCount; ++i) {
        const float value = values[static_cast<std::size_t>(i)];
        const float minimum = i == kWeight ? kMinPersonalWeight : 0.0f;
        if (!std::isfinite(value) || value < minimum || value > kMaxPersonalValue) {
            return PersonalFoodProblem{PersonalFoodField::kValue, i};
        }
    }
    return std::nullopt;
}

} // namespace mw
