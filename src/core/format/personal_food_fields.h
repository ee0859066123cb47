#pragma once

#include "format/userfood_line.h"
#include "model/food_types.h"
#include "model/personal_food_source.h"

#include <optional>
#include <string>
#include <string_view>

namespace mw {

// A personal food as the forms that add and edit one show it.
struct PersonalFoodFields
{
    std::string name;
    std::string unit;
    PersonalFoodValues values{};
    // Pyramid slot 0..5, none for the foods the add-food form wrote.
    std::optional<int> pyramidSlot;
};

// A stored food's text "Name [unit]" taken apart: what comes before the first "[" (less the blank the line
// puts there) and what stands between it and the next "]". A text without brackets is all name.
void splitPersonalFoodText(std::string_view text, std::string& name, std::string& unit);

// The stored food's fields; nullopt when there is no personal food of that FoodId.
std::optional<PersonalFoodFields> personalFoodFields(const PersonalFoodSource& personal, FoodId id);

} // namespace mw
