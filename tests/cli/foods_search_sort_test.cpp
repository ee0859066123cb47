#include "cli_test_support.h"

#include "format/food_attribute_database.h"
#include "format/userfood_line.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace mw::test {
namespace {

// A sandbox with three personal foods; the second one hidden, with standard food 1 ("Milk, 2% fat").
class FoodsSearchSortTest : public ::testing::Test
{
protected:
    FoodsSearchSortTest()
    {
        std::string lines;
        for (const auto& [name, protein] :
             {std::pair{"Crème brûlée", 4.0f}, std::pair{"Milk pudding", 3.0f}, std::pair{"Goat milk kefir", 9.0f}}) {
            PersonalFoodValues values{};
            values[kWeight] = 100.0f;
            values[kCalories] = 150.0f;
            values[kProtein] = protein;
            lines += buildUserfoodLine(name, "1 cup", values) + std::string(kUserfoodLineEnd);
        }
        writeFile(m_sandbox.dir().file("userfood.txt"), lines);
        CFoodAttributeDatabase attributes;
        attributes.load(m_sandbox.dir().file("fad.dat"));
        attributes.set(644, CFoodAttributeDatabase::kHidden);
        attributes.set(1, CFoodAttributeDatabase::kHidden);
        EXPECT_FALSE(attributes.save());
    }

    CliResult run(std::vector<std::string> arguments) const { return m_sandbox.run(std::move(arguments)); }

    CliSandbox m_sandbox;
};

TEST_F(FoodsSearchSortTest, SearchListsBestMatchesFirstOrTheTableOrder)
{
    const CliResult r = run({"foods", "--search", "MILK"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "0;Milk [1 cup]\n2;Milk, 1% fat [1 cup]\n3;Milk, skim [1 cup]\n11;Milk, evaporated [1/2 cup]\n"
                     "15;Milkshake, chocolate [1 container]\n16;Milk, chocolate [1 cup]\n"
                     "17;Hot cocoa, made with milk [1 cup]\n603;Candy bar, milk chocolate [1 bar]\n"
                     "645;Goat milk kefir [1 cup]\n4;Buttermilk, low fat [1 cup]\n");
    EXPECT_EQ(r.err, "");
    const CliResult table = run({"foods", "--search", "MILK", "--order", "table"});
    EXPECT_EQ(table.out, "0;Milk [1 cup]\n2;Milk, 1% fat [1 cup]\n3;Milk, skim [1 cup]\n4;Buttermilk, low fat [1 cup]\n"
                         "11;Milk, evaporated [1/2 cup]\n15;Milkshake, chocolate [1 container]\n"
                         "16;Milk, chocolate [1 cup]\n17;Hot cocoa, made with milk [1 cup]\n"
                         "603;Candy bar, milk chocolate [1 bar]\n645;Goat milk kefir [1 cup]\n");
    const CliResult json = run({"foods", "--search", "BRÛLÉE", "--json"});
    EXPECT_EQ(json.out, "{\"items\": [{\"id\": 643, \"text\": \"643;Crème brûlée [1 cup]\"}]}\n");
}

TEST_F(FoodsSearchSortTest, ExclusionAndNothingFound)
{
    const CliResult without = run({"foods", "--search", "!milk"});
    ASSERT_EQ(without.code, 0);
    EXPECT_EQ(without.out.find("0;Milk [1 cup]"), std::string::npos);
    EXPECT_EQ(without.out.find("645;"), std::string::npos);
    // Standard foods first, the hidden pudding left out.
    EXPECT_NE(without.out.find("\n642;Wine, table, dry [1 wine glass]\n643;Crème brûlée [1 cup]\n"), std::string::npos);
    EXPECT_EQ(std::count(without.out.begin(), without.out.end(), '\n'), kStandardFoodCount - 10 + 1);

    const CliResult nothing = run({"foods", "--search", "12"});
    EXPECT_EQ(nothing.code, 0);
    EXPECT_EQ(nothing.out, "");
    EXPECT_EQ(nothing.err, "No entry found!\n");
    EXPECT_EQ(run({"foods", "--search", "milk pudding"}).err, "No entry found!\n"); // it is hidden
}

TEST_F(FoodsSearchSortTest, SortOrdersWhatWasListed)
{
    const CliResult descending = run({"foods", "--search", "milk", "--sort", "2", "--descending"});
    ASSERT_EQ(descending.code, 0) << descending.err;
    EXPECT_EQ(descending.out.substr(0, descending.out.find('\n')), "645;Goat milk kefir [1 cup]");
    EXPECT_EQ(std::count(descending.out.begin(), descending.out.end(), '\n'), 10);

    const CliResult alcohol = run({"foods", "--group", "29", "--sort", "27", "--ascending"});
    ASSERT_EQ(alcohol.code, 0);
    EXPECT_EQ(alcohol.out.substr(0, alcohol.out.find('\n')), "634;Beer, light [12 fl oz]");
    EXPECT_EQ(alcohol.out.substr(alcohol.out.rfind('\n', alcohol.out.size() - 2) + 1), "638;Whiskey [1 jigger]\n");
    // Equal keys keep their listed order, so the output never varies.
    const CliResult water = run({"foods", "--group", "28", "--sort", "27", "--descending"});
    EXPECT_EQ(water.out, run({"foods", "--group", "28"}).out);
}

TEST_F(FoodsSearchSortTest, BadSearchAndSortArguments)
{
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"foods", "--search", ""},
             {"foods", "--search", "!"},
             {"foods", "--search"},
             {"foods", "--search", "milk", "--group", "1"},
             {"foods", "--search", "milk", "--hidden"},
             {"foods", "--search", "milk", "--order", "best"},
             {"foods", "--group", "1", "--order", "table"},
             {"foods", "--sort", "2"},
             {"foods", "--sort", "2", "--ascending", "--descending"},
             {"foods", "--sort", "0", "--ascending"},
             {"foods", "--sort", "28", "--ascending"},
             {"foods", "--sort", "x", "--ascending"},
             {"foods", "--ascending"},
             {"foods", "--descending", "--group", "1"},
         }) {
        const CliResult r = run(args);
        EXPECT_EQ(r.code, 1) << args.size();
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("--help"), std::string::npos) << r.err;
    }
    const CliResult help = run({"foods", "--help"});
    EXPECT_NE(help.out.find("--search TEXT"), std::string::npos);
    EXPECT_NE(help.out.find("--descending"), std::string::npos);
}

} // namespace
} // namespace mw::test
