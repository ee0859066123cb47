#pragma once

#include "model/personal_food_source.h"

#include <deque>
#include <string>
#include <utility>

namespace mw::test {

// Personal foods held in memory; FoodId 643 is the first one added.
class FakePersonalFoods final : public PersonalFoodSource
{
public:
    // A food of 100 g reference weight (unless the values give one) with the given nutrients, in pyramid
    // slot 0..5 (-1: none).
    FoodId add(std::string text, std::array<float, kNutrientCount> values = {}, int pyramidSlot = -1)
    {
        if (values[kWeight] == 0.0f) {
            values[kWeight] = 100.0f;
        }
        m_records.push_back({std::move(text), values, pyramidSlot});
        return static_cast<FoodId>(kFirstPersonalFoodId + m_records.size() - 1);
    }
    // A food whose reference weight is 0: it has no serving.
    FoodId addWithoutWeight(std::string text, const std::array<float, kNutrientCount>& values)
    {
        m_records.push_back({std::move(text), values, -1});
        return static_cast<FoodId>(kFirstPersonalFoodId + m_records.size() - 1);
    }
    // A food's record, to change as an edit of the personal food does.
    PersonalFoodRecord& edit(FoodId id) { return m_records.at(static_cast<std::size_t>(id - kFirstPersonalFoodId)); }
    std::size_t count() const override { return m_records.size(); }
    const PersonalFoodRecord* record(std::size_t index) const override
    {
        return index < m_records.size() ? &m_records[index] : nullptr;
    }

private:
    std::deque<PersonalFoodRecord> m_records;
};

// Nutrients per 100 g with one value set.
inline std::array<float, kNutrientCount> with(int nutrient, float value)
{
    std::array<float, kNutrientCount> values{};
    values[static_cast<std::size_t>(nutrient)] = value;
    return values;
}

} // namespace mw::test
