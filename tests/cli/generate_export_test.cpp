#include "cli_app.h"
#include "command.h"
#include "support/temp_dir.h"

#include "calc/linear_congruential_random.h"
#include "calc/menu_generator.h"
#include "format/day_file.h"
#include "format/userfood_line.h"
#include "model/day_document.h"
#include "model/food_operations.h"

#include "cli/command_runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace mw::cli {
// Registered by the command list; declared here so the tests can run them on their own.
std::unique_ptr<Command> makeGenerateCommand();
std::unique_ptr<Command> makeExportCommand();
} // namespace mw::cli

namespace mw::test {
namespace {

// Runs one command as the tool would, in a data folder of the test's own.
CliResult runInFolder(cli::Command& command, const TempDir& dir, std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), {"--data-dir", dir.path().string()});
    return mw::test::runCommand(command, arguments);
}

class GenerateExportTest : public ::testing::Test
{
protected:
    CliResult generate(const std::vector<std::string>& arguments)
    {
        return runInFolder(*cli::makeGenerateCommand(), m_dir, arguments);
    }
    CliResult exportDay(const std::vector<std::string>& arguments)
    {
        return runInFolder(*cli::makeExportCommand(), m_dir, arguments);
    }
    std::string path(const std::string& name) const { return m_dir.file(name).string(); }

    TempDir m_dir;
};

// The number after "key": in a one-line JSON object.
long long jsonNumber(const std::string& json, const std::string& key)
{
    const std::string marker = "\"" + key + "\": ";
    const auto at = json.find(marker);
    return at == std::string::npos ? -1 : std::stoll(json.substr(at + marker.size()));
}

