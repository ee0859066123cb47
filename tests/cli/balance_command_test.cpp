#include "cli_test_support.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace mw::test {
namespace {

class BalanceCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string nip = "[NIP]\n";
        // Calories 1500..2000, fiber 24..36, sodium 1100..2800; the others have no range (From = To).
        for (int j = 1; j < 28; ++j) {
            const char* range = j == 1 ? "1500\nT1=2000" : j == 9 ? "24\nT9=36" : j == 25 ? "1100\nT25=2800" : nullptr;
            nip += "F" + std::to_string(j) + "=" + (range ? range : "0\nT" + std::to_string(j) + "=0") + "\n";
        }
        writeFile(m_cli.dir().file("profile.ini"), nip);
        ASSERT_EQ(m_cli.run({"generate", "--calories", "1200", "--seed", "3", "-o", day()}).code, 0);
    }

    std::string day() const { return m_cli.path("day.ypd"); }
    CliResult balance(std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.begin(), {"balance", day()});
        return m_cli.run(arguments);
    }

    CliSandbox m_cli;
};

TEST_F(BalanceCommandTest, BadOptionsAreUsageErrorsThatWriteNothing)
{
    const std::string out = m_cli.path("out.ypd");
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--add", "9"},
                                                {"--add", "-1"},
                                                {"--list", "8"},
                                                {"--list", "x"},
                                                {"--seconds", "0"},
                                                {"--seconds", "-2"},
                                                {"--seconds", "soon"},
                                                {"--seconds", "nan"},
                                                {"--list", "1", "--personal"},
                                                {"--meal", "6"}}) {
        std::vector<std::string> arguments = bad;
        arguments.insert(arguments.end(), {"-o", out});
        const CliResult r = balance(arguments);
        EXPECT_EQ(r.code, 1) << bad.front() << ' ' << bad.back();
        EXPECT_FALSE(std::filesystem::exists(out));
    }
    EXPECT_EQ(m_cli.run({"balance"}).code, 1);
}

TEST_F(BalanceCommandTest, JsonPlanIsWhatTheWrittenDayHolds)
{
    const CliResult planned = balance({"--json", "--add", "2", "--meal", "2"});
    ASSERT_EQ(planned.code, 0) << planned.err;
    EXPECT_EQ(planned.out.rfind("{\"objective\": ", 0), 0u);
    for (const char* key : {"\"in_range_before\": ", "\"in_range_after\": ", "\"optimal\": true",
                            "\"seconds\": ", "\"additions\": [{\"id\": ", "\"quarters\": ", "\"meal\": 2}",
                            "\"changes\": []", "\"out_of_range\": ["}) {
        EXPECT_NE(planned.out.find(key), std::string::npos) << key << '\n' << planned.out;
    }

    // The balanced day, read back, starts where the plan ended.
    const std::string copy = m_cli.path("copy.ypd");
    ASSERT_EQ(balance({"--add", "2", "--meal", "2", "-o", copy}).code, 0);
    const CliResult again = m_cli.run({"balance", copy, "--add", "2", "--meal", "2", "--json"});
    const auto after = [](const std::string& json, const std::string& key) { return json.substr(json.find(key)); };
    EXPECT_EQ(after(again.out, "\"out_of_range\""), after(planned.out, "\"out_of_range\""));
    const std::string inRange = after(planned.out, "\"in_range_after\": ").substr(18, 2);
    EXPECT_NE(again.out.find("\"in_range_before\": " + inRange), std::string::npos) << again.out;
    EXPECT_NE(m_cli.run({"show", copy}).out, m_cli.run({"show", day()}).out);
}

TEST_F(BalanceCommandTest, TextSaysWhyNothingIsPlanned)
{
    writeFile(m_cli.dir().file("profile.ini"), "");
    EXPECT_EQ(balance({}).out, "Set your intake ranges first: Options > Set Nutrient Intake Preference ...\n");

    std::string wide = "[NIP]\n";
    for (int j = 1; j < 28; ++j) {
        wide += "F" + std::to_string(j) + "=0\nT" + std::to_string(j) + "=9999\n";
    }
    writeFile(m_cli.dir().file("profile.ini"), wide);
    EXPECT_EQ(balance({}).out, "Every goal is in range already\n");
}

} // namespace
} // namespace mw::test
