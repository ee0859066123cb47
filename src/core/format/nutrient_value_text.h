#pragma once

#include <string>

namespace mw {

// Decimals and integer-digit limit of the values in userfood.txt and the add-food dialog.
inline constexpr int kUserfoodValueDecimals = 2;
inline constexpr int kUserfoodValueIntegerDigits = 3;

// The text of a nutrient value, the same in every locale: under 0.05 "0", under 0.1 "0.1", else four
// significant digits (an exact tie rounds away from zero) in plain decimal notation without a trailing
// point. With decimals > 0 at most that many digits after the point are kept, cut rather than rounded,
// and none once the whole part has integerDigitLimit (> 0) or more digits. 0 means no limit.
// Values that are not finite give "0".
std::string FormatNutrientValue(float value, int decimals, int integerDigitLimit);

// A value as the line of a personal food stores it (cut, not rounded: 112.7 is "112"), and so what a form shows
// of a value it is about to store.
std::string userfoodValueText(float value);

} // namespace mw
