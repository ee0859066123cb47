#include "cli_test_support.h"

#include "format/food_attribute_database.h"
#include "support/file_size_limit.h"

#include <gtest/gtest.h>

#include <fstream>

namespace mw::test {
namespace {

std::string values(const std::string& weight, const std::string& rest = "0")
{
    std::string text = weight;
    for (int i = 1; i < 28; ++i) {
        text += "," + (i == 1 ? std::string("123.4") : i == 2 ? std::string("12.345") : rest);
    }
    return text;
}

TEST(PersonalCommand, AddWritesTheLineOfTheAddFoodDialog)
{
    const CliSandbox sandbox;
    const CliResult first =
        sandbox.run({"personal", "add", "--name", "Stew hot", "--unit", "1 bowl", "--values", values("250")});
    ASSERT_EQ(first.code, 0) << first.err;
    EXPECT_EQ(first.out, "643\n");
    EXPECT_EQ(sandbox.run({"personal", "add", "--name", "Tea", "--unit", "1 cup", "--values", values("200.5")}).out,
              "644\n");

    std::string expected = "\"Stew hot [1 bowl]\", 250, 123, 12.35, ";
    for (int i = 3; i < 28; ++i) {
        expected += "0, ";
    }
    const std::string file = readFile(sandbox.dir().file("userfood.txt"));
    EXPECT_EQ(file.substr(0, file.find('\n') + 1), expected + "\r\n");

    const CliResult listed = sandbox.run({"foods", "--personal"});
    EXPECT_EQ(listed.out, "643;Stew hot [1 bowl]\n644;Tea [1 cup]\n");
    std::ofstream(sandbox.dir().file("userfood.txt"), std::ios::app) << "\"Bell\a\x1b[2J\xc2\x85 [g]\", 1, \r\n";
    EXPECT_EQ(sandbox.run({"personal", "list"}).out.substr(listed.out.size()), "645;Bell\\x07\\x1B[2J\\u0085 [g]\n");
    const CliResult food = sandbox.run({"food", "644", "--grams", "401", "--json"});
    EXPECT_NE(food.out.find("\"servings\": 2.0"), std::string::npos) << food.out;

    // Editing keeps the FoodId, the line's place and whatever is not given.
    const CliResult edited = sandbox.run({"personal", "edit", "643", "--name", "Lamb stew"});
    ASSERT_EQ(edited.code, 0) << edited.err;
    EXPECT_EQ(edited.out, "643;Lamb stew [1 bowl]\n");
    EXPECT_EQ(sandbox.run({"personal", "edit", "644", "--unit", "1 mug", "--values", values("300")}).out,
              "644;Tea [1 mug]\n");
    const std::string after = readFile(sandbox.dir().file("userfood.txt"));
    EXPECT_EQ(after.substr(0, after.find('\n') + 1),
              "\"Lamb stew [1 bowl]\"" + expected.substr(expected.find(',')) + "\r\n");
    EXPECT_NE(sandbox.run({"food", "644", "--json"}).out.find("\"grams\": 300"), std::string::npos);
    EXPECT_EQ(sandbox.run({"foods", "--personal"}).out.rfind("643;Lamb stew [1 bowl]\n644;Tea [1 mug]\n645;", 0), 0u);
}

TEST(PersonalCommand, RefusedFoodsWriteNothing)
{
    const CliSandbox sandbox;
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"personal", "add", "--name", "x", "--unit", "u", "--values", values("0")},
             {"personal", "add", "--name", "x", "--unit", "u", "--values", values("10", "10000")},
             {"personal", "add", "--name", "x", "--unit", "u", "--values", "1,2,3"},
             {"personal", "add", "--name", "x", "--unit", "u", "--values", values("10") + ",5"},
             {"personal", "add", "--name", "x", "--unit", "u", "--values", values("6,5")},
             {"personal", "add", "--name", std::string(81, 'n'), "--unit", "u", "--values", values("10")},
             {"personal", "add", "--name", "x", "--unit", std::string(21, 'u'), "--values", values("10")},
             {"personal", "add", "--unit", "u", "--values", values("10")},
             {"personal", "add", "--name", "", "--unit", "u", "--values", values("10")},
             {"personal", "add", "--name", " ", "--unit", "u", "--values", values("10")},
             {"personal", "add", "--name", "\"", "--unit", "u", "--values", values("10")},
             {"personal", "add", "--name", "Stew", "--unit", "1 [bowl]", "--values", values("10")},
             {"personal", "add", "--name", "Two\nlines", "--unit", "u", "--values", values("10")},
             {"personal", "remove"},
             {"personal", "edit", "643"},
             {"personal", "edit", "642", "--name", "x"},
             {"personal", "edit"},
         }) {
        const CliResult r = sandbox.run(args);
        EXPECT_EQ(r.code, 1) << r.err;
    }
    EXPECT_NE(sandbox.run({"personal", "add", "--name", "Stew \"hot\" [x]", "--unit", "u", "--values", values("10")})
                  .err.find("cannot hold '\"' (U+0022), '[' (U+005B), ']' (U+005D)"),
              std::string::npos);
    EXPECT_EQ(readFile(sandbox.dir().file("userfood.txt")), "");
    ASSERT_EQ(sandbox.run({"personal", "add", "--name", "x", "--unit", "u", "--values", values("10")}).code, 0);
    const std::string added = readFile(sandbox.dir().file("userfood.txt"));
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"personal", "edit", "643", "--values", values("0")},
             {"personal", "edit", "643", "--name", std::string(81, 'n')},
             {"personal", "edit", "643", "--unit", std::string(21, 'u')},
             {"personal", "edit", "643", "644", "--name", "y"},
         }) {
        EXPECT_EQ(sandbox.run(args).code, 1);
    }
    EXPECT_EQ(readFile(sandbox.dir().file("userfood.txt")), added);
}