TEST_F(GenerateExportTest, TextNamesTheFileTheTargetAndTheSeed)
{
    const CliResult r = generate({"--calories", "2000", "--seed", "42", "-o", path("a.ypd")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.find(path("a.ypd") + ": a 2000-calorie menu of "), 0u) << r.out;
    EXPECT_NE(r.out.find("(seed 42)\n"), std::string::npos);
    ASSERT_EQ(generate({"--calories", "2000", "--seed", "43", "-o", path("c.ypd")}).code, 0);
    EXPECT_NE(readFile(path("a.ypd")), readFile(path("c.ypd")));
}

TEST_F(GenerateExportTest, WritesTheDayTheGeneratorComposes)
{
    const CliResult r = generate({"--calories", "0", "--seed", "7", "-o", path("day.ypd"), "--json"});
    ASSERT_EQ(r.code, 0) << r.err;

    const FoodOperations foods;
    CFofDoc expected(foods);
    LinearCongruentialRandom random(7);
    const GeneratedMenu menu = MenuGenerator(expected, random).GenerateMenu(0);
    EXPECT_EQ(readFile(path("day.ypd")), encodeDayFile(expected.meals()));

    EXPECT_EQ(jsonNumber(r.out, "target"), menu.target);
    EXPECT_GE(menu.target, 1400);
    EXPECT_LE(menu.target, 1599);
    EXPECT_EQ(jsonNumber(r.out, "seed"), 7);
    EXPECT_EQ(r.out.rfind("{\"file\": ", 0), 0u) << r.out;
}

TEST_F(GenerateExportTest, SeedFromTheClockIsReportedAndRepeatsTheDay)
{
    const CliResult r = generate({"--calories", "1500", "-o", path("clock.ypd"), "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    const long long seed = jsonNumber(r.out, "seed");
    ASSERT_GE(seed, 0);
    ASSERT_EQ(generate({"--calories", "1500", "--seed", std::to_string(seed), "-o", path("again.ypd")}).code, 0);
    EXPECT_EQ(readFile(path("clock.ypd")), readFile(path("again.ypd")));
}

TEST_F(GenerateExportTest, WrongArgumentsAreUsageErrorsAndWriteNothing)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--calories", "799", "-o", path("x.ypd")},
        {"--calories", "3001", "-o", path("x.ypd")},
        {"--calories", "-1", "-o", path("x.ypd")},
        {"--calories", "lots", "-o", path("x.ypd")},
        {"-o", path("x.ypd")},
        {"--calories", "2000"},
        {"--calories", "2000", "--seed", "4294967296", "-o", path("x.ypd")},
        {"--calories", "2000", "--seed", "-1", "-o", path("x.ypd")},
        {"--calories", "2000", "-o", path("x.ypd"), "extra"},
    };
    for (const auto& arguments : cases) {
        const CliResult r = generate(arguments);
        EXPECT_EQ(r.code, cli::kExitUsage) << arguments.front() << " " << arguments[1];
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(path("x.ypd")));
    EXPECT_EQ(generate({"--calories", "800", "--seed", "4294967295", "-o", path("x.ypd")}).code, 0);
}

TEST_F(GenerateExportTest, OutputsGoToADeviceOrStandardOutputAsGiven)
{
    EXPECT_EQ(generate({"--calories", "2000", "--seed", "7", "-o", "/dev/null"}).code, 0);
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    const CliResult r = generate({"--calories", "2000", "--seed", "7", "-o", "-"});
    DayMeals meals;
    EXPECT_TRUE(decodeDayFile(r.out, meals).ok());
    EXPECT_EQ(meals[kBreakfast].empty(), false);
}

TEST_F(GenerateExportTest, ExportsAGeneratedDayAsCsv)
{
    ASSERT_EQ(generate({"--calories", "2400", "--seed", "5", "-o", path("day.ypd")}).code, 0);
    const CliResult r = exportDay({path("day.ypd"), "-o", path("day.csv")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(r.out.empty());

    const FoodOperations foods;
    CFofDoc day(foods);
    ASSERT_TRUE(loadDayFile(path("day.ypd"), day).ok());
    std::size_t entries = 0;
    for (const CMeal& meal : day.meals()) {
        entries += meal.size();
    }
    const std::string csv = readFile(path("day.csv"));
    std::size_t lines = 0;
    for (std::size_t at = csv.find("\r\n"); at != std::string::npos; at = csv.find("\r\n", at + 2)) {
        ++lines;
    }
    EXPECT_EQ(lines, 1 + entries + 7);
    EXPECT_EQ(csv.rfind("Meal,FoodId,Food,Grams,Servings,Weight (g),Calories (kcal),", 0), 0u);
    EXPECT_NE(csv.find("\r\nDay,,Total,,,"), std::string::npos);

    const CliResult toStdout = exportDay({path("day.ypd"), "-o", "-"});
    ASSERT_EQ(toStdout.code, 0);
    EXPECT_EQ(toStdout.out, csv);
}

TEST_F(GenerateExportTest, ExportNamesPersonalFoods)
{
    PersonalFoodValues values{};
    values[kWeight] = 200;
    values[kCalories] = 300;
    writeFile(m_dir.file("userfood.txt"),
              buildUserfoodLine("Stew, hearty", "1 bowl", values) + std::string(kUserfoodLineEnd));
    DayMeals meals;
    meals[kDinner].append(CFood(643, 100));
    writeFile(m_dir.file("day.ypd"), encodeDayFile(meals));
    ASSERT_EQ(exportDay({path("day.ypd"), "-o", path("day.csv")}).code, 0);
    EXPECT_NE(readFile(path("day.csv")).find("\r\nDINNER,643,\"Stew, hearty [1 bowl]\",100,0.5,100,150,"),
              std::string::npos)
        << readFile(path("day.csv"));
}

TEST_F(GenerateExportTest, FilesThatCannotBeReadOrWrittenAreFileErrorsThatWriteNothing)
{
    writeFile(m_dir.file("cut.ypd"), std::string("\x01\x00\xff\xff", 4));
    writeFile(m_dir.file("empty.ypd"), std::string(12, '\0'));
    const std::string unwritable = path("no/such/folder/out.csv");
    const std::tuple<bool, std::vector<std::string>, std::string> cases[] = {
        {true, {"--calories", "2000", "--seed", "1", "-o", path("no/such/folder/day.ypd")}, "day.ypd"},
        {false, {path("missing.ypd"), "-o", path("out.csv")}, "missing.ypd"},
        {false, {path("cut.ypd"), "-o", path("out.csv")}, "cut.ypd: "},
        {false, {path("empty.ypd"), "-o", unwritable}, "Cannot write " + unwritable + ": "},
    };
    for (const auto& [generating, arguments, named] : cases) {
        const CliResult r = generating ? generate(arguments) : exportDay(arguments);
        EXPECT_EQ(r.code, cli::kExitFile) << named;
        EXPECT_NE(r.err.find(named), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(path("out.csv")));
    EXPECT_EQ(exportDay({path("empty.ypd")}).code, cli::kExitUsage);
    EXPECT_EQ(exportDay({"-o", path("out.csv")}).code, cli::kExitUsage);
}

} // namespace
} // namespace mw::test
