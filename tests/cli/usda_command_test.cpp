#include "cli_test_support.h"

#include <gtest/gtest.h>

namespace mw::test {
namespace {

TEST(UsdaCommand, SearchesShowsAndAddsAsPersonalAddDoes)
{
    const CliSandbox sandbox;
    EXPECT_EQ(sandbox.run({"usda", "search", "cheddar", "--limit", "2"}).out,
              "01009\t01\tCheese, cheddar\n01168\t01\tCheese, low fat, cheddar or colby\n");
    EXPECT_EQ(sandbox.run({"usda", "search", "milk", "--group", "1", "--limit", "1", "--json"}).out,
              "[{\"ndb\": \"01077\", \"group\": \"01\", \"name\": \"Milk, whole, 3.25% milkfat, with added vitamin "
              "D\"}]\n");

    const std::string shown = sandbox.run({"usda", "show", "01153", "--json"}).out;
    EXPECT_NE(shown.find("\"nutrients\": [100.0, 134.0, "), std::string::npos) << shown;
    EXPECT_NE(shown.find("119.21922, null, 1.9"), std::string::npos) << shown;
    EXPECT_NE(shown.find("{\"amount\": 0.5, \"measure\": \"cup\", \"grams\": 126.0}"), std::string::npos);
    EXPECT_NE(sandbox.run({"usda", "show", "1153"}).out.find("Vitamin E      no data\n"), std::string::npos);

    const CliResult slice = sandbox.run({"usda", "add", "1009", "--measure", "6", "--json"});
    EXPECT_EQ(slice.out, "{\"id\": 643, \"name\": \"Cheese, cheddar\", \"portion\": \"1 slice (1 oz)\", \"grams\": "
                         "28.0}\n");
    EXPECT_EQ(sandbox.run({"usda", "add", "2047", "--grams", "2", "--name", "Pinch"}).out, "644\n");
    EXPECT_EQ(sandbox.run({"foods", "--personal"}).out, "643;Cheese, cheddar [1 slice (1 oz)]\n644;Pinch [2 g]\n");
    // The same food and portion again is added, with a note.
    const CliResult again = sandbox.run({"usda", "add", "1009", "--measure", "6"});
    EXPECT_EQ(again.out, "645\n");
    EXPECT_NE(again.err.find("643"), std::string::npos);
}

TEST(UsdaCommand, RefusesWhatAPersonalFoodCannotHold)
{
    const CliSandbox sandbox;
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"usda", "add", "99999"},
             {"usda", "show", "12"},
             {"usda", "add", "2047", "--measure", "1"}, // a cup of salt: 113173 mg sodium
             {"usda", "add", "1009", "--measure", "7"},
             {"usda", "add", "1009", "--grams", "0"},
             {"usda", "add", "1009", "--grams", "5", "--measure", "1"},
             {"usda", "add", "1009", "--name", std::string(81, 'n')},
             {"usda", "search"},
             {"usda", "drop", "1009"},
             {"usda", "add", "1009", "--name", ""},
             {"usda", "add", "1009", "--name", " "},
             {"usda", "add", "1009", "--name", "\""},
             {"usda", "add", "1009", "--name", "Cheddar [sharp]"},
         }) {
        EXPECT_EQ(sandbox.run(args).code, 1) << args[1];
    }
    EXPECT_NE(sandbox.run({"usda", "add", "1009", "--grams", "0.5"}).err.find("choose a larger portion"),
              std::string::npos);
    EXPECT_NE(sandbox.run({"usda", "add", "2047", "--measure", "1"}).err.find("choose a smaller portion"),
              std::string::npos);
    EXPECT_EQ(readFile(sandbox.dir().file("userfood.txt")), "");
}

TEST(UsdaCommand, ADottedCapitalIFindsWhatItsOwnFoldingFinds)
{
    // It folds to "i" and a combining dot, which no USDA name holds; it is no plain "i".
    for (const char* text : {"\xC4\xB0", "i\xCC\x87"}) {
        const CliResult r = runCli({"usda", "search", text});
        EXPECT_EQ(std::to_string(r.code) + r.out + r.err, "0No entry found!\n");
    }
}

} // namespace
} // namespace mw::test
