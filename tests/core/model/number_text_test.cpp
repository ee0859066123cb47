#include "model/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>

namespace mw {
namespace {

TEST(NumberText, ShortestRoundTripText)
{
    EXPECT_EQ(formatFloat(149.816f), "149.816");
    EXPECT_EQ(formatFloat(0.122f), "0.122");
    EXPECT_EQ(formatFloat(244.0f), "244");
    EXPECT_EQ(formatDouble(61.4), "61.4");
}

TEST(NumberText, ParsesWholeTextOnly)
{
    EXPECT_EQ(parseDouble("61.4"), 61.4);
    EXPECT_EQ(parseDouble("+2"), 2.0);
    EXPECT_EQ(parseDouble("61,4"), std::nullopt);
    EXPECT_EQ(parseDouble(""), std::nullopt);
    EXPECT_EQ(parseInteger("-12"), -12);
    EXPECT_EQ(parseInteger("12x"), std::nullopt);
    EXPECT_EQ(parseInteger("99999999999999999999"), std::nullopt);
}

// A comma-decimal locale that is always available, whatever the machine has installed.
struct CommaDecimal : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
};

TEST(NumberText, IgnoresTheUserLocale)
{
    const std::locale saved = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    const std::string savedC = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // takes effect only where installed
    EXPECT_EQ(parseDouble("61.4"), 61.4);
    EXPECT_EQ(parseDouble("61,4"), std::nullopt);
    EXPECT_EQ(formatFloat(61.4f), "61.4");
    EXPECT_EQ(formatDouble(0.5), "0.5");
    std::setlocale(LC_NUMERIC, savedC.c_str());
    std::locale::global(saved);
}

} // namespace
} // namespace mw
