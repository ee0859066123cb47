#include "format/nutrient_value_text.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace mw {
namespace {

constexpr int kSignificantDigits = 4;
// More digits than the exact decimal expansion of any float of 0.05 and above has (at most 39), so the
// rounding below sees the true value and can tell an exact tie from a near one.
constexpr int kExactDigits = 60;

// value = d.ddd x 10^exponent with four digits, the first not 0.
struct SignificantDigits
{
    std::string digits;
    int exponent = 0;
};

int parseExponent(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    int exponent = 0;
    std::from_chars(text.data(), text.data() + text.size(), exponent);
    return negative ? -exponent : exponent;
}

// Rounds a positive finite value to four significant digits, an exact tie away from zero.
SignificantDigits roundToSignificantDigits(double value)
{
    char buffer[128];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, kExactDigits);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');
    // "d.ddd...e+XX": the leading digit, then the ones after the point.
    std::string mantissa = std::string(1, text[0]) + std::string(text.substr(2, e - 2));
    SignificantDigits rounded{mantissa.substr(0, kSignificantDigits), parseExponent(text.substr(e + 1))};
    if (mantissa[kSignificantDigits] < '5') {
        return rounded;
    }
    for (int i = kSignificantDigits - 1; i >= 0; --i) {
        char& digit = rounded.digits[static_cast<std::size_t>(i)];
        if (digit != '9') {
            ++digit;
            return rounded;
        }
        digit = '0';
    }
    // 9999 rounded up: one more whole digit.
    rounded.digits = "1000";
    ++rounded.exponent;
    return rounded;
}

std::string plainDecimalText(const SignificantDigits& value)
{
    const int e = value.exponent;
    if (e >= kSignificantDigits - 1) {
        return value.digits + std::string(static_cast<std::size_t>(e - (kSignificantDigits - 1)), '0');
    }
    std::string text;
    if (e >= 0) {
        const auto wholeDigits = static_cast<std::size_t>(e + 1);
        text = value.digits.substr(0, wholeDigits) + "." + value.digits.substr(wholeDigits);
    } else {
        text = "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + value.digits;
    }
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

void limitDecimals(std::string& text, int decimals, int integerDigitLimit)
{
    const std::size_t point = text.find('.');
    if (decimals <= 0 || point == std::string::npos) {
        return;
    }
    if (integerDigitLimit > 0 && point >= static_cast<std::size_t>(integerDigitLimit)) {
        text.resize(point);
    } else if (text.size() > point + 1 + static_cast<std::size_t>(decimals)) {
        text.resize(point + 1 + static_cast<std::size_t>(decimals));
    }
}

} // namespace

std::string FormatNutrientValue(float value, int decimals, int integerDigitLimit)
{
    const double x = value;
    if (!std::isfinite(x) || x < 0.05) {
        return "0";
    }
    std::string text = plainDecimalText(roundToSignificantDigits(x < 0.1 ? 0.1 : x));
    limitDecimals(text, decimals, integerDigitLimit);
    return text;
}

std::string userfoodValueText(float value)
{
    return FormatNutrientValue(value, kUserfoodValueDecimals, kUserfoodValueIntegerDigits);
}

} // namespace mw
