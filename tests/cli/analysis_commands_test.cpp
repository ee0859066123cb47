#include "cli_app.h"
#include "command.h"
#include "support/temp_dir.h"

#include "format/day_file.h"
#include "model/meal.h"

#include "cli/command_runner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace mw::cli {
// Registered by the command list; declared here so the tests can run them on their own.
std::unique_ptr<Command> makeRequirementsCommand();
std::unique_ptr<Command> makeAnalyzeCommand();
} // namespace mw::cli

namespace mw::test {
namespace {

CliResult requirements(const std::vector<std::string>& arguments)
{
    return runCommand(*cli::makeRequirementsCommand(), arguments);
}

CliResult analyze(const std::vector<std::string>& arguments)
{
    return runCommand(*cli::makeAnalyzeCommand(), arguments);
}

TEST(RequirementsCommand, JsonForTheManOfForty)
{
    const CliResult r = requirements({"--age", "40", "--weight", "160", "--activity", "5", "--sex", "0", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "{\"requirements\": [1.0, 2604.0, 58.0, 325.0, 86.0, 28.0, 26.0, 26.0, 300.0, 30.0, 1000.0, "
                     "10.0, 60.0, 1500.0, 1700.0, 19.0, 2000.0, 200.0, 2.0, 800.0, 800.0, 350.0, 10.0, 15.0, 2.0, "
                     "2400.0, 2500.0, 1.0], \"energy_kj\": 10936}\n");
}

TEST(RequirementsCommand, TextNamesEveryNutrientAndTheEnergy)
{
    const CliResult r = requirements({"--age", "5", "--weight", "40", "--activity", "5", "--sex", "0"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Calories       1583 kcal\n", 0), 0u);
    EXPECT_NE(r.out.find("Potassium      1234 mg\n"), std::string::npos);
    EXPECT_NE(r.out.find("Vitamin A      500 mcg RE\n"), std::string::npos);
    EXPECT_NE(r.out.find("Energy         6648 kjoule\n"), std::string::npos);
    EXPECT_EQ(r.out.find("Weight"), std::string::npos);
}

TEST(RequirementsCommand, TakesAnyWholeNumbersButNeedsAllFour)
{
    const CliResult odd = requirements({"--age", "-3", "--weight", "20", "--activity", "5", "--sex", "7"});
    const CliResult same = requirements({"--age", "1", "--weight", "20", "--activity", "5", "--sex", "0"});
    EXPECT_EQ(odd.code, 0);
    EXPECT_EQ(odd.out, same.out);
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--age", "40", "--weight", "160", "--activity", "5"},
             {"--age", "forty", "--weight", "160", "--activity", "5", "--sex", "0"},
             {"--age", "40", "--weight", "99999999999", "--activity", "5", "--sex", "0"},
             {"--age", "40", "--weight", "160", "--activity", "5", "--sex", "0", "extra"},
             {"--age", "40", "--weight", "160", "--activity", "5", "--sex"}}) {
        const CliResult r = requirements(args);
        EXPECT_EQ(r.code, cli::kExitUsage) << r.out;
        EXPECT_TRUE(r.out.empty());
    }
}

class AnalyzeCommandTest : public ::testing::Test
{
protected:
    AnalyzeCommandTest()
    {
        DayMeals meals;
        meals[kBreakfast].append(CFood(0, 244)); // a cup of milk
        writeFile(dayFile(), encodeDayFile(meals));
    }

    std::string dayFile() const { return m_dir.file("day.ypd").string(); }
    std::string profile(const std::string& text) const
    {
        const std::filesystem::path path = m_dir.file("profile.ini");
        writeFile(path, text);
        return path.string();
    }

    static constexpr const char* kCaloricNeed = "[Caloric Need]\nAge=40\nIdeal Weight=160\nActivity=5\nSex=0\n";

    TempDir m_dir;
};

TEST_F(AnalyzeCommandTest, JsonAgainstTheRequirements)
{
    const CliResult r = analyze({"--settings", profile(kCaloricNeed), dayFile(), "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"goal\": \"rda\", \"requirements\": [1.0, 2604.0, 58.0, ", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\"meals\": [{\"title\": \"BREAKFAST\", \"totals\": [244.0, 149.816, 8.0276, "),
              std::string::npos);
    EXPECT_NE(r.out.find("\"shares\": {\"protein\": 20, \"carbohydrate\": 30, \"fat\": 50}}, {\"title\": "
                         "\"SNACK - Morning\", \"totals\": [0.0, "),
              std::string::npos);
    EXPECT_NE(r.out.find("\"display\": [244, 150, 8, 11, 8, 5, 2, 0, 33, 0, 76, 0, 0, 93, 395, 0, 102, 12, 1, "
                         "291, 228, 33, 0, 1, 0, 120, 371, 0], \"percent\": [null, 5, 13, 3, 9, "),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\"level\": [null, null, null, "), std::string::npos);
    EXPECT_EQ(r.out.substr(r.out.size() - 25), "\"fat_warning_level\": 30}\n");
    EXPECT_TRUE(r.err.empty());
}

TEST_F(AnalyzeCommandTest, JsonAgainstThePersonalPreference)
{
    const std::string settings =
        profile(std::string(kCaloricNeed) + "[Options]\nUse PDA=1\nFat Warning Percent=45\n[NIP]\nF1=100\nT1=200\n");
    const CliResult r = analyze({dayFile(), "--json", "--settings", settings});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"goal\": \"personal\", ", 0), 0u);
    // Calories 149.816 of To 200; protein's To defaults to 9999 once a table is stored.
    EXPECT_NE(r.out.find("\"percent\": [null, 74, 0, "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"level\": [null, \"in\", \"in\", "), std::string::npos);
    EXPECT_NE(r.out.find("\"fat_warning_level\": 45}"), std::string::npos);
}

