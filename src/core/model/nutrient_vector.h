#pragma once

#include "model/food_types.h"

#include <array>
#include <cstddef>

namespace mw {

// A fixed-size vector of single-precision values where only positive slots of another vector
// take part in adding, so stray negative values never lower a total.
template <std::size_t N>
class PositiveSumVector
{
public:
    constexpr PositiveSumVector() = default;

    constexpr float& operator[](std::size_t i) { return m_values[i]; }
    constexpr float operator[](std::size_t i) const { return m_values[i]; }
    static constexpr std::size_t size() { return N; }

    constexpr void fill(float value) { m_values.fill(value); }

    constexpr PositiveSumVector& add(const PositiveSumVector& other)
    {
        for (std::size_t i = 0; i < N; ++i) {
            if (other.m_values[i] > 0.0f) {
                m_values[i] += other.m_values[i];
            }
        }
        return *this;
    }

    constexpr PositiveSumVector& operator+=(const PositiveSumVector& other) { return add(other); }

    constexpr const std::array<float, N>& values() const { return m_values; }
    friend constexpr bool operator==(const PositiveSumVector&, const PositiveSumVector&) = default;

private:
    std::array<float, N> m_values{};
};

// 28 values by NutrientIndex in the catalogue's units; slot 0 is the weight in grams.
using NutrientVector = PositiveSumVector<kNutrientCount>;
// Servings per pyramid slot (sweets, milk, meat, vegetable, fruit, bread).
using PyramidServings = PositiveSumVector<kPyramidGroupCount>;
// Daily requirements computed from the user's data.
using RequirementVector = NutrientVector;

} // namespace mw
