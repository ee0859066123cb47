#include "cli_test_support.h"

#include <gtest/gtest.h>

namespace mw::test {
namespace {

TEST(FoodCommand, JsonForOneCupOfMilk)
{
    const CliResult r = runCli({"food", "0", "--grams", "244", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "{\"id\": 0, \"name\": \"Milk [1 cup]\", \"grams\": 244, \"servings\": 1.0, "
                     "\"pyramid\": [0.0, 1.0, 0.0, 0.0, 0.0, 0.0], \"nutrients\": [244.0, 149.816, 8.0276, 11.3704, "
                     "8.1496, 5.0752, 2.3668, 0.2928, 33.184, 0.0, 75.64, 0.2196, 0.0, 92.72, 395.28, 0.1952, "
                     "102.48, 12.2, 0.8784, 291.336, 227.896, 32.696, 0.122, 0.9272, 0.0244, 119.56, 370.88, 0.0]}\n");
}

TEST(FoodCommand, GramsZeroGivesOneServingWithZeroServings)
{
    const CliResult zero = runCli({"--json", "food", "0", "--grams", "0"});
    const CliResult absent = runCli({"food", "0", "--json"});
    ASSERT_EQ(zero.code, 0);
    EXPECT_EQ(zero.out, absent.out);
    EXPECT_NE(zero.out.find("\"grams\": 244, \"servings\": 0.0, \"pyramid\": [0.0, 0.0, 0.0, 0.0, 0.0, 0.0]"),
              std::string::npos);
}

TEST(FoodCommand, TextOutputNamesEveryNutrient)
{
    const CliResult r = runCli({"food", "0"});
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(r.out.rfind("0;Milk [1 cup]\n", 0), 0u);
    EXPECT_NE(r.out.find("Calcium        291.336 mg\n"), std::string::npos);
    EXPECT_NE(r.out.find("Vitamin A      75.64 mcg\n"), std::string::npos);
}

TEST(FoodCommand, BadArgumentsAreUsageErrors)
{
    for (const auto& args : std::vector<std::vector<std::string>>{{"food"},
                                                                  {"food", "x"},
                                                                  {"food", "0", "--grams", "65536"},
                                                                  {"food", "0", "--grams", "-1"},
                                                                  {"food", "0", "--grams"},
                                                                  {"food", "0", "1"},
                                                                  {"food", "643"},
                                                                  {"food", "0", "--bogus"},
                                                                  {"frobnicate"},
                                                                  {}}) {
        const CliResult r = runCli(args);
        EXPECT_EQ(r.code, 1) << r.out;
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find("--help"), std::string::npos) << r.err;
    }
}

TEST(FoodsCommand, ListsAGroupAsListItems)
{
    const CliResult r = runCli({"foods", "--group", "29"});
    ASSERT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("633;"), std::string::npos);
    EXPECT_NE(r.out.find("642;Wine, table, dry [1 wine glass]\n"), std::string::npos);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 10);

    const CliResult json = runCli({"foods", "--json"});
    ASSERT_EQ(json.code, 0);
    EXPECT_EQ(json.out.rfind("{\"items\": [{\"id\": 0, \"text\": \"0;Milk [1 cup]\"}, {\"id\": 1, ", 0), 0u);
    EXPECT_EQ(runCli({"foods", "--group", "30"}).code, 1);
}

TEST(Cli, HelpForTheToolAndEachCommand)
{
    const CliResult general = runCli({"--help"});
    EXPECT_EQ(general.code, 0);
    EXPECT_NE(general.out.find("foods"), std::string::npos);
    const CliResult food = runCli({"food", "--help"});
    EXPECT_EQ(food.code, 0);
    EXPECT_EQ(food.out.rfind("Usage: mealwright-cli food ID", 0), 0u);
}

} // namespace
} // namespace mw::test