TEST_F(AnalyzeCommandTest, OptionsOverrideTheStoredInputs)
{
    const CliResult stored = analyze({"--settings", profile(kCaloricNeed), dayFile(), "--json"});
    const CliResult overridden =
        analyze({"--settings", profile(kCaloricNeed), dayFile(), "--json", "--sex", "1", "--age", "30"});
    ASSERT_EQ(overridden.code, 0) << overridden.err;
    EXPECT_NE(stored.out, overridden.out);
    EXPECT_NE(overridden.out.find("\"requirements\": [1.0, 2534.0, "), std::string::npos) << overridden.out;

    // Nothing stored: all four are needed.
    const std::string empty = profile("");
    EXPECT_EQ(analyze({"--settings", empty, dayFile(), "--age", "40"}).code, cli::kExitUsage);
    const CliResult given = analyze(
        {"--settings", empty, dayFile(), "--json", "--age", "40", "--weight", "160", "--activity", "5", "--sex", "0"});
    ASSERT_EQ(given.code, 0) << given.err;
    EXPECT_EQ(given.out, stored.out);
}

TEST_F(AnalyzeCommandTest, TextShowsTheTableAndTheCalorieSources)
{
    const CliResult r = analyze({"--settings", profile(kCaloricNeed), dayFile()});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Goal: RDA\n", 0), 0u);
    EXPECT_NE(r.out.find("Calories            150    2604      5%            kcal\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Breakfast          244 g    150 kcal  protein 20 %, carbohydrate 30 %, fat 50 %  "
                         "(more than 30 % from fat)\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("Lunch                0 g      0 kcal  protein 0 %, carbohydrate 0 %, fat 0 %\n"),
              std::string::npos);
}

TEST_F(AnalyzeCommandTest, UnreadableFilesAreFileErrors)
{
    const std::string settings = profile(kCaloricNeed);
    writeFile(m_dir.file("cut.ypd"), std::string("\x01\x00\xff\xff", 4));
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--settings", settings, m_dir.file("missing.ypd").string()}, "missing.ypd"},
        {{"--settings", settings, m_dir.file("cut.ypd").string()}, "cut.ypd: "},
        {{"--settings", m_dir.path().string(), dayFile()}, "settings profile"},
    };
    for (const auto& [arguments, named] : cases) {
        const CliResult r = analyze(arguments);
        EXPECT_EQ(r.code, cli::kExitFile) << named;
        EXPECT_NE(r.err.find(named), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_EQ(analyze({"--settings", settings}).code, cli::kExitUsage);
    // Two files are two days and their average, not a usage error.
    EXPECT_NE(analyze({"--settings", settings, dayFile(), dayFile()}).out.find("Average of 2 days"), std::string::npos);
}

TEST_F(AnalyzeCommandTest, AMissingProfileMeansNothingIsStored)
{
    const CliResult r = analyze({"--settings", m_dir.file("none.ini").string(), dayFile()});
    EXPECT_EQ(r.code, cli::kExitUsage);
    EXPECT_NE(r.err.find("--age"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("none.ini")));
}

} // namespace
} // namespace mw::test
