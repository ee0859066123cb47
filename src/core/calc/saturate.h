#pragma once

#include <concepts>
#include <limits>

namespace mw {

// Truncates toward zero into T's range: values beyond it give T's nearest end and NaN gives 0, where a
// plain cast would be undefined.
template <std::integral T>
constexpr T saturatingTruncate(double value)
{
    if (value != value) { // NaN
        return 0;
    }
    if (value <= static_cast<double>(std::numeric_limits<T>::min())) {
        return std::numeric_limits<T>::min();
    }
    // max() of a 64-bit type rounds up to a power of two as a double, so compare with >=.
    if (value >= static_cast<double>(std::numeric_limits<T>::max())) {
        return std::numeric_limits<T>::max();
    }
    return static_cast<T>(value);
}

} // namespace mw