TEST(PersonalCommand, AFullDiskIsNamedAsTheDayWriterNamesIt)
{
    const CliSandbox sandbox;
    ASSERT_EQ(sandbox.run({"personal", "add", "--name", "A", "--unit", "u", "--values", values("10")}).code, 0);
    const std::string before = readFile(sandbox.dir().file("userfood.txt"));
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"personal", "add", "--name", "B", "--unit", "u", "--values", values("10")},
             {"usda", "add", "1009"},
         }) {
        const FileSizeLimit full(before.size());
        const CliResult r = sandbox.run(args);
        EXPECT_EQ(r.code, 2) << args[0];
        EXPECT_NE(r.err.find("userfood.txt: file too large"), std::string::npos) << r.err;
    }
    EXPECT_EQ(readFile(sandbox.dir().file("userfood.txt")), before);
}

TEST(PersonalCommand, ListMarksHiddenFoodsAndListsFollowFadDat)
{
    const CliSandbox sandbox;
    ASSERT_EQ(sandbox.run({"personal", "add", "--name", "A", "--unit", "u", "--values", values("10")}).code, 0);
    ASSERT_EQ(sandbox.run({"personal", "add", "--name", "B", "--unit", "u", "--values", values("10")}).code, 0);
    EXPECT_FALSE(std::filesystem::exists(sandbox.dir().file("fad.dat")));

    CFoodAttributeDatabase attributes;
    attributes.load(sandbox.dir().file("fad.dat"));
    attributes.set(644, CFoodAttributeDatabase::kHidden);
    attributes.set(5, CFoodAttributeDatabase::kHidden);
    attributes.set(0, CFoodAttributeDatabase::listMask(2));
    attributes.set(643, CFoodAttributeDatabase::listMask(2));
    ASSERT_FALSE(attributes.save());

    EXPECT_EQ(sandbox.run({"personal", "list"}).out, "643;A [u]\n644;B [u] (hidden)\n");
    EXPECT_EQ(sandbox.run({"personal", "list", "--json"}).out,
              "{\"items\": [{\"id\": 643, \"text\": \"643;A [u]\", \"hidden\": false}, {\"id\": 644, \"text\": "
              "\"644;B [u]\", \"hidden\": true}]}\n");
    EXPECT_EQ(sandbox.run({"foods", "--hidden"}).out.substr(0, 2), "5;");
    EXPECT_EQ(sandbox.run({"foods", "--list", "2"}).out, "0;Milk [1 cup]\n643;A [u]\n");
    EXPECT_EQ(sandbox.run({"foods", "--group", "0"}).out.find("\n5;"), std::string::npos);
    const CliResult none = sandbox.run({"foods", "--list", "3"});
    EXPECT_EQ(none.code, 0);
    EXPECT_EQ(none.out, "");
    EXPECT_FALSE(none.err.empty());
    EXPECT_EQ(sandbox.run({"foods", "--list", "15"}).code, 1);
    EXPECT_EQ(sandbox.run({"foods", "--list", "1", "--hidden"}).code, 1);
}

} // namespace
} // namespace mw::test
