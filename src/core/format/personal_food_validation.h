#pragma once

#include "format/userfood_line.h"

#include <optional>
#include <string_view>

namespace mw {

inline constexpr std::size_t kMaxPersonalNameLength = 80;
inline constexpr std::size_t kMaxPersonalUnitLength = 20;
inline constexpr float kMinPersonalWeight = 1.0f;
inline constexpr float kMaxPersonalValue = 9999.0f;

enum class PersonalFoodField
{
    kName,
    kUnit,
    kValue,
};

// The first field the add-food dialog would refuse, in the order it reads them.
struct PersonalFoodProblem
{
    PersonalFoodField field;
    // The NutrientIndex of a refused value.
    int nutrient = 0;
};

// Name at most 80 and unit at most 20 characters; weight 1..9999, every other value 0..9999.
std::optional<PersonalFoodProblem> validatePersonalFood(std::string_view name, std::string_view unit,
                                                        const PersonalFoodValues& values);

// Characters (not bytes) of a UTF-8 text.
std::size_t utf8Length(std::string_view text);

} // namespace mw
