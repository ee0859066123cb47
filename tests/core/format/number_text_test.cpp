#include "format/number_text.h"

#include <gtest/gtest.h>

#include <clocale>

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

TEST(NumberText, IgnoresTheUserLocale)
{
    const char* before = std::setlocale(LC_ALL, nullptr);
    const std::string saved = before ? before : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr && std::setlocale(LC_ALL, "fr_FR.UTF-8") == nullptr) {
        GTEST_SKIP() << "no comma-decimal locale installed";
    }
    EXPECT_EQ(parseDouble("61.4"), 61.4);
    EXPECT_EQ(formatFloat(61.4f), "61.4");
    std::setlocale(LC_ALL, saved.c_str());
}

} // namespace
} // namespace mw
