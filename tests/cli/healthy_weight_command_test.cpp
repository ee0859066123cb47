#include "cli_app.h"
#include "command.h"
#include "support/temp_dir.h"

#include "cli/command_runner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace mw::cli {
// Registered by the command list; declared here so the tests can run it on its own.
std::unique_ptr<Command> makeHealthyWeightCommand();
} // namespace mw::cli

namespace mw::test {
namespace {

// Runs the command as the tool would: global options, the command's own options, exit codes.
CliResult healthyWeight(const std::vector<std::string>& arguments)
{
    return runCommand(*cli::makeHealthyWeightCommand(), arguments);
}

constexpr const char* kManOf70Over34 = "U.S. Guidelines 1989: 156 - 190 lbs  or  70 - 86 kg\n"
                                       "U.S. Guidelines 1996: 140 - 175 lbs  or  63 - 79 kg\n";

TEST(HealthyWeightCommand, PrintsBothLinesAfterTheirLabelsOrAsJson)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--height", "70", "--sex", "male", "--age-group", "over-34"}, kManOf70Over34},
        {{"--height", "64", "--sex", "female", "--age-group", "19-34"},
         "U.S. Guidelines 1989: 112 - 138 lbs  or  50 - 62 kg\n"
         "U.S. Guidelines 1996: 112 - 138 lbs  or  50 - 62 kg\n"},
        // A height below the range counts as 57 inches.
        {{"--height", "-4", "--sex", "female", "--age-group", "over-34"},
         "U.S. Guidelines 1989: 96 - 115 lbs  or  43 - 52 kg\n"
         "U.S. Guidelines 1996: 86 - 106 lbs  or  39 - 48 kg\n"},
        {{"--json", "--height", "57", "--sex", "female", "--age-group", "over-34"},
         "{\"height_inches\": 57, \"lines\": ["
         "{\"label\": \"U.S. Guidelines 1989:\", \"pounds\": [96, 115], \"kilograms\": [43, 52], "
         "\"text\": \"96 - 115 lbs  or  43 - 52 kg\"}, "
         "{\"label\": \"U.S. Guidelines 1996:\", \"pounds\": [86, 106], \"kilograms\": [39, 48], "
         "\"text\": \"86 - 106 lbs  or  39 - 48 kg\"}]}\n"},
    };
    for (const auto& [args, expected] : cases) {
        const CliResult r = healthyWeight(args);
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out, expected);
    }
    const CliResult tall = healthyWeight({"--json", "--height", "90", "--sex", "male", "--age-group", "over-34"});
    EXPECT_EQ(tall.out.rfind("{\"height_inches\": 84,", 0), 0u) << tall.out;
    EXPECT_NE(tall.out.find("\"text\": \"216 - 263 lbs  or  97 - 119 kg\""), std::string::npos);
}

TEST(HealthyWeightCommand, MissingOptionsComeFromTheProfile)
{
    TempDir dir;
    const std::string profile = dir.file("profile.ini").string();
    writeFile(profile, "[Recommended Weight]\nHeight=64\nAge=1\nSex=1\n[Caloric Need]\nSex=0\nAge=40\n");
    const CliResult stored = healthyWeight({"--settings", profile});
    ASSERT_EQ(stored.code, 0) << stored.err;
    EXPECT_EQ(stored.out, "U.S. Guidelines 1989: 112 - 138 lbs  or  50 - 62 kg\n"
                          "U.S. Guidelines 1996: 112 - 138 lbs  or  50 - 62 kg\n");

    const CliResult overridden =
        healthyWeight({"--settings", profile, "--height", "70", "--sex", "male", "--age-group", "over-34"});
    EXPECT_EQ(overridden.out, kManOf70Over34);

    // Nothing stored: 70 inches, male, over 34.
    writeFile(profile, "");
    EXPECT_EQ(healthyWeight({"--settings", profile}).out, kManOf70Over34);
    EXPECT_EQ(readFile(profile), "");
}

TEST(HealthyWeightCommand, UnreadableProfileMattersOnlyWhenAnOptionIsLeftOut)
{
    TempDir dir;
    const std::string folder = dir.path().string(); // a folder cannot be read as a profile
    const CliResult all =
        healthyWeight({"--settings", folder, "--height", "70", "--sex", "male", "--age-group", "over-34"});
    EXPECT_EQ(all.code, 0) << all.err;
    EXPECT_EQ(all.out, kManOf70Over34);

    const CliResult partial = healthyWeight({"--settings", folder, "--height", "70", "--sex", "male"});
    EXPECT_EQ(partial.code, cli::kExitFile);
    EXPECT_TRUE(partial.out.empty());
    EXPECT_NE(partial.err.find(folder), std::string::npos) << partial.err;
}

TEST(HealthyWeightCommand, BadArgumentsAreUsageErrorsWithNoOutput)
{
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--height", "tall", "--sex", "male", "--age-group", "over-34"},
             {"--height", "99999999999", "--sex", "male", "--age-group", "over-34"},
             {"--height", "70", "--sex", "m", "--age-group", "over-34"},
             {"--height", "70", "--sex", "Male", "--age-group", "over-34"},
             {"--height", "70", "--sex", "male", "--age-group", "35"},
             {"--height", "70", "--sex", "male", "--age-group", "over-34", "extra"},
             {"--height", "70", "--sex", "male", "--age-group"},
             {"--height", "70", "--sex", "male", "--age-group", "over-34", "--weight", "160"}}) {
        const CliResult r = healthyWeight(args);
        EXPECT_EQ(r.code, cli::kExitUsage) << args.back();
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_FALSE(r.err.empty());
    }
}

} // namespace
} // namespace mw::test
