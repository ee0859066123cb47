#include "format/nutrient_value_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>
#include <vector>

namespace mw {
namespace {

struct FormatCase
{
    float value;
    std::string text;
};

std::string userfoodText(float value)
{
    return FormatNutrientValue(value, kUserfoodValueDecimals, kUserfoodValueIntegerDigits);
}

std::string unlimitedText(float value)
{
    return FormatNutrientValue(value, 0, 0);
}

TEST(FormatNutrientValue, TwoDecimalsAndThreeIntegerDigits)
{
    const std::vector<FormatCase> cases = {
        // Values of the personal food file.
        {0.04f, "0"},
        {0.07f, "0.1"},
        {0.123f, "0.12"},
        {5.678f, "5.67"},
        {61.4f, "61.4"},
        {100.0f, "100"},
        {123.4f, "123"},
        {1234.5f, "1235"},
        {12345.0f, "12350"},
        // Values the add-food dialog writes.
        {2604.0f, "2604"},
        {12.345f, "12.35"}, // held as 12.3450003
        {1.2345f, "1.23"},  // held as 1.23450005, four digits give 1.235, the cut 1.23
        // Edges of the small-value rule.
        {0.0f, "0"},
        {-3.0f, "0"},
        {0.0499999f, "0"},
        {0.05f, "0.1"},
        {0.0999f, "0.1"},
        {0.1f, "0.1"},
        {0.105f, "0.10"}, // 0.105 to four digits, then cut
        // Cutting, not rounding, and trailing zeros the cut leaves.
        {1.0f, "1"},
        {1.5f, "1.5"},
        {5.001f, "5.00"},
        {0.1999f, "0.19"},
        {99.99f, "99.99"},
        // Rounding that carries into a new digit.
        {99.999f, "100"},
        {999.96f, "1000"},
        {9999.0f, "9999"},
        {9999.6f, "10000"},
        {99996.0f, "100000"},
        {1e38f, "1" + std::string(38, '0')},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(userfoodText(c.value), c.text) << "value " << c.value;
    }
}

TEST(FormatNutrientValue, WithoutLimitsKeepsFourSignificantDigits)
{
    const std::vector<FormatCase> cases = {
        {0.04f, "0"},      {0.07f, "0.1"},       {5.678f, "5.678"}, {61.4f, "61.4"},     {100.0f, "100"},
        {123.4f, "123.4"}, {0.12345f, "0.1235"}, {1234.5f, "1235"}, {12345.0f, "12350"}, {2000.0f, "2000"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(unlimitedText(c.value), c.text) << "value " << c.value;
    }
}

TEST(FormatNutrientValue, ExactTiesRoundAwayFromZero)
{
    // All of these are exact in binary, so only the tie rule decides.
    EXPECT_EQ(unlimitedText(2.0625f), "2.063");
    EXPECT_EQ(unlimitedText(10.125f), "10.13");
    EXPECT_EQ(unlimitedText(1234.5f), "1235");
    EXPECT_EQ(unlimitedText(1233.5f), "1234");
    EXPECT_EQ(unlimitedText(12345.0f), "12350");
    EXPECT_EQ(unlimitedText(12355.0f), "12360");
    // Just under a tie rounds down.
    EXPECT_EQ(unlimitedText(1234.4999f), "1234");
}

TEST(FormatNutrientValue, LimitsApplyIndependently)
{
    EXPECT_EQ(FormatNutrientValue(5.678f, 1, 0), "5.6");
    EXPECT_EQ(FormatNutrientValue(123.4f, 2, 0), "123.4");
    EXPECT_EQ(FormatNutrientValue(123.4f, 2, 4), "123.4");
    EXPECT_EQ(FormatNutrientValue(12.34f, 2, 2), "12");
    // An integer-digit limit without decimals changes nothing.
    EXPECT_EQ(FormatNutrientValue(123.4f, 0, 3), "123.4");
}

TEST(FormatNutrientValue, NonFiniteValuesAreZero)
{
    EXPECT_EQ(userfoodText(std::numeric_limits<float>::quiet_NaN()), "0");
    EXPECT_EQ(userfoodText(std::numeric_limits<float>::infinity()), "0");
    EXPECT_EQ(userfoodText(-std::numeric_limits<float>::infinity()), "0");
    EXPECT_EQ(userfoodText(std::numeric_limits<float>::max()), "340300000000000000000000000000000000000");
}

TEST(FormatNutrientValue, IgnoresTheUserLocale)
{
    const char* before = std::setlocale(LC_ALL, nullptr);
    const std::string saved = before ? before : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr && std::setlocale(LC_ALL, "fr_FR.UTF-8") == nullptr) {
        GTEST_SKIP() << "no comma-decimal locale installed";
    }
    EXPECT_EQ(userfoodText(61.4f), "61.4");
    EXPECT_EQ(unlimitedText(0.12345f), "0.1235");
    std::setlocale(LC_ALL, saved.c_str());
}

} // namespace
} // namespace mw
