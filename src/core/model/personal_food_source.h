#pragma once

#include "model/food_types.h"

#include <array>
#include <cstddef>
#include <string>

namespace mw {

// One personal food as the food operations need it, parsed once from its line.
struct PersonalFoodRecord
{
    // The text between the line's first two double quotes: name, blank, bracketed portion.
    std::string text;
    // Slot 0 is the reference weight in grams (never 0); slots 1..27 the nutrients of that portion.
    std::array<float, kNutrientCount> values{};
    // Pyramid slot 0..5 the line assigns the food to, or -1 when it names none.
    int pyramidSlot = -1;
};

// Where personal foods come from; the personal food database implements it.
class PersonalFoodSource
{
public:
    virtual ~PersonalFoodSource() = default;
    virtual std::size_t count() const = 0;
    // Record number index (0 for FoodId 643), or nullptr past the end. The pointer stays valid
    // until the source changes.
    virtual const PersonalFoodRecord* record(std::size_t index) const = 0;
};

// The personal database before any is opened: it holds no foods.
class EmptyPersonalFoodSource final : public PersonalFoodSource
{
public:
    std::size_t count() const override { return 0; }
    const PersonalFoodRecord* record(std::size_t) const override { return nullptr; }
};

} // namespace mw
